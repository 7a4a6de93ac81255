<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>Accessible</name>
    <message>
        <source>Открыть урок, недавние уроки, сохранение и создание уроков</source>
        <translation>Open a lesson, recent lessons, saving and creating lessons</translation>
    </message>
    <message>
        <source>Ученики, поведение и внешний вид программы</source>
        <translation>Pupils, the program&apos;s behaviour and appearance</translation>
    </message>
    <message>
        <source>Справка, сайт программы, письмо автору, о программе</source>
        <translation>Help, the program&apos;s website, a letter to the author, about the program</translation>
    </message>
    <message>
        <source>Начать урок</source>
        <translation>Start lesson</translation>
    </message>
    <message>
        <source>Клавиша F4</source>
        <translation>Key F4</translation>
    </message>
    <message>
        <source>Показать перевод или Я прав</source>
        <translation>Show translation or I was right</translation>
    </message>
    <message>
        <source>Клавиши Пробел или F5; пока набирается перевод, только F5</source>
        <translation>Keys Space or F5; while a translation is typed, F5 only</translation>
    </message>
    <message>
        <source>Прослушать свой ответ</source>
        <translation>Listen to your answer</translation>
    </message>
    <message>
        <source>Я ошибся</source>
        <translation>I was wrong</translation>
    </message>
    <message>
        <source>Клавиши Ctrl или F8; пока набирается перевод, только F8</source>
        <translation>Keys Ctrl or F8; while a translation is typed, F8 only</translation>
    </message>
    <message>
        <source>Повторить русскую запись</source>
        <translation>Replay the Russian recording</translation>
    </message>
    <message>
        <source>Повторить английскую запись</source>
        <translation>Replay the English recording</translation>
    </message>
    <message>
        <source>Окна урока</source>
        <translation>Lesson panes</translation>
    </message>
    <message>
        <source>Сообщения программы</source>
        <translation>Program&apos;s messages</translation>
    </message>
    <message>
        <source>Ключевая фраза</source>
        <translation>Key phrase</translation>
    </message>
    <message>
        <source>Предложение для перевода</source>
        <translation>Sentence to translate</translation>
    </message>
    <message>
        <source>Эталонный перевод</source>
        <translation>Reference translation</translation>
    </message>
    <message>
        <source>Транскрипция</source>
        <translation>Transcription</translation>
    </message>
    <message>
        <source>Ваш перевод</source>
        <translation>Your translation</translation>
    </message>
    <message>
        <source>Наберите перевод и нажмите F5</source>
        <translation>Type your translation and press F5</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Ход урока</source>
        <translation>Lesson progress</translation>
    </message>
    <message>
        <source>Сколько предложений отвечено без ошибок, с ошибками и сколько осталось</source>
        <translation>How many sentences were answered without mistakes, with mistakes, and how many are left</translation>
    </message>
    <message>
        <source>Время на обдумывание</source>
        <translation>Thinking time</translation>
    </message>
    <message>
        <source>Заполняется, пока идёт время</source>
        <translation>Fills while the time runs</translation>
    </message>
    <message>
        <source>Открывает выбор цвета</source>
        <translation>Opens the colour chooser</translation>
    </message>
    <message>
        <source>Шрифт текстовых окон</source>
        <translation>Font of the text panes</translation>
    </message>
    <message>
        <source>Открывает выбор шрифта</source>
        <translation>Opens the font chooser</translation>
    </message>
    <message>
        <source>Цвета:</source>
        <translation>Colours:</translation>
    </message>
    <message>
        <source>Клавиша Enter: принять установки</source>
        <translation>Enter key: accept the settings</translation>
    </message>
    <message>
        <source>Клавиша Esc: закрыть без изменений</source>
        <translation>Esc key: close without changes</translation>
    </message>
    <message>
        <source>Цвет текста информационных сообщений</source>
        <translation>Text colour of messages</translation>
    </message>
    <message>
        <source>Цвет фона информационных сообщений</source>
        <translation>Background colour of messages</translation>
    </message>
    <message>
        <source>Образец информационных сообщений</source>
        <translation>Sample of messages</translation>
    </message>
    <message>
        <source>Цвет текста ключевой фразы</source>
        <translation>Text colour of the key phrase</translation>
    </message>
    <message>
        <source>Цвет фона ключевой фразы</source>
        <translation>Background colour of the key phrase</translation>
    </message>
    <message>
        <source>Образец ключевой фразы</source>
        <translation>Sample of the key phrase</translation>
    </message>
    <message>
        <source>Цвет текста исходного текста</source>
        <translation>Text colour of the source text</translation>
    </message>
    <message>
        <source>Цвет фона исходного текста</source>
        <translation>Background colour of the source text</translation>
    </message>
    <message>
        <source>Образец исходного текста</source>
        <translation>Sample of the source text</translation>
    </message>
    <message>
        <source>Цвет текста перевода</source>
        <translation>Text colour of the translation</translation>
    </message>
    <message>
        <source>Цвет фона перевода</source>
        <translation>Background colour of the translation</translation>
    </message>
    <message>
        <source>Образец перевода</source>
        <translation>Sample of the translation</translation>
    </message>
    <message>
        <source>Цвет текста транскрипции</source>
        <translation>Text colour of the transcription</translation>
    </message>
    <message>
        <source>Цвет фона транскрипции</source>
        <translation>Background colour of the transcription</translation>
    </message>
    <message>
        <source>Образец транскрипции</source>
        <translation>Sample of the transcription</translation>
    </message>
    <message>
        <source>Цвет текста окна ввода</source>
        <translation>Text colour of the input pane</translation>
    </message>
    <message>
        <source>Цвет фона окна ввода</source>
        <translation>Background colour of the input pane</translation>
    </message>
    <message>
        <source>Образец окна ввода</source>
        <translation>Sample of the input pane</translation>
    </message>
    <message>
        <source>Цвет текста подсказки</source>
        <translation>Text colour of the hint</translation>
    </message>
    <message>
        <source>Цвет фона подсказки</source>
        <translation>Background colour of the hint</translation>
    </message>
    <message>
        <source>Образец подсказки</source>
        <translation>Sample of the hint</translation>
    </message>
    <message>
        <source>Перевод я буду произносить вслух</source>
        <translation>I will speak my translation aloud</translation>
    </message>
    <message>
        <source>Перевод я буду набирать на клавиатуре</source>
        <translation>I will type my translation</translation>
    </message>
    <message>
        <source>Домашняя страница программы. Ссылка, Enter открывает</source>
        <translation>The program&apos;s home page. A link, Enter opens it</translation>
    </message>
    <message>
        <source>Письмо автору. Ссылка, Enter открывает</source>
        <translation>A letter to the author. A link, Enter opens it</translation>
    </message>
    <message>
        <source>Домашняя страница автора. Ссылка, Enter открывает</source>
        <translation>The author&apos;s home page. A link, Enter opens it</translation>
    </message>
    <message>
        <source>Enter или Esc закрывает окно</source>
        <translation>Enter or Esc closes the window</translation>
    </message>
    <message>
        <source>Папка истории</source>
        <translation>History folder</translation>
    </message>
    <message>
        <source>Пусто: папка history в папке пользователя</source>
        <translation>Empty: the folder history in the user folder</translation>
    </message>
    <message>
        <source>Выбрать папку истории</source>
        <translation>Choose the history folder</translation>
    </message>
    <message>
        <source>Желаемое припоминание, процентов</source>
        <translation>Desired recall, per cent</translation>
    </message>
    <message>
        <source>От 70 до 97</source>
        <translation>From 70 to 97</translation>
    </message>
    <message>
        <source>День ученика начинается в, часов</source>
        <translation>The pupil&apos;s day begins at, hour</translation>
    </message>
    <message>
        <source>От 0 до 23</source>
        <translation>From 0 to 23</translation>
    </message>
    <message>
        <source>Не больше карточек за одно повторение</source>
        <translation>At most cards in one review</translation>
    </message>
    <message>
        <source>Добавить ученика</source>
        <translation>Add a pupil</translation>
    </message>
    <message>
        <source>Клавиша Insert</source>
        <translation>Insert key</translation>
    </message>
    <message>
        <source>Исправить информацию об ученике</source>
        <translation>Edit the pupil</translation>
    </message>
    <message>
        <source>Клавиша F2</source>
        <translation>F2 key</translation>
    </message>
    <message>
        <source>Удалить ученика</source>
        <translation>Remove the pupil</translation>
    </message>
    <message>
        <source>Клавиша Delete</source>
        <translation>Delete key</translation>
    </message>
    <message>
        <source>Ученики</source>
        <translation>Pupils</translation>
    </message>
    <message>
        <source>Enter или двойной щелчок выбирает ученика</source>
        <translation>Enter or a double click chooses the pupil</translation>
    </message>
    <message>
        <source>Клавиша Enter: выбрать ученика</source>
        <translation>Enter key: choose the pupil</translation>
    </message>
    <message>
        <source>Имя ученика</source>
        <translation>Pupil&apos;s name</translation>
    </message>
    <message>
        <source>Клавиша Enter</source>
        <translation>Enter key</translation>
    </message>
    <message>
        <source>Пробел включает и выключает</source>
        <translation>Space turns it on and off</translation>
    </message>
    <message>
        <source>Направление перевода</source>
        <translation>Translation direction</translation>
    </message>
    <message>
        <source>Число ошибок</source>
        <translation>Number of mistakes</translation>
    </message>
    <message>
        <source>Выбрать режим из списка; его установки загружаются в окно</source>
        <translation>Choose a mode from the list; its settings are loaded into the window</translation>
    </message>
    <message>
        <source>Сохранить выбранные в данный момент установки под именем выбранного режима</source>
        <translation>Save the current settings under the name of the chosen mode</translation>
    </message>
    <message>
        <source>Показывать русский текст</source>
        <translation>Show Russian text</translation>
    </message>
    <message>
        <source>Показывать английский текст</source>
        <translation>Show English text</translation>
    </message>
    <message>
        <source>Проигрывать русский звук</source>
        <translation>Play Russian sound</translation>
    </message>
    <message>
        <source>При наличии звуковых файлов к уроку. Пробел включает и выключает</source>
        <translation>If the lesson has sound files. Space turns it on and off</translation>
    </message>
    <message>
        <source>Проигрывать английский звук</source>
        <translation>Play English sound</translation>
    </message>
    <message>
        <source>Перевод с русского на английский</source>
        <translation>Translate from Russian into English</translation>
    </message>
    <message>
        <source>Перевод с английского на русский</source>
        <translation>Translate from English into Russian</translation>
    </message>
    <message>
        <source>Перевод я буду: произносить вслух</source>
        <translation>I will answer by: speaking aloud</translation>
    </message>
    <message>
        <source>Перевод я буду: набирать на клавиатуре</source>
        <translation>I will answer by: typing</translation>
    </message>
    <message>
        <source>Время на обдумывание отсчитывается от нормы</source>
        <translation>The time to think is measured against the norm</translation>
    </message>
    <message>
        <source>Время на обдумывание (от нормы)</source>
        <translation>Time to think (times the norm)</translation>
    </message>
    <message>
        <source>Если дан неверный перевод, то предложение</source>
        <translation>After a wrong translation, the sentence is</translation>
    </message>
    <message>
        <source>Способ перебора: по порядку</source>
        <translation>Sentence order: in order</translation>
    </message>
    <message>
        <source>Способ перебора: случайно все</source>
        <translation>Sentence order: random, all</translation>
    </message>
    <message>
        <source>Способ перебора: случайно часть</source>
        <translation>Sentence order: random, part</translation>
    </message>
    <message>
        <source>Одновременно используются предложений</source>
        <translation>Sentences in use at a time</translation>
    </message>
    <message>
        <source>Сохранять в файле предложения с ошибками</source>
        <translation>Save sentences with mistakes to a file</translation>
    </message>
    <message>
        <source>Число ошибок задаётся в поле рядом</source>
        <translation>The number of mistakes is set in the field beside it</translation>
    </message>
    <message>
        <source>Сохранять предложения, в которых было допущено столько ошибок или более</source>
        <translation>Save the sentences with this many mistakes or more</translation>
    </message>
    <message>
        <source>Предложения без звуковых файлов произносит синтезатор речи. Пробел включает и выключает</source>
        <translation>A speech synthesizer reads sentences that have no sound files. Space turns it on and off</translation>
    </message>
    <message>
        <source>Первые вопросы урока</source>
        <translation>The lesson&apos;s first questions</translation>
    </message>
    <message>
        <source>Номер, комментарий, русский и английский текст</source>
        <translation>Number, comment, Russian and English text</translation>
    </message>
    <message>
        <source>Сколько записей взято и сколько пропущено</source>
        <translation>How many records are taken and how many left out</translation>
    </message>
    <message>
        <source>Клавиша Enter: сохранить урок и открыть его</source>
        <translation>Enter key: save the lesson and open it</translation>
    </message>
    <message>
        <source>1/2 от нормы</source>
        <translation>half the norm</translation>
    </message>
    <message>
        <source>%1 от нормы</source>
        <translation>%1 times the norm</translation>
    </message>
    <message>
        <source>%1,%2 от нормы</source>
        <translation>%1.%2 times the norm</translation>
    </message>
    <message>
        <source>больше не показывать</source>
        <translation>not shown again</translation>
    </message>
    <message>
        <source>показать еще один раз</source>
        <translation>shown once more</translation>
    </message>
    <message>
        <source>показать еще два раза</source>
        <translation>shown twice more</translation>
    </message>
