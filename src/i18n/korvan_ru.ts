<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="ru_RU">
<context>
    <name>LessonCheck</name>
    <message numerus="yes">
        <source>Под номером %1 — %n вопросов; у них одна пара записей.
</source>
        <translation>
            <numerusform>Под номером %1 — %n вопрос.
</numerusform>
            <numerusform>Под номером %1 — %n вопроса; у них одна пара записей.
</numerusform>
            <numerusform>Под номером %1 — %n вопросов; у них одна пара записей.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportTool</name>
    <message numerus="yes">
        <source>korvan-report: %n строк не понято и пропущено. Первые из них: %1
</source>
        <translation>
            <numerusform>korvan-report: %n строка не понята и пропущена: %1
</numerusform>
            <numerusform>korvan-report: %n строки не поняты и пропущены. Первые из них: %1
</numerusform>
            <numerusform>korvan-report: %n строк не понято и пропущено. Первые из них: %1
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvan::TFImportLesson</name>
    <message numerus="yes">
        <source>В %n строках есть символы, которых нет в Windows-1251; выберите, пропустить такие строки или заменить символы:</source>
        <translation>
            <numerusform>В %n строке есть символы, которых нет в Windows-1251; выберите, пропустить такие строки или заменить символы:</numerusform>
            <numerusform>В %n строках есть символы, которых нет в Windows-1251; выберите, пропустить такие строки или заменить символы:</numerusform>
            <numerusform>В %n строках есть символы, которых нет в Windows-1251; выберите, пропустить такие строки или заменить символы:</numerusform>
        </translation>
    </message>
</context>
</TS>
