#include "drill/DrillTexts.h"

#include "util/Text.h"

namespace korvan {

namespace {

TDrillTexts MakeTexts()
{
    TDrillTexts t;
    t.ShowMoreTotal = ToCp1251("Предложений: ");
    t.ShowMoreTotalNone = ToCp1251("Предложений: --");
    t.SelQShowMore = ToCp1251("Повторов текущего: ");
    t.SelQShowMoreNone = ToCp1251("Повторов текущего: --");

    t.NotLessonBefore = ToCp1251("Файл \"");
    t.NotLessonAfter = ToCp1251("\" либо имеет неверный формат, либо в уроке нет вопросов.");
    t.ChooseLesson = ToCp1251("\r\nВыберите урок с помощью кнопки \"Урок\".");
    t.LessonInfoTitle = ToCp1251("\r\nУрок: ");
    t.NoTitle = ToCp1251("(без названия)");
    t.HowToStart =
        ToCp1251("Для начала работы с уроком нажмите клавишу [F4] или кнопку \"Начать урок\".");

    t.PressKey = "[Press key to continue]";
    t.HelpThinkingTyped = ToCp1251("Напишите перевод и нажмите [F5] для того, чтобы увидеть "
                                   "вариант перевода, предложенный автором урока.");
    t.HelpThinkingSpoken = ToCp1251(
        "Произнесите перевод (если есть микрофон -- в микрофон) и нажмите [Пробел] или [F5] "
        "для того, чтобы увидеть вариант перевода, предложенный автором урока.");
    t.HelpCompare = ToCp1251(
        "Сравните свой перевод с эталонным и решите, правильно или нет вы перевели. Нажмите "
        "[Пробел] или [F5] если правильно, [Ctrl] или [F8] если ошибочно.");
    t.HelpTimeUp = ToCp1251("Вы не уложились в отведенное время, ваш ответ засчитан как "
                            "ошибочный. Нажмите [Пробел] или [F5] или [Ctrl] или [F8].");
    t.HelpEndOfRun =
        ToCp1251("Вы можете повторить этот урок нажав [F4] или выбрать другой. Это окно подсказок "
                 "отключается в диалоговом окне [Настройка] > [Внешний вид программы ...]");

    t.SayTimeUp = ToCp1251("Время вышло.");
    t.SayRight = ToCp1251("Правильно.");
    t.SayWrong = ToCp1251("Ошибка.");

    t.ResultsIn = ToCp1251("В ");
    t.ResultsSentences = ToCp1251(" предложениях допущено ");
    t.ResultsMistakes = ToCp1251(" ошиб. Оценка ");
    t.ResultsPoints = ToCp1251(" балл(ов).");
    t.TimeSpent = ToCp1251("Затрачено времени ");
    t.TimeAverage = ToCp1251(", в среднем ");
    t.TimePerQuestion = ToCp1251(" сек. на вопрос.");
    return t;
}

} // namespace

const TDrillTexts& DrillTexts()
{
    static const TDrillTexts texts = MakeTexts();
    return texts;
}

} // namespace korvan