</context>
<context>
    <name>App</name>
    <message>
        <source>Korvan: редактор уроков</source>
        <translation>Korvan: lesson editor</translation>
    </message>
    <message>
        <source>Korvan: Программа обучения английскому языку</source>
        <translation>Korvan: translation trainer, Russian and English</translation>
    </message>
</context>
<context>
    <name>DerivedLessons</name>
    <message>
        <source>Сохранить урок для работы над ошибками как</source>
        <translation>Save the lesson for work on mistakes as</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source>Для начала работы с уроком нажмите клавишу [F4] или кнопку &quot;Начать урок&quot;.</source>
        <translation>To begin the lesson, press [F4] or the &quot;Start&quot; button.</translation>
    </message>
    <message>
        <source>Напишите перевод и нажмите [F5] для того, чтобы увидеть вариант перевода, предложенный автором урока.</source>
        <translation>Type your translation and press [F5] to see the translation the lesson&apos;s author gives.</translation>
    </message>
    <message>
        <source>Произнесите перевод (если есть микрофон -- в микрофон) и нажмите [Пробел] или [F5] для того, чтобы увидеть вариант перевода, предложенный автором урока.</source>
        <translation>Say your translation aloud (into the microphone, if you have one) and press [Space] or [F5] to see the translation the lesson&apos;s author gives.</translation>
    </message>
    <message>
        <source>Сравните свой перевод с эталонным и решите, правильно или нет вы перевели. Нажмите [Пробел] или [F5] если правильно, [Ctrl] или [F8] если ошибочно.</source>
        <translation>Compare your translation with the reference and decide whether you got it right. Press [Space] or [F5] if right, [Ctrl] or [F8] if wrong.</translation>
    </message>
    <message>
        <source>Вы не уложились в отведенное время, ваш ответ засчитан как ошибочный. Нажмите [Пробел] или [F5] или [Ctrl] или [F8].</source>
        <translation>You ran out of time, so your answer counts as wrong. Press [Space], [F5], [Ctrl] or [F8].</translation>
    </message>
    <message>
        <source>Вы можете повторить этот урок нажав [F4] или выбрать другой. Это окно подсказок отключается в диалоговом окне [Настройка] &gt; [Внешний вид программы ...]</source>
        <translation>Press [F4] to repeat this lesson, or choose another one. This help pane can be turned off in [Settings] &gt; [Appearance ...]</translation>
    </message>
    <message>
        <source>Время вышло.</source>
        <translation>Time is up.</translation>
    </message>
    <message>
        <source>Правильно.</source>
        <translation>Right.</translation>
    </message>
    <message>
        <source>Ошибка.</source>
        <translation>Wrong.</translation>
    </message>
    <message>
        <source>Предложений: --</source>
        <translation>Sentences: --</translation>
    </message>
    <message>
        <source>Предложений: %1</source>
        <translation>Sentences: %1</translation>
    </message>
    <message>
        <source>Повторов текущего: --</source>
        <translation>This one: --</translation>
    </message>
    <message>
        <source>Повторов текущего: %1</source>
        <translation>This one: %1</translation>
    </message>
    <message>
        <source>Выберите урок с помощью кнопки &quot;Урок&quot;.</source>
        <translation>Choose a lesson with the &quot;Lesson&quot; button.</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; либо имеет неверный формат, либо в уроке нет вопросов.</source>
        <translation>The file &quot;%1&quot; is either not in the lesson format or holds no questions.</translation>
    </message>
    <message>
        <source>Урок: (без названия)</source>
        <translation>Lesson: (untitled)</translation>
    </message>
    <message>
        <source>Урок: %1</source>
        <translation>Lesson: %1</translation>
    </message>
    <message>
        <source>В %1 предложениях допущено %2 ошиб. Оценка %3 балл(ов).</source>
        <translation>Sentences: %1, mistakes: %2. Score: %3 point(s).</translation>
    </message>
    <message>
        <source>Затрачено времени %1, в среднем %2 сек. на вопрос.</source>
        <translation>Time taken %1, on average %2 s per question.</translation>
    </message>
</context>
<context>
    <name>HtmlReport</name>
    <message>
        <source>рост +%1</source>
        <translation>up +%1</translation>
    </message>
    <message>
        <source>спад −%1</source>
        <translation>down −%1</translation>
    </message>
    <message>
        <source>без изменений</source>
        <translation>no change</translation>
    </message>
    <message>
        <source>Отчёт для учителя</source>
        <translation>Teacher&apos;s report</translation>
    </message>
    <message>
        <source>(ученик не выбран)</source>
        <translation>(no pupil chosen)</translation>
    </message>
    <message>
        <source>(урок не открыт)</source>
        <translation>(no lesson open)</translation>
    </message>
    <message>
        <source>Учеников: %1. Запусков: %2 (завершено %3, не завершено %4).</source>
        <translation>Pupils: %1. Runs: %2 (finished %3, unfinished %4).</translation>
    </message>
    <message>
        <source>С %1 по %2.</source>
        <translation>From %1 to %2.</translation>
    </message>
    <message>
        <source>Журналы: %1.</source>
        <translation>Logs: %1.</translation>
    </message>
    <message>
        <source>Класс</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Завершено</source>
        <translation>Finished</translation>
    </message>
    <message>
        <source>Не завершено</source>
        <translation>Unfinished</translation>
    </message>
    <message>
        <source>Время завершённых</source>
        <translation>Time of finished runs</translation>
    </message>
    <message>
        <source>Последний балл</source>
        <translation>Last points</translation>
    </message>
    <message>
        <source>Лучший балл</source>
        <translation>Best points</translation>
    </message>
    <message>
        <source>Тенденция</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Карточек в памяти</source>
        <translation>Cards in memory</translation>
    </message>
    <message>
        <source>К повторению сегодня</source>
        <translation>Due today</translation>
    </message>
    <message>
        <source>Из них просрочено</source>
        <translation>Of them overdue</translation>
    </message>
    <message>
        <source>Припоминание RU → EN</source>
        <translation>Recall RU → EN</translation>
    </message>
    <message>
        <source>Припоминание EN → RU</source>
        <translation>Recall EN → RU</translation>
    </message>
    <message>
        <source>Запусков: %1, завершено %2, время завершённых %3.</source>
        <translation>Runs: %1, finished %2, time of finished runs %3.</translation>
    </message>
    <message>
        <source>Запуски</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>Начало</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Урок</source>
        <translation>Lesson</translation>
    </message>
    <message>
        <source>Режим</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Перевод</source>
        <translation>Translation</translation>
    </message>
    <message>
        <source>Ответ</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Вопросов</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Ошибок</source>
        <translation>Mistakes</translation>
    </message>
    <message>
        <source>Баллы</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Оценка</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>%1 % из %2</source>
        <translation>%1 % of %2</translation>
    </message>
    <message>
        <source>Память</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>Карточек в памяти: %1, к повторению сегодня: %2 (из них просрочено %3).</source>
        <translation>Cards in memory: %1, due today: %2 (of them overdue %3).</translation>
    </message>
    <message>
        <source>Нечитаемых строк в истории: %1.</source>
        <translation>Unreadable lines in the history: %1.</translation>
    </message>
    <message>
        <source>Направление</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Первых ответов дня за 30 дней</source>
        <translation>First answers of a day in 30 days</translation>
    </message>
    <message>
        <source>Вспомнил</source>
        <translation>Recalled</translation>
    </message>
    <message>
        <source>Повторения в ближайшие 14 дней</source>
        <translation>Reviews in the next 14 days</translation>
    </message>
    <message>
        <source>набирал</source>
        <translation>typed</translation>
    </message>
    <message>
        <source>говорил</source>
        <translation>spoke</translation>
    </message>
    <message>
        <source>не завершён</source>
        <translation>not finished</translation>
    </message>
    <message>
        <source>Уроки</source>
        <translation>Lessons</translation>
    </message>
    <message>
        <source>Запусков</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>Средний балл</source>
        <translation>Mean points</translation>
    </message>
    <message>
        <source>Самые трудные предложения</source>
        <translation>Hardest sentences</translation>
    </message>
    <message>
        <source>Ни одно предложение не вызвало больше одной ошибки за запуск.</source>
        <translation>No sentence caused more than one mistake in a run.</translation>
    </message>
    <message>
        <source>Предложение</source>
        <translation>Sentence</translation>
    </message>
    <message>
        <source>Ошибок всего</source>
        <translation>Mistakes in all</translation>
    </message>
    <message>
        <source>В запусках</source>
        <translation>In runs</translation>
    </message>
