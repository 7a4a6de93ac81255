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
</TS>
