#include "drill/DrillTexts.h"

#include "i18n/Marked.h"
#include "util/Text.h"

namespace korvan {

namespace {

constexpr const char* Context = "Drill";

TPhrase M(const char* source, std::vector<TPhraseArg> args = {})
{
    return Marked(Context, source, std::move(args));
}

TDrillTexts MakeTexts()
{
    TDrillTexts t;
    t.HowToStart = M(KORVAN_MARK("Drill", "Для начала работы с уроком нажмите клавишу "
                                          "[F4] или кнопку \"Начать урок\"."));
    t.HelpThinkingTyped =
        M(KORVAN_MARK("Drill", "Напишите перевод и нажмите [F5] для того, чтобы увидеть "
                               "вариант перевода, предложенный автором урока."));
    t.HelpThinkingSpoken = Marked(
        Context, KORVAN_MARK("Drill", "Произнесите перевод (если есть микрофон -- в микрофон) и "
                                      "нажмите [Пробел] или [F5] для того, чтобы увидеть вариант "
                                      "перевода, предложенный автором урока."));
    t.HelpCompare =
        Marked(Context,
               KORVAN_MARK("Drill", "Сравните свой перевод с эталонным и решите, правильно или нет "
                                    "вы перевели. Нажмите [Пробел] или [F5] если правильно, [Ctrl] "
                                    "или [F8] если ошибочно."));
    t.HelpTimeUp = Marked(
        Context, KORVAN_MARK("Drill", "Вы не уложились в отведенное время, ваш ответ засчитан как "
                                      "ошибочный. Нажмите [Пробел] или [F5] или [Ctrl] или [F8]."));
    t.HelpEndOfRun =
        Marked(Context,
               KORVAN_MARK("Drill", "Вы можете повторить этот урок нажав [F4] или выбрать другой. "
                                    "Это окно подсказок отключается в диалоговом окне [Настройка] "
                                    "> [Внешний вид программы ...]"));
    t.SayTimeUp = M(KORVAN_MARK("Drill", "Время вышло."));
    t.SayRight = M(KORVAN_MARK("Drill", "Правильно."));
    t.SayWrong = M(KORVAN_MARK("Drill", "Ошибка."));
    return t;
}

} // namespace

const TDrillTexts& DrillTexts()
{
    static const TDrillTexts texts = MakeTexts();
    return texts;
}

TPhrase TotalCounterText(std::optional<int> sentences)
{
    if (!sentences)
        return M(KORVAN_MARK("Drill", "Предложений: --"));
    return M(KORVAN_MARK("Drill", "Предложений: %1"), {NumberArg(*sentences)});
}

TPhrase RepeatsCounterText(std::optional<int> repeats)
{
    if (!repeats)
        return M(KORVAN_MARK("Drill", "Повторов текущего: --"));
    return M(KORVAN_MARK("Drill", "Повторов текущего: %1"), {NumberArg(*repeats)});
}

TShownText ChooseLessonText()
{
    return {Content("\r\n"), M(KORVAN_MARK("Drill", "Выберите урок с помощью кнопки \"Урок\"."))};
}

TShownText NotLessonText(const std::string& path)
{
    // The path as the log and the messages have always shown it in 1251, so
    // that a name 1251 cannot hold (or one that is not UTF-8) still shows.
    return {Marked(Context,
                   KORVAN_MARK("Drill", "Файл \"%1\" либо имеет неверный формат, либо в уроке "
                                        "нет вопросов."),
                   {Cp1251Arg(PathToCp1251(path))})};
}

TShownText LessonInfoText(const std::string& title)
{
    TPhrase lesson = title.empty() ? M(KORVAN_MARK("Drill", "Урок: (без названия)"))
                                   : M(KORVAN_MARK("Drill", "Урок: %1"), {Cp1251Arg(title)});
    return {Content("\r\n"), std::move(lesson), Content("\r\n\r\n"), DrillTexts().HowToStart};
}

} // namespace korvan