</context>
<context>
    <name>LessonCheck</name>
    <message>
        <source>Строка %1: «%2» — не номер вопроса, поэтому тренажёр её пропускает.
</source>
        <translation>Line %1: &quot;%2&quot; is not a question number, so the trainer skips it.
</translation>
    </message>
    <message>
        <source>Строки с %1 по %2 — не номера вопросов, поэтому тренажёр их пропускает:%3
</source>
        <translation>Lines %1 to %2 are not question numbers, so the trainer skips them:%3
</translation>
    </message>
    <message>
        <source>  С вопроса %1 (номер %2) по вопрос %3 (номер %4) группы начинаются не по четырёхстрочной схеме тела урока: проверьте, что их номера, комментарии и тексты стоят там, где задумано.
</source>
        <translation>  From question %1 (number %2) to question %3 (number %4) the groups start off the four-line pattern of the body: check that their numbers, comments and texts stand where you meant.
</translation>
    </message>
    <message>
        <source>У вопроса %1 (номер %2) нет русского текста.
</source>
        <translation>The question %1 (number %2) has no Russian text.
</translation>
    </message>
    <message>
        <source>У вопроса %1 (номер %2) нет английского текста.
</source>
        <translation>The question %1 (number %2) has no English text.
</translation>
    </message>
    <message numerus="yes">
        <source>Под номером %1 — %n вопросов; у них одна пара записей.
</source>
        <translation>
            <numerusform>The number %1 is used by %n question.
</numerusform>
            <numerusform>The number %1 is used by %n questions; they share one pair of recordings.
</numerusform>
        </translation>
    </message>
    <message>
        <source> и ещё %1</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source>В заголовке обещаны русские записи, но %1 из %2 нет в папке урока:%3. Тренажёр покажет вместо них текст.
</source>
        <translation>The header promises Russian recordings, but %1 of %2 are not in the lesson&apos;s folder:%3. The trainer shows the text instead.
</translation>
    </message>
    <message>
        <source>В заголовке обещаны английские записи, но %1 из %2 нет в папке урока:%3. Тренажёр покажет вместо них текст.
</source>
        <translation>The header promises English recordings, but %1 of %2 are not in the lesson&apos;s folder:%3. The trainer shows the text instead.
</translation>
    </message>
    <message>
        <source>Файл — текст в UTF-8 с меткой порядка байтов: тренажёр читает Windows-1251 и не примет урок в таком виде. Преобразуйте его командой
  korvan-lesson import &quot;%1&quot; &quot;%2&quot;
или откройте его в тренажёре, который предложит преобразование.
</source>
        <translation>The file is UTF-8 text with a byte-order mark: the trainer reads Windows-1251, so it would not take the lesson as it is. Convert it with
  korvan-lesson import &quot;%1&quot; &quot;%2&quot;
or open it in the trainer, which offers to convert it.
</translation>
    </message>
    <message>
        <source>Файл — текст в UTF-8: тренажёр читает Windows-1251 и не примет урок в таком виде. Преобразуйте его командой
  korvan-lesson import &quot;%1&quot; &quot;%2&quot;
или откройте его в тренажёре, который предложит преобразование.
</source>
        <translation>The file is UTF-8 text: the trainer reads Windows-1251, so it would not take the lesson as it is. Convert it with
  korvan-lesson import &quot;%1&quot; &quot;%2&quot;
or open it in the trainer, which offers to convert it.
</translation>
    </message>
    <message>
        <source>Знаки, которых нет в Windows-1251, останавливают преобразование: измените их или добавьте --replace-unfit, чтобы их заменить.
</source>
        <translation>Characters Windows-1251 cannot hold stop the conversion; change them, or add --replace-unfit to replace them.
</translation>
    </message>
    <message>
        <source>korvan-lesson check: укажите ровно один файл урока
</source>
        <translation>korvan-lesson check: give exactly one lesson file
</translation>
    </message>
    <message>
        <source>Файл урока: %1
</source>
        <translation>Lesson file: %1
</translation>
    </message>
    <message>
        <source>Файл начинается с метки порядка байтов UTF-8. Сохраните его как текст Windows-1251 (кириллица, &quot;ANSI&quot;) без неё.
</source>
        <translation>The file begins with a UTF-8 byte-order mark. Save it as Windows-1251 (Cyrillic, &quot;ANSI&quot;) text without it.
</translation>
    </message>
    <message>
        <source>Файл — текст в UTF-8: тренажёр читает Windows-1251, и русские буквы превратятся в мусор. Сохраните его как текст Windows-1251 (кириллица).
</source>
        <translation>The file is UTF-8 text: the trainer reads Windows-1251, so its Russian letters would show as garbage. Save it as Windows-1251 (Cyrillic) text.
</translation>
    </message>
    <message>
        <source>Это не урок: первая строка должна быть в точности &quot;%1&quot;.
Итог: урок непригоден.
</source>
        <translation>Not a lesson: the first line must be exactly &quot;%1&quot;.
Result: not usable.
</translation>
    </message>
    <message>
        <source>Заголовок: %1
</source>
        <translation>Title: %1
</translation>
    </message>
    <message>
        <source>(нет)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Вид: урок слов (строка комментария — транскрипция)
</source>
        <translation>Kind: words lesson (the comment line is the transcription)
</translation>
    </message>
    <message>
        <source>Вид: обычный урок
</source>
        <translation>Kind: ordinary lesson
</translation>
    </message>
    <message>
        <source>Нет строки &quot;&lt;header&gt;&quot;, поэтому тренажёр не находит вопросов.
</source>
        <translation>There is no &quot;&lt;header&gt;&quot; line, so the trainer finds no questions.
</translation>
    </message>
    <message>
        <source>Нет строки &quot;&lt;body&gt;&quot; после &quot;&lt;header&gt;&quot;, поэтому тренажёр не находит вопросов.
</source>
        <translation>There is no &quot;&lt;body&gt;&quot; line after &quot;&lt;header&gt;&quot;, so the trainer finds no questions.
</translation>
    </message>
    <message>
        <source>Запись заголовка &quot;%1&quot; ничего не говорит тренажёру (в ключах важен регистр: Title, Words, HasRuAudio, HasEnAudio).
</source>
        <translation>The header entry &quot;%1&quot; means nothing to the trainer (keys are case-sensitive: Title, Words, HasRuAudio, HasEnAudio).
</translation>
    </message>
    <message>
        <source>Знак Ctrl-Z обрывает файл раньше времени: всё, что после него, не читается.
</source>
        <translation>A Ctrl-Z character ends the file early; anything after it is not read.
</translation>
    </message>
    <message>
        <source>Вопросов: %1
</source>
        <translation>Questions: %1
</translation>
    </message>
    <message>
        <source>Итог: урок пригоден.
</source>
        <translation>Result: usable.
</translation>
    </message>
    <message>
        <source>Итог: урок непригоден.
</source>
        <translation>Result: not usable.
</translation>
    </message>
    <message>
        <source>  Группы после этого места сохраняют четырёхстрочную схему.
</source>
        <translation>  The groups after it keep the four-line pattern.
</translation>
    </message>
</context>
<context>
    <name>LessonDump</name>
    <message>
        <source>korvan-lesson dump: лишний аргумент «%1»
</source>
        <translation>korvan-lesson dump: unexpected argument &quot;%1&quot;
</translation>
    </message>
    <message>
        <source>korvan-lesson dump: какой урок?
</source>
        <translation>korvan-lesson dump: which lesson?
</translation>
    </message>
</context>
<context>
    <name>LessonImport</name>
    <message>
        <source>  korvan-lesson import ИСТОЧНИК УРОК.sl2 [параметры]
      урок из таблицы (CSV или TSV), выгрузки Tatoeba, пакета Anki или
      урока в UTF-8; вид источника узнаётся по содержимому. Параметры:
      --title T, --words, --ru-audio, --en-audio   заголовок урока
      --russian F, --english F, --comment F        какие поля брать (номер
                                                   от 1 или имя; 0: никакое)
      --deck D                                     только эта колода (номер
                                                   или имя)
      --renumber [--first-number N]                пронумеровать вопросы
                                                   заново
      --max-words N                                не брать предложения
                                                   длиннее
      --per-lesson N                               несколько уроков
                                                   УРОК-001.sl2, ...
      --skip-unfit | --replace-unfit               строки со знаками, которых
                                                   нет в Windows-1251:
                                                   пропустить или заменить
</source>
        <translation>  korvan-lesson import SOURCE OUT.sl2 [options]
      a lesson from a table (CSV or TSV), a Tatoeba export, an Anki package, or
      a lesson saved in UTF-8, recognised by content. Options:
      --title T, --words, --ru-audio, --en-audio   the lesson&apos;s header
      --russian F, --english F, --comment F        the fields to take (a number
                                                   from 1 or a name; 0: none)
      --deck D                                     only this deck (number or name)
      --renumber [--first-number N]                number the questions afresh
      --max-words N                                leave out longer sentences
      --per-lesson N                               several lessons OUT-001.sl2, ...
      --skip-unfit | --replace-unfit               rows with characters Windows-1251
                                                   cannot hold: leave out or replace
</translation>
    </message>
    <message>
        <source>после %1 нужно целое число, а не «%2»</source>
        <translation>%1 needs a whole number, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>после %1 нужно значение</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>после --first-number нужно число, а не «%1»</source>
        <translation>--first-number needs a number, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>неизвестный параметр «%1»</source>
        <translation>unknown option &quot;%1&quot;</translation>
    </message>
    <message>
        <source>укажите источник и урок, который записать</source>
        <translation>give the source and the lesson to write</translation>
    </message>
    <message>
        <source>%1 %2: в источнике полей всего %3</source>
        <translation>%1 %2: the source has %3 fields</translation>
    </message>
    <message>
        <source>%1 «%2»: поля с таким именем нет</source>
        <translation>%1 &quot;%2&quot;: no field of that name</translation>
    </message>
    <message>
        <source>--deck «%1»: такой колоды в источнике нет</source>
        <translation>--deck &quot;%1&quot;: the source has no such deck</translation>
    </message>
    <message>
        <source>заголовок должен быть одной строкой без табуляций</source>
        <translation>the title must be one line without tabs</translation>
    </message>
    <message>
        <source>позиция %1 заголовка: в заголовке знак, которого нет в Windows-1251</source>
        <translation>title column %1: the title holds a character Windows-1251 cannot hold</translation>
    </message>
    <message>
        <source>в уроке UTF-8 есть знаки, которых нет в Windows-1251:%1
(--replace-unfit заменяет их)</source>
        <translation>the UTF-8 lesson holds characters Windows-1251 cannot hold:%1
(--replace-unfit replaces them)</translation>
    </message>
    <message>
        <source>Урок UTF-8 преобразован в Windows-1251: %1
</source>
        <translation>Converted the UTF-8 lesson to Windows-1251: %1
</translation>
    </message>
    <message>
        <source>Знаки, которых нет в Windows-1251, заменены в строках: %1.
</source>
        <translation>Characters Windows-1251 cannot hold were replaced on %1 lines.
</translation>
    </message>
    <message>
        <source>Вопросов записано: %1, в %2 ... %3 (уроков: %4)
</source>
        <translation>Wrote %1 questions to %2 ... %3 (%4 lessons)
</translation>
    </message>
    <message>
        <source>Вопросов записано: %1, в %2
</source>
        <translation>Wrote %1 questions to %2
</translation>
    </message>
    <message>
        <source>Пропущено %1 %2.
</source>
        <translation>Skipped %1 %2.
</translation>
    </message>
    <message>
        <source>Записей, которых нет в источнике: %1; у этих предложений их не будет.
</source>
        <translation>%1 recordings are missing from the source; those sentences have none.
</translation>
    </message>
    <message>
        <source>знаки, которых нет в Windows-1251, в строках: %1:%2
(--skip-unfit пропускает такие строки, --replace-unfit заменяет знаки)</source>
        <translation>characters Windows-1251 cannot hold, in %1 rows:%2
(--skip-unfit leaves such rows out, --replace-unfit replaces the characters)</translation>
    </message>
    <message>
        <source>в источнике (%1) нет вопросов</source>
        <translation>the %1 holds no questions</translation>
    </message>
    <message>
        <source>korvan-lesson import: %1: %2. Ничего не записано.
</source>
        <translation>korvan-lesson import: %1: %2. Nothing was written.
</translation>
    </message>
    <message>
        <source>korvan-lesson import: %1. Ничего не записано.
</source>
        <translation>korvan-lesson import: %1. Nothing was written.
</translation>
    </message>
</context>
<context>
    <name>LessonMemory</name>
    <message>
        <source>  korvan-lesson memory ПАПКА_ИЛИ_ФАЙЛ_УЧЕНИКА... [--at ВРЕМЯ] [--json]
                [--retention R] [--day-starts-at ЧАС]
      что ученик знает по своей истории: у каждой карточки повторения,
      забывания, стабильность, трудность, интервал и день повторения,
      вероятность вспомнить её в ВРЕМЯ (RFC 3339, по умолчанию сейчас),
      и карточки к повторению к учебному дню ученика, куда входит ВРЕМЯ
</source>
        <translation>  korvan-lesson memory PUPIL_FOLDER_OR_FILE... [--at TIME] [--json]
                [--retention R] [--day-starts-at HOUR]
      what a pupil&apos;s history says they know: each card&apos;s reviews, lapses,
      stability, difficulty, interval and due day, its chance of recall at TIME
      (RFC 3339, now by default), and the cards due by the pupil day of TIME
</translation>
    </message>
    <message>
        <source>после --at нужно время</source>
        <translation>--at needs a time</translation>
    </message>
    <message>
        <source>после --at нужно время вида 2026-12-09T19:53:07+03:00, а не «%1»</source>
        <translation>--at takes a time such as 2026-12-09T19:53:07+03:00, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>после --retention нужно число от 0.70 до 0.97</source>
        <translation>--retention takes a number from 0.70 to 0.97</translation>
    </message>
    <message>
        <source>после --day-starts-at нужен час от 0 до 23</source>
        <translation>--day-starts-at takes an hour from 0 to 23</translation>
    </message>
    <message>
        <source>неизвестный параметр «%1»</source>
        <translation>unknown option &quot;%1&quot;</translation>
    </message>
    <message>
        <source>для memory нужна папка или файл истории ученика</source>
        <translation>memory needs a pupil&apos;s history folder or file</translation>
    </message>
    <message>
        <source>Карточек: %1
К повторению к %2: %3
Нечитаемых строк: %4
</source>
        <translation>Cards: %1
Due by %2: %3
Unreadable lines: %4
</translation>
    </message>
    <message>
        <source>korvan-lesson: %1
Запуск:
</source>
        <translation>korvan-lesson: %1
Usage:
</translation>
    </message>
    <message>
        <source>korvan-lesson: «%1» не существует
</source>
        <translation>korvan-lesson: &quot;%1&quot; does not exist
</translation>
    </message>
</context>
<context>
    <name>LessonTool</name>
    <message>
        <source>Запуск:
  korvan-lesson dump УРОК [--time-table ФАЙЛ]
      урок в JSON (тексты в UTF-8) со временем на обдумывание каждого вопроса
  korvan-lesson check УРОК
      что тренажёр поймёт из файла; код выхода 0, когда урок пригоден
</source>
        <translation>Usage:
  korvan-lesson dump LESSON [--time-table FILE]
      the lesson as JSON (texts in UTF-8) with each question&apos;s thinking time
  korvan-lesson check LESSON
      what the trainer makes of the file; exit 0 when the lesson is usable
</translation>
    </message>
    <message>
        <source>  korvan-lesson voice УРОК [--ru] [--en] [--force] [--voice ГОЛОС]
      недостающие записи (NNNR.WAV, NNNE.WAV), начитанные синтезатором речи,
      для обеих сторон, если не названа одна; урок помечается как озвученный.
      --force заменяет готовые записи; --voice называет голос eSpeak NG
      для названной стороны
</source>
        <translation>  korvan-lesson voice LESSON [--ru] [--en] [--force] [--voice NAME]
      the missing recordings (NNNR.WAV, NNNE.WAV) spoken by the synthesizer, both
      sides unless one is named; marks the lesson as having them. --force
      replaces existing recordings; --voice names an eSpeak NG voice for the side
</translation>
    </message>
    <message>
        <source>korvan-lesson: неизвестная команда «%1»
</source>
        <translation>korvan-lesson: unknown command &quot;%1&quot;
</translation>
    </message>
</context>
<context>
    <name>LessonVoice</name>
    <message>
        <source>файл урока доступен только для чтения</source>
        <translation>the lesson file is read-only</translation>
    </message>
    <message>
        <source>korvan-lesson voice: --voice задаёт голос одной стороны: добавьте --ru или --en
</source>
        <translation>korvan-lesson voice: --voice names the voice of one side: add --ru or --en
</translation>
    </message>
    <message>
        <source>korvan-lesson voice: неизвестный параметр «%1»
</source>
        <translation>korvan-lesson voice: unknown option &quot;%1&quot;
</translation>
    </message>
    <message>
        <source>korvan-lesson voice: укажите один урок
</source>
        <translation>korvan-lesson voice: give one lesson
</translation>
    </message>
    <message>
        <source>korvan-lesson voice: %1 — не урок с вопросами
</source>
        <translation>korvan-lesson voice: %1 is not a lesson with questions
</translation>
    </message>
    <message>
        <source>korvan-lesson voice: %1: %2. Ничего не записано.
</source>
        <translation>korvan-lesson voice: %1: %2. Nothing was written.
</translation>
    </message>
    <message>
        <source>вопрос %1: нет русского текста, нет и %2
</source>
        <translation>question %1: no Russian text, no %2
</translation>
    </message>
    <message>
        <source>вопрос %1: нет английского текста, нет и %2
</source>
        <translation>question %1: no English text, no %2
</translation>
    </message>
    <message>
        <source>%1: оставлена, запись уже есть
</source>
        <translation>%1: kept, a recording is there
</translation>
    </message>
    <message>
        <source>korvan-lesson voice: вопрос %1: нечего произносить
</source>
        <translation>korvan-lesson voice: question %1: nothing to say
</translation>
    </message>
    <message>
        <source>korvan-lesson voice: вопрос %1: %2
</source>
        <translation>korvan-lesson voice: question %1: %2
</translation>
    </message>
    <message>
        <source>%1: записана, %2 с
</source>
        <translation>%1: written, %2 s
</translation>
    </message>
    <message>
        <source>в %2 добавлена отметка %1
</source>
        <translation>%1 set in %2
</translation>
    </message>
</context>
<context>
    <name>MemoryReport</name>
    <message>
        <source>Карточек к повторению в ближайшие 14 дней</source>
        <translation>Cards due in the next 14 days</translation>
    </message>
</context>
<context>
    <name>Paths</name>
    <message>
        <source>нет прав на запись</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>исчерпана квота на диске</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>папка не найдена</source>
        <translation>the folder is not there</translation>
    </message>
    <message>
        <source>на месте папки находится файл</source>
        <translation>a file stands where the folder should be</translation>
    </message>
</context>
<context>
    <name>ReportCharts</name>
    <message>
        <source>Баллы по времени</source>
        <translation>Points over time</translation>
    </message>
    <message>
        <source>Нет завершённых запусков с баллами</source>
        <translation>No finished runs with points</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>%1.%2.%3</source>
        <translation>%3-%2-%1</translation>
    </message>
    <message>
        <source>%1 ч %2 мин</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 мин %2 с</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 с</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>ReportTool</name>
    <message>
        <source>Запуск: korvan-report ЖУРНАЛ_ИЛИ_ПАПКА... [--html ФАЙЛ] [--csv ФАЙЛ|-]
                     [--memory-csv ФАЙЛ|-] [--at ВРЕМЯ] [--lang ru|en]
  ЖУРНАЛ_ИЛИ_ПАПКА  журнал занятий или папка, где ищутся файлы Log.txt;
                 читаются и папки истории учеников рядом с журналами, а
                 папку истории (всего класса или одного ученика) можно
                 назвать и прямо
  --html ФАЙЛ    отчёт для учителя в виде страницы
  --csv ФАЙЛ|-   по строке на каждый запуск, UTF-8 (&quot;-&quot;: стандартный вывод)
  --memory-csv ФАЙЛ|-  по строке на каждого ученика и карточку его памяти
  --at ВРЕМЯ     день, на который показывается память (RFC 3339; по
                 умолчанию сейчас)
  --lang ru|en   язык страницы и сообщений (по умолчанию язык системы)
</source>
        <translation>Usage: korvan-report LOG_OR_FOLDER... [--html FILE] [--csv FILE|-]
                     [--memory-csv FILE|-] [--at TIME] [--lang ru|en]
  LOG_OR_FOLDER  a drill log, or a folder searched for files named Log.txt;
                 the pupils&apos; history folders beside the logs are read too, and
                 a history folder (or one pupil&apos;s) may be named directly
  --html FILE    the teacher&apos;s report as a page
  --csv FILE|-   one row per run, UTF-8 (&quot;-&quot;: standard output)
  --memory-csv FILE|-  one row per pupil and card of their memory
  --at TIME      the day the memory is reported on (RFC 3339; now by default)
  --lang ru|en   the language of the page and the messages (the system&apos;s by
                 default)
</translation>
    </message>
    <message>
        <source>korvan-report: после %1 нужно имя файла
</source>
        <translation>korvan-report: %1 needs a file name
</translation>
    </message>
    <message>
        <source>korvan-report: после --at нужно время вида 2026-12-09T19:53:07+03:00
</source>
        <translation>korvan-report: --at takes a time such as 2026-12-09T19:53:07+03:00
</translation>
    </message>
    <message>
        <source>korvan-report: после --lang нужно ru или en
</source>
        <translation>korvan-report: --lang takes ru or en
</translation>
    </message>
    <message>
        <source>korvan-report: неизвестный параметр «%1»
</source>
        <translation>korvan-report: unknown option &quot;%1&quot;
</translation>
    </message>
    <message>
        <source>korvan-report: назовите хотя бы один журнал и один файл для вывода
</source>
        <translation>korvan-report: name at least one log and one output
</translation>
    </message>
    <message numerus="yes">
        <source>korvan-report: %n строк не понято и пропущено. Первые из них: %1
</source>
        <translation>
            <numerusform>korvan-report: %n line(s) not understood, skipped; first at %1
</numerusform>
            <numerusform>korvan-report: %n line(s) not understood, skipped; first at %1
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Ошибка: &quot;%1&quot;</source>
        <translation>Error: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Ошибка синтезатора речи: &quot;%1&quot;</source>
        <translation>Speech synthesizer error: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Ошибка при проигрывании MP3 файла: &quot;%1&quot;</source>
        <translation>Error playing the MP3 file: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Ошибка при проигрывании WAV файла: &quot;%1&quot;</source>
        <translation>Error playing the WAV file: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>SoundButtons</name>
    <message>
        <source>Остановить</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>По русски</source>
        <translation>In Russian</translation>
    </message>
    <message>
        <source>По англ.</source>
        <translation>In English</translation>
    </message>
</context>
<context>
    <name>SoundReason</name>
    <message>
        <source>устройство вывода звука не открывается</source>
        <translation>the sound output device does not open</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода при выводе звука</source>
        <translation>an input/output error while playing the sound</translation>
    </message>
    <message>
        <source>звук не поступает на устройство вовремя</source>
        <translation>the sound does not reach the device in time</translation>
    </message>
    <message>
        <source>устройство вывода звука отказало</source>
        <translation>the sound output device failed</translation>
    </message>
    <message>
        <source>неподдерживаемый формат звука (код %1, %2 бит)</source>
        <translation>unsupported sound format (code %1, %2 bits)</translation>
    </message>
    <message>
        <source>нет устройства вывода звука</source>
        <translation>there is no sound output device</translation>
    </message>
    <message>
        <source>устройство не принимает этот формат звука</source>
        <translation>the device does not take this sound format</translation>
    </message>
    <message>
        <source>синтезатор речи eSpeak NG не запускается (нет его данных?)</source>
        <translation>the eSpeak NG speech synthesizer does not start (its data missing?)</translation>
    </message>
    <message>
        <source>у синтезатора речи нет голоса</source>
        <translation>the speech synthesizer has no voice</translation>
    </message>
    <message>
        <source>синтезатор речи не смог прочесть предложение</source>
        <translation>the speech synthesizer could not read the sentence</translation>
    </message>
    <message>
        <source>звук недоступен, не загружается модуль звука (%1)</source>
        <translation>sound is unavailable: the sound module does not load (%1)</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>файл не в формате MP3</source>
        <translation>the file is not in MP3 format</translation>
    </message>
    <message>
        <source>в файле нет звука MP3</source>
        <translation>the file holds no MP3 sound</translation>
    </message>
    <message>
        <source>файл не в формате WAV</source>
        <translation>the file is not in WAV format</translation>
    </message>
    <message>
        <source>заголовок формата слишком короток</source>
        <translation>the format header is too short</translation>
    </message>
    <message>
        <source>заголовок формата обрезан</source>
        <translation>the format header is cut short</translation>
    </message>
    <message>
        <source>нет заголовка формата</source>
        <translation>there is no format header</translation>
    </message>
    <message>
        <source>нет звуковых данных</source>
        <translation>there is no sound data</translation>
    </message>
</context>
<context>
    <name>TAuthoring</name>
    <message>
        <source>Файлы MS Word (*.doc)</source>
        <translation>MS Word files (*.doc)</translation>
    </message>
    <message>
        <source>Создать обычный урок с помощью MS Word ...</source>
        <translation>Create an ordinary lesson in MS Word ...</translation>
    </message>
    <message>
        <source>Создать урок для изучения слов с помощью MS Word ...</source>
        <translation>Create a lesson for learning words in MS Word ...</translation>
    </message>
    <message>
        <source>Продолжить редактирование урока в MS Word ...</source>
        <translation>Continue editing a lesson in MS Word ...</translation>
    </message>
    <message>
        <source>Описание работы с программой</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>Создание собственных уроков для программы</source>
        <translation>Writing your own lessons</translation>
    </message>
    <message>
        <source>Сайт программы</source>
        <translation>Program&apos;s website</translation>
    </message>
    <message>
        <source>Написать мне письмо</source>
        <translation>Write to the author</translation>
    </message>
    <message>
        <source>Создать / редактировать урок</source>
        <translation>Create / edit a lesson</translation>
    </message>
    <message>
        <source>Новый урок.doc</source>
        <translation>New lesson.doc</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; уже существует. Заменить его?</source>
        <translation>The file &quot;%1&quot; already exists. Replace it?</translation>
    </message>
    <message>
        <source>Создать урок в файле</source>
        <translation>Create a lesson in the file</translation>
    </message>
    <message>
        <source>Редактировать урок находящийся в файле</source>
        <translation>Edit the lesson in the file</translation>
    </message>
</context>
<context>
    <name>TDerivedLessonSave</name>
    <message>
        <source>Файлы уроков (*.sl2)</source>
        <translation>Lesson files (*.sl2)</translation>
    </message>
    <message>
        <source>Сохранить как</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; уже существует.
Заменить его?</source>
        <translation>The file &quot;%1&quot; already exists.
Replace it?</translation>
    </message>
    <message>
        <source>Урок не сохранён.
%1</source>
        <translation>The lesson was not saved.
%1</translation>
    </message>
</context>
<context>
    <name>TDrillButtons</name>
    <message>
        <source>Урок</source>
        <translation>Lesson</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Начать урок</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Показать перевод</source>
        <translation>Show translation</translation>
    </message>
    <message>
        <source>Я прав</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Прослушать
свой ответ</source>
        <translation>Replay
answer</translation>
    </message>
    <message>
        <source>Я ошибся</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>По русски</source>
        <translation>In Russian</translation>
    </message>
    <message>
        <source>По англ.</source>
        <translation>In English</translation>
    </message>
</context>
<context>
    <name>TLessonMenu</name>
    <message>
        <source>Открыть урок ...</source>
        <translation>Open lesson ...</translation>
    </message>
    <message>
        <source>Открыть недавний урок</source>
        <translation>Open recent lesson</translation>
    </message>
    <message>
        <source>Повторение на сегодня ...</source>
        <translation>Today&apos;s review ...</translation>
    </message>
    <message>
        <source>Импорт урока ...</source>
        <translation>Import lesson ...</translation>
    </message>
    <message>
        <source>Новый урок ...</source>
        <translation>New lesson ...</translation>
    </message>
    <message>
        <source>Редактировать урок ...</source>
        <translation>Edit lesson ...</translation>
    </message>
    <message>
        <source>Сохранить урок</source>
        <translation>Save lesson</translation>
    </message>
    <message>
        <source>Текущий урок, кроме предложений отвеченных без ошибок</source>
        <translation>The current lesson without the sentences answered without mistakes</translation>
    </message>
    <message>
        <source>Создать / редактировать урок</source>
        <translation>Create / edit a lesson</translation>
    </message>
    <message>
        <source>Создание собственных уроков для программы</source>
        <translation>Writing your own lessons</translation>
    </message>
    <message>
        <source>Создать обычный урок с помощью MS Word ...</source>
        <translation>Create an ordinary lesson in MS Word ...</translation>
    </message>
    <message>
        <source>Создать урок для изучения слов с помощью MS Word ...</source>
        <translation>Create a lesson for learning words in MS Word ...</translation>
    </message>
    <message>
        <source>Продолжить редактирование урока в MS Word ...</source>
        <translation>Continue editing a lesson in MS Word ...</translation>
    </message>
    <message>
        <source>Повторение на сегодня (%1) ...</source>
        <translation>Today&apos;s review (%1) ...</translation>
    </message>
    <message>
        <source>Файлы уроков (*.sl2)</source>
        <translation>Lesson files (*.sl2)</translation>
    </message>
    <message>
        <source>Редактировать урок</source>
        <translation>Edit lesson</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>TMainMenus</name>
    <message>
        <source>Ученики ...</source>
        <translation>Pupils ...</translation>
    </message>
    <message>
        <source>Поведение программы ...</source>
        <translation>Behaviour ...</translation>
    </message>
    <message>
        <source>Внешний вид программы ...</source>
        <translation>Appearance ...</translation>
    </message>
    <message>
        <source>Отчёт для учителя ...</source>
        <translation>Report for the teacher ...</translation>
    </message>
    <message>
        <source>Повторение ...</source>
        <translation>Review ...</translation>
    </message>
    <message>
        <source>О программе ...</source>
        <translation>About Korvan ...</translation>
    </message>
    <message>
        <source>Язык интерфейса</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>Как в системе</source>
        <translation>As the system</translation>
    </message>
    <message>
        <source>Язык интерфейса сменится при следующем запуске.</source>
        <translation>The interface language will change the next time Korvan starts.</translation>
    </message>
</context>
<context>
    <name>TeacherReport</name>
    <message>
        <source>Не удалось построить отчёт для учителя.
%1</source>
        <translation>Could not build the teacher&apos;s report.
%1</translation>
    </message>
</context>
<context>
    <name>Timing</name>
    <message>
        <source>Ошибка при считывании файла Time.ini: &quot;%1&quot;</source>
        <translation>Error reading the file Time.ini: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>korvan::ShowMsgBox</name>
    <message>
        <source>Сообщение</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>korvan::TFAbout</name>
    <message>
        <source>О программе</source>
        <translation>About Korvan</translation>
    </message>
    <message>
        <source>Программа обучения английскому языку</source>
        <translation>Russian–English translation trainer</translation>
    </message>
    <message>
        <source>Версия 2.00 от 19/07/2004.
Изменен формат уроков и доработан интерфейс.</source>
        <translation>Version 2.00 of 19/07/2004.
A new lesson format and a reworked interface.</translation>
    </message>
    <message>
        <source>Сайт программы</source>
        <translation>Program&apos;s website</translation>
    </message>
    <message>
        <source>Домашняя страница :</source>
        <translation>Home page:</translation>
    </message>
    <message>
        <source>Автор программы: Павел Седов</source>
        <translation>Author: Pavel Sedov</translation>
    </message>
    <message>
        <source>E-mail письмо :</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Благодарности</source>
        <translation>Thanks</translation>
    </message>
    <message>
        <source>Благодарю Марину Лаврову за идею программы
и за помощь в том, чтобы сделать её полезнее
для обучения английскому языку.</source>
        <translation>Thanks to Marina Lavrova for the idea of the program and for her help in making it more useful.</translation>
    </message>
    <message>
        <source>Ваши файлы (журнал, настройки, уроки)</source>
        <translation>Your files (log, settings, lessons)</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>korvan::TFBehavior</name>
    <message>
        <source>Обратите внимание! Вы отключили и показ и аудирование русского текста.</source>
        <translation>Please note: you have turned off both showing and playing the Russian text.</translation>
    </message>
    <message>
        <source>Обратите внимание! Вы отключили и показ и аудирование английского текста.</source>
        <translation>Please note: you have turned off both showing and playing the English text.</translation>
    </message>
    <message>
        <source>Поведение программы</source>
        <translation>Program behaviour</translation>
    </message>
    <message>
        <source>Сохранить режим</source>
        <translation>Save mode</translation>
    </message>
    <message>
        <source>Сохраненить выбранные в данный момент установки
под именем выбранного режима</source>
        <translation>Save the current settings
under the name of the chosen mode</translation>
    </message>
    <message>
        <source>Показывать текст</source>
        <translation>Show text</translation>
    </message>
    <message>
        <source>Проигрывать звук 
(при наличии звук. файлов к уроку)</source>
        <translation>Play sound
(if the lesson has it)</translation>
    </message>
    <message>
        <source>Направление перевода</source>
        <translation>Translation direction</translation>
    </message>
    <message>
        <source>Ру</source>
        <translation>Ru</translation>
    </message>
    <message>
        <source>Показывать
русский текст</source>
        <translation>Show
Russian text</translation>
    </message>
    <message>
        <source>Показывать
английский текст</source>
        <translation>Show
English text</translation>
    </message>
    <message>
        <source>Аудировать
русский текст</source>
        <translation>Play
Russian sound</translation>
    </message>
    <message>
        <source>Аудировать
английский текст</source>
        <translation>Play
English sound</translation>
    </message>
    <message>
        <source>Перевод с русского 
на английский</source>
        <translation>Translate from Russian
into English</translation>
    </message>
    <message>
        <source>Перевод с английского
на русский</source>
        <translation>Translate from English
into Russian</translation>
    </message>
    <message>
        <source>Перевод я буду:</source>
        <translation>I will answer by:</translation>
    </message>
    <message>
        <source>Произносить вслух</source>
        <translation>Speaking aloud</translation>
    </message>
    <message>
        <source>Набирать на клавиатуре</source>
        <translation>Typing</translation>
    </message>
    <message>
        <source>Время на обдумывание (от нормы)</source>
        <translation>Time to think (times the norm)</translation>
    </message>
    <message>
        <source>С учетом времени</source>
        <translation>Keep to the time</translation>
    </message>
    <message>
        <source>1,5</source>
        <translation>1.5</translation>
    </message>
    <message>
        <source>2,5</source>
        <translation>2.5</translation>
    </message>
    <message>
        <source>Если дан неверный перевод, 
то предложение</source>
        <translation>After a wrong translation,
the sentence is</translation>
    </message>
    <message>
        <source>больше не показывать</source>
        <translation>not shown again</translation>
    </message>
    <message>
        <source>показать еще один раз</source>
        <translation>shown once more</translation>
    </message>
    <message>
        <source>показать еще два раза</source>
        <translation>shown twice more</translation>
    </message>
    <message>
        <source>Способ перебора:</source>
        <translation>Order:</translation>
    </message>
    <message>
        <source>по порядку</source>
        <translation>In order</translation>
    </message>
    <message>
        <source>случайно все</source>
        <translation>Random, all</translation>
    </message>
    <message>
        <source>случайно часть</source>
        <translation>Random, part</translation>
    </message>
    <message>
        <source>Одновременно используются предложений</source>
        <translation>Sentences in use at a time</translation>
    </message>
    <message>
        <source>Сохранять в файле предложения на</source>
        <translation>Save sentences with</translation>
    </message>
    <message>
        <source>или более</source>
        <translation>or more</translation>
    </message>
    <message>
        <source>которых было допущено ошибок</source>
        <translation>mistakes to a file</translation>
    </message>
    <message>
        <source>Озвучивать предложения без записи синтезатором речи</source>
        <translation>Synthesize sentences without recordings</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Режим :  %1</source>
        <translation>Mode:  %1</translation>
    </message>
    <message>
        <source>Установки сохранены.</source>
        <translation>Settings saved.</translation>
    </message>
</context>
<context>
    <name>korvan::TFImportLesson</name>
    <message>
        <source>(нет)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Импорт урока</source>
        <translation>Import a lesson</translation>
    </message>
    <message>
        <source>Вид записей:</source>
        <translation>Record type:</translation>
    </message>
    <message>
        <source>(все)</source>
        <translation>(all)</translation>
    </message>
    <message>
        <source>Колода:</source>
        <translation>Deck:</translation>
    </message>
    <message>
        <source>Русский текст:</source>
        <translation>Russian text:</translation>
    </message>
    <message>
        <source>Английский текст:</source>
        <translation>English text:</translation>
    </message>
    <message>
        <source>Комментарий:</source>
        <translation>Comment:</translation>
    </message>
    <message>
        <source>Название урока:</source>
        <translation>Lesson title:</translation>
    </message>
    <message>
        <source>Урок для изучения слов</source>
        <translation>Lesson for learning words</translation>
    </message>
    <message>
        <source>Номера вопросов из файла</source>
        <translation>Question numbers from the file</translation>
    </message>
    <message>
        <source>Нумеровать с:</source>
        <translation>Number from:</translation>
    </message>
    <message>
        <source>без ограничения</source>
        <translation>no limit</translation>
    </message>
    <message>
        <source>Не больше слов в предложении:</source>
        <translation>At most words in a sentence:</translation>
    </message>
    <message>
        <source>все в одном уроке</source>
        <translation>all in one lesson</translation>
    </message>
    <message>
        <source>Предложений в уроке:</source>
        <translation>Sentences per lesson:</translation>
    </message>
    <message>
        <source>показать такие строки</source>
        <translation>show such rows</translation>
    </message>
    <message>
        <source>пропустить такие строки</source>
        <translation>skip such rows</translation>
    </message>
    <message>
        <source>заменить символы на «?»</source>
        <translation>replace the characters with &quot;?&quot;</translation>
    </message>
    <message>
        <source>Символы, которых нет в Windows-1251:</source>
        <translation>Characters not in Windows-1251:</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Английский</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Импортировать</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Урок не может быть создан: %1</source>
        <translation>The lesson cannot be made: %1</translation>
    </message>
    <message numerus="yes">
        <source>В %n строках есть символы, которых нет в Windows-1251; выберите, пропустить такие строки или заменить символы:</source>
        <translation>
            <numerusform>%n row holds characters that are not in Windows-1251; choose whether to skip such rows or to replace the characters:</numerusform>
            <numerusform>%n rows hold characters that are not in Windows-1251; choose whether to skip such rows or to replace the characters:</numerusform>
        </translation>
    </message>
    <message>
        <source>Будет взято вопросов: %1, уроков: %2</source>
        <translation>Questions to be taken: %1, lessons: %2</translation>
    </message>
    <message>
        <source>Будет взято вопросов: %1</source>
        <translation>Questions to be taken: %1</translation>
    </message>
    <message>
        <source>Пропущено:</source>
        <translation>Left out:</translation>
    </message>
    <message>
        <source>Таблицы, колоды Anki, Tatoeba, уроки (*.csv *.tsv *.txt *.apkg *.colpkg *.sl2)</source>
        <translation>Tables, Anki decks, Tatoeba, lessons (*.csv *.tsv *.txt *.apkg *.colpkg *.sl2)</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Записей нет в файле: %1; эти предложения будут без звука.</source>
        <translation>Recordings missing from the file: %1; these sentences will have no sound.</translation>
    </message>
    <message>
        <source>Не удалось импортировать файл &quot;%1&quot;: %2</source>
        <translation>Could not import the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; сохранён в кодировке UTF-8, а программа читает уроки в кодировке Windows-1251. Преобразовать его? Копия будет сохранена как &quot;%2&quot;, исходный файл останется.</source>
        <translation>The file &quot;%1&quot; is saved in UTF-8, but the program reads lessons in Windows-1251. Convert it? A copy will be saved as &quot;%2&quot;; the original file stays as it is.</translation>
    </message>
    <message>
        <source>В файле есть символы, которых нет в Windows-1251; они будут заменены на «?»:</source>
        <translation>The file holds characters that are not in Windows-1251; they will be replaced with &quot;?&quot;:</translation>
    </message>
</context>
<context>
    <name>korvan::TFInpMode</name>
    <message>
        <source>Режим перевода</source>
        <translation>Translation mode</translation>
    </message>
    <message>
        <source>Перевод я буду:</source>
        <translation>I will give my translation by:</translation>
    </message>
    <message>
        <source>Произносить вслух</source>
        <translation>Speaking it aloud</translation>
    </message>
    <message>
        <source>Набирать на клавиатуре</source>
        <translation>Typing it</translation>
    </message>
    <message>
        <source>* Запрос режима перевода можно отключить через 
диалоговое окно [Настройка] &gt; [Внешний вид программы ...]</source>
        <translation>* This question can be turned off in
[Settings] &gt; [Appearance ...]</translation>
    </message>
</context>
<context>
    <name>korvan::TFLessonEditor</name>
    <message>
        <source>Название урока</source>
        <translation>Lesson title</translation>
    </message>
    <message>
        <source>&amp;Название:</source>
        <translation>&amp;Title:</translation>
    </message>
    <message>
        <source>Урок для изучения &amp;слов (второй столбец — транскрипция)</source>
        <translation>Lesson for learning &amp;words (second column: transcription)</translation>
    </message>
    <message>
        <source>Есть &amp;русские записи</source>
        <translation>Has R&amp;ussian recordings</translation>
    </message>
    <message>
        <source>Есть &amp;английские записи</source>
        <translation>Has E&amp;nglish recordings</translation>
    </message>
    <message>
        <source>Найти</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Найти (Ctrl+F, затем Enter или F3)</source>
        <translation>Find (Ctrl+F, then Enter or F3)</translation>
    </message>
    <message>
        <source>Н&amp;айти:</source>
        <translation>&amp;Find:</translation>
    </message>
    <message>
        <source>Вопросы урока</source>
        <translation>Lesson questions</translation>
    </message>
    <message>
        <source>Выделить все вопросы</source>
        <translation>Select all questions</translation>
    </message>
    <message>
        <source>Другие меню</source>
        <translation>More menus</translation>
    </message>
    <message>
        <source>&amp;Урок</source>
        <translation>&amp;Lesson</translation>
    </message>
    <message>
        <source>&amp;Сохранить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Проверить в тренажёре</source>
        <translation>Try in the trainer</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Отменить</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Повторить</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Вставить вопрос</source>
        <translation>&amp;Insert question</translation>
    </message>
    <message>
        <source>&amp;Удалить вопрос</source>
        <translation>&amp;Delete question</translation>
    </message>
    <message>
        <source>Передвинуть &amp;вверх</source>
        <translation>Move u&amp;p</translation>
    </message>
    <message>
        <source>Передвинуть в&amp;низ</source>
        <translation>Move do&amp;wn</translation>
    </message>
    <message>
        <source>&amp;Найти</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>Найти &amp;далее</source>
        <translation>Find &amp;next</translation>
    </message>
    <message>
        <source>Найти &amp;ранее</source>
        <translation>Find pre&amp;vious</translation>
    </message>
    <message>
        <source>Перенумеровать по &amp;порядку</source>
        <translation>Renumber in &amp;order</translation>
    </message>
    <message>
        <source>Заменить символы вне Windows-1251 на &quot;?&quot;</source>
        <translation>Replace characters outside Windows-1251 with &quot;?&quot;</translation>
    </message>
    <message>
        <source>&amp;Записи</source>
        <translation>&amp;Recordings</translation>
    </message>
    <message>
        <source>Записать с микрофона (по-русски)</source>
        <translation>Record from the microphone (Russian)</translation>
    </message>
    <message>
        <source>Записать с микрофона (по-английски)</source>
        <translation>Record from the microphone (English)</translation>
    </message>
    <message>
        <source>Синтезировать (по-русски)</source>
        <translation>Synthesize (Russian)</translation>
    </message>
    <message>
        <source>Синтезировать (по-английски)</source>
        <translation>Synthesize (English)</translation>
    </message>
    <message>
        <source>Взять файл WAV или MP3 ... (по-русски)</source>
        <translation>Take a WAV or MP3 file ... (Russian)</translation>
    </message>
    <message>
        <source>Взять файл WAV или MP3 ... (по-английски)</source>
        <translation>Take a WAV or MP3 file ... (English)</translation>
    </message>
    <message>
        <source>Прослушать (по-русски)</source>
        <translation>Listen (Russian)</translation>
    </message>
    <message>
        <source>Прослушать (по-английски)</source>
        <translation>Listen (English)</translation>
    </message>
    <message>
        <source>Удалить запись (по-русски)</source>
        <translation>Remove the recording (Russian)</translation>
    </message>
    <message>
        <source>Удалить запись (по-английски)</source>
        <translation>Remove the recording (English)</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл &quot;%1&quot;: %2</source>
        <translation>Could not read the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; — не урок: его первая строка не &quot;%2&quot;. Импортировать его как урок?</source>
        <translation>The file &quot;%1&quot; is not a lesson: its first line is not &quot;%2&quot;. Import it as a lesson?</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; — не урок: его первая строка не &quot;%2&quot;. Таблицу или текст можно превратить в урок командой korvan-lesson import.</source>
        <translation>The file &quot;%1&quot; is not a lesson: its first line is not &quot;%2&quot;. A table or a text can be made into a lesson with the command korvan-lesson import.</translation>
    </message>
    <message>
        <source>В папке урока есть записи, а заголовок о них не говорит: отметьте флажки записей.</source>
        <translation>The lesson&apos;s folder holds recordings, but the header does not say so: tick the recording boxes.</translation>
    </message>
    <message>
        <source>новый урок</source>
        <translation>new lesson</translation>
    </message>
    <message>
        <source>без названия</source>
        <translation>untitled</translation>
    </message>
    <message>
        <source>Редактор урока: %1 — %2[*]</source>
        <translation>Lesson editor: %1 — %2[*]</translation>
    </message>
    <message>
        <source>Не найдено: %1</source>
        <translation>Not found: %1</translation>
    </message>
    <message>
        <source>Вопросы уже пронумерованы по порядку.</source>
        <translation>The questions are already numbered in order.</translation>
    </message>
    <message>
        <source>Символов вне Windows-1251 нет.</source>
        <translation>No characters outside Windows-1251.</translation>
    </message>
    <message>
        <source>Сохранить урок</source>
        <translation>Save the lesson</translation>
    </message>
    <message>
        <source>Файлы уроков (*.sl2)</source>
        <translation>Lesson files (*.sl2)</translation>
    </message>
    <message>
        <source>Новый урок.sl2</source>
        <translation>New lesson.sl2</translation>
    </message>
    <message>
        <source>Урок был записан в кодировке UTF-8; тренажёр читает Windows-1251, и урок будет сохранён в ней.</source>
        <translation>The lesson was written in UTF-8; the trainer reads Windows-1251, and the lesson will be saved in it.</translation>
    </message>
    <message>
        <source>В уроке есть символы, которых нет в кодировке Windows-1251 (их ячейки отмечены). Заменить их на &quot;?&quot; и сохранить?</source>
        <translation>The lesson holds characters that are not in Windows-1251 (their cells are marked). Replace them with &quot;?&quot; and save?</translation>
    </message>
    <message>
        <source>Не удалось сохранить урок: %1</source>
        <translation>Could not save the lesson: %1</translation>
    </message>
    <message>
        <source>Не удалось сохранить урок: %1
Изменения остались в редакторе.</source>
        <translation>Could not save the lesson: %1
The changes are still in the editor.</translation>
    </message>
    <message>
        <source>Урок сохранён.</source>
        <translation>Lesson saved.</translation>
    </message>
    <message>
        <source>В уроке нет вопросов.</source>
        <translation>The lesson has no questions.</translation>
    </message>
    <message>
        <source>Выберите вопрос.</source>
        <translation>Choose a question.</translation>
    </message>
    <message>
        <source>Синтез не удался: %1</source>
        <translation>Synthesis failed: %1</translation>
    </message>
    <message>
        <source>Взять запись</source>
        <translation>Take a recording</translation>
    </message>
    <message>
        <source>Записи (*.wav *.WAV *.mp3 *.MP3)</source>
        <translation>Recordings (*.wav *.WAV *.mp3 *.MP3)</translation>
    </message>
    <message>
        <source>У этого вопроса нет записи.</source>
        <translation>This question has no recording.</translation>
    </message>
    <message>
        <source>Запись не воспроизводится: %1</source>
        <translation>The recording does not play: %1</translation>
    </message>
    <message>
        <source>Удалить русский запись вопроса %1? Файл будет удалён.</source>
        <translation>Remove the Russian recording of question %1? The file will be deleted.</translation>
    </message>
    <message>
        <source>Удалить английский запись вопроса %1? Файл будет удалён.</source>
        <translation>Remove the English recording of question %1? The file will be deleted.</translation>
    </message>
    <message>
        <source>Урок изменён. Сохранить изменения?</source>
        <translation>The lesson has changed. Save the changes?</translation>
    </message>
    <message>
        <source>Закрыть без сохранения? Изменения будут потеряны.</source>
        <translation>Close without saving? The changes will be lost.</translation>
    </message>
</context>
<context>
    <name>korvan::TFMain</name>
    <message>
        <source>Урок: (нет)</source>
        <translation>Lesson: (none)</translation>
    </message>
    <message>
        <source>Журнал занятий не сохраняется.
%1</source>
        <translation>The drill log is not being saved.
%1</translation>
    </message>
    <message>
        <source>История ученика не сохраняется.
%1</source>
        <translation>The pupil&apos;s history is not being saved.
%1</translation>
    </message>
    <message>
        <source>Выбранные Вами параметры будут использованы только при работе со следующим уроком или после повторного запуска текущего урока.</source>
        <translation>The settings you chose take effect with the next lesson, or when this lesson is started again.</translation>
    </message>
    <message>
        <source>%1 | Урок: (нет урока)</source>
        <translation>%1 | Lesson: (no lesson)</translation>
    </message>
    <message>
        <source>%1 | Урок: (без названия)</source>
        <translation>%1 | Lesson: (untitled)</translation>
    </message>
    <message>
        <source>%1 | Урок: %2</source>
        <translation>%1 | Lesson: %2</translation>
    </message>
    <message>
        <source>Ошибка при открытии файла урока &quot;%1&quot;: %2</source>
        <translation>Error opening the lesson file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Ошибка: номер режима должен быть числовым.</source>
        <translation>Error: the mode number must be a number.</translation>
    </message>
    <message>
        <source>Ошибка: указанного номера режима нет в списке.</source>
        <translation>Error: there is no mode with that number in the list.</translation>
    </message>
    <message>
        <source>Не удаётся сохранять файлы в папке &quot;%1&quot;: %2.
Уроки можно проходить, но настройки, журнал и новые уроки этой работы с программой не сохранятся.</source>
        <translation>Files cannot be saved in the folder &quot;%1&quot;: %2.
You can work through lessons, but the settings, the log and new lessons of this session will not be saved.</translation>
    </message>
</context>
<context>
    <name>korvan::TFPupils</name>
    <message>
        <source>Не указанно имя ученика.</source>
        <translation>The pupil&apos;s name is missing.</translation>
    </message>
    <message>
        <source>Ученики</source>
        <translation>Pupils</translation>
    </message>
    <message>
        <source>Добавить ученика
[Insert]</source>
        <translation>Add a pupil
[Insert]</translation>
    </message>
    <message>
        <source>Исправить информацию об ученике
[F2]</source>
        <translation>Edit the pupil
[F2]</translation>
    </message>
    <message>
        <source>Удалить ученика
[Delete]</source>
        <translation>Remove the pupil
[Delete]</translation>
    </message>
    <message>
        <source>Предлагать выбор ученика при запуске программы</source>
        <translation>Offer the choice of pupil at start-up</translation>
    </message>
    <message>
        <source>Выбрать</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ученик с таким именем уже есть.</source>
        <translation>There is already a pupil of that name.</translation>
    </message>
    <message>
        <source>Удалить?</source>
        <translation>Remove?</translation>
    </message>
    <message>
        <source>Перечень учеников не может быть пуст.</source>
        <translation>The list of pupils cannot be empty.</translation>
    </message>
    <message>
        <source>Ученик не выбран.</source>
        <translation>No pupil is chosen.</translation>
    </message>
</context>
<context>
    <name>korvan::TFPupils_e</name>
    <message>
        <source>Информация об ученике</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Имя:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>korvan::TFReview</name>
    <message>
        <source>Повторение</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>Обзор ...</source>
        <translation>Browse ...</translation>
    </message>
    <message>
        <source>&amp;Папка истории:</source>
        <translation>&amp;History folder:</translation>
    </message>
    <message>
        <source>Желаемое &amp;припоминание:</source>
        <translation>Desired &amp;recall:</translation>
    </message>
    <message>
        <source>&amp;День ученика начинается в:</source>
        <translation>The pupil&apos;s &amp;day begins at:</translation>
    </message>
    <message>
        <source>&amp;Не больше карточек за одно повторение:</source>
        <translation>&amp;At most cards in one review:</translation>
    </message>
    <message>
        <source>Пустое поле папки: папка history в папке пользователя. Общая папка (например, синхронизируемая) даёт ученику одну историю на всех компьютерах.</source>
        <translation>An empty folder field: the folder history in the user folder. A shared folder (a synchronised one, say) gives a pupil one history on every computer.</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Папка истории</source>
        <translation>History folder</translation>
    </message>
    <message>
        <source>В папку &quot;%1&quot; нельзя записывать: %2.
Выберите другую папку.</source>
        <translation>The folder &quot;%1&quot; cannot be written to: %2.
Choose another folder.</translation>
    </message>
</context>
<context>
    <name>korvan::TFSkin</name>
    <message>
        <source>Информационных сообщений</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Ключевой фразы</source>
        <translation>Key phrase</translation>
    </message>
    <message>
        <source>Исходного текста</source>
        <translation>Source text</translation>
    </message>
    <message>
        <source>Перевода</source>
        <translation>Translation</translation>
    </message>
    <message>
        <source>Транскрипции</source>
        <translation>Transcription</translation>
    </message>
    <message>
        <source>Окна ввода</source>
        <translation>Input pane</translation>
    </message>
    <message>
        <source>Подсказки</source>
        <translation>Hints</translation>
    </message>
    <message>
        <source>Внешний вид программы</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>Шрифт</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Цвета:</source>
        <translation>Colours:</translation>
    </message>
    <message>
        <source>Фон</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Показывать подсказки</source>
        <translation>Show hints</translation>
    </message>
    <message>
        <source>При запуске программы спрашивать о режиме перевода</source>
        <translation>Ask for the translation mode at start-up</translation>
    </message>
    <message>
        <source>Использовать [Esc] для выхода из программы</source>
        <translation>Use [Esc] to quit the program</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>korvan::TLessonTableModel</name>
    <message>
        <source>Заголовок обещает запись, но файла нет</source>
        <translation>The header promises a recording, but there is no file</translation>
    </message>
    <message>
        <source>Символ, которого нет в кодировке Windows-1251: замените его или примите как &quot;?&quot;</source>
        <translation>A character that is not in Windows-1251: replace it or accept it as &quot;?&quot;</translation>
    </message>
    <message>
        <source>Этот номер есть у нескольких вопросов: у них одни и те же записи</source>
        <translation>Several questions have this number: they share the same recordings</translation>
    </message>
    <message>
        <source>Пустой текст</source>
        <translation>Empty text</translation>
    </message>
    <message>
        <source>есть</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>Вопрос %1, %2: %3</source>
        <translation>Question %1, %2: %3</translation>
    </message>
    <message>
        <source>Вопрос %1, %2: %3. %4</source>
        <translation>Question %1, %2: %3. %4</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Транскрипция</source>
        <translation>Transcription</translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>По-русски</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>По-английски</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Время, с</source>
        <translation>Time, s</translation>
    </message>
    <message>
        <source>Запись RU</source>
        <translation>Recording RU</translation>
    </message>
    <message>
        <source>Запись EN</source>
        <translation>Recording EN</translation>
    </message>
</context>
<context>
    <name>korvan::TProgressView</name>
    <message>
        <source>Осталось</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Времени:</source>
        <translation>Time:</translation>
    </message>
</context>
<context>
    <name>korvan::TRecordDialog</name>
    <message>
        <source>Запись предложения</source>
        <translation>Recording the sentence</translation>
    </message>
    <message>
        <source>Уровень звука</source>
        <translation>Sound level</translation>
    </message>
    <message>
        <source>&amp;Записать</source>
        <translation>&amp;Record</translation>
    </message>
    <message>
        <source>&amp;Прослушать</source>
        <translation>&amp;Listen</translation>
    </message>
    <message>
        <source>&amp;Сохранить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Не удалось начать запись: микрофон не найден или не принимает формат записи (Buffer.WAV).</source>
        <translation>Recording could not start: no microphone was found, or it does not take the recording format (Buffer.WAV).</translation>
    </message>
    <message>
        <source>&amp;Остановить</source>
        <translation>Sto&amp;p</translation>
    </message>
    <message>
        <source>Записать &amp;заново</source>
        <translation>Record &amp;again</translation>
    </message>
    <message>
        <source>О&amp;становить</source>
        <translation>S&amp;top</translation>
    </message>
</context>
</TS>
