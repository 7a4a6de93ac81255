#include "access/AccessibleTexts.h"

#include <map>

#include "i18n/Marked.h"

namespace korvan {

namespace {

using TTable = std::vector<TAccessibleText>;

TTable MainWindowTexts()
{
    return {
        {"BLesson", "",
         KORVAN_MARK("Accessible", "Открыть урок, недавние уроки, сохранение и создание уроков")},
        {"BCustomize", "", KORVAN_MARK("Accessible", "Ученики, поведение и внешний вид программы")},
        {"BHelp", "",
         KORVAN_MARK("Accessible", "Справка, сайт программы, письмо автору, о программе")},
        {"BLesson_Start", KORVAN_MARK("Accessible", "Начать урок"),
         KORVAN_MARK("Accessible", "Клавиша F4")},
        {"BQuestion_ShowTranslation_Or_PupilChoose_Right",
         KORVAN_MARK("Accessible", "Показать перевод или Я прав"),
         KORVAN_MARK("Accessible", "Клавиши Пробел или F5; пока набирается перевод, только F5")},
        {"BRecStartStopPlay", KORVAN_MARK("Accessible", "Прослушать свой ответ"), ""},
        {"BQuestion_PupilChoose_Wrong", KORVAN_MARK("Accessible", "Я ошибся"),
         KORVAN_MARK("Accessible", "Клавиши Ctrl или F8; пока набирается перевод, только F8")},
        {"BRepeatRuSound", KORVAN_MARK("Accessible", "Повторить русскую запись"), ""},
        {"BRepeatEnSound", KORVAN_MARK("Accessible", "Повторить английскую запись"), ""},
        {"SAroundMemos", KORVAN_MARK("Accessible", "Окна урока"), ""},
        {"MInfo", KORVAN_MARK("Accessible", "Сообщения программы"), ""},
        {"M1", KORVAN_MARK("Accessible", "Ключевая фраза"), ""},
        {"M2", KORVAN_MARK("Accessible", "Предложение для перевода"), ""},
        {"M3", KORVAN_MARK("Accessible", "Эталонный перевод"), ""},
        {"MTranscription", KORVAN_MARK("Accessible", "Транскрипция"), ""},
        {"MInput", KORVAN_MARK("Accessible", "Ваш перевод"),
         KORVAN_MARK("Accessible", "Наберите перевод и нажмите F5")},
        {"MHelpMsg", KORVAN_MARK("Accessible", "Подсказка"), ""},
        {"ProgressPaintBox", KORVAN_MARK("Accessible", "Ход урока"),
         KORVAN_MARK("Accessible",
                     "Сколько предложений отвечено без ошибок, с ошибками и сколько осталось")},
        {"PB", KORVAN_MARK("Accessible", "Время на обдумывание"),
         KORVAN_MARK("Accessible", "Заполняется, пока идёт время")},
    };
}

TTable BehaviorTexts()
{
    const std::string toggle = KORVAN_MARK("Accessible", "Пробел включает и выключает");
    const std::string direction = KORVAN_MARK("Accessible", "Направление перевода");
    const std::string diffNum = KORVAN_MARK("Accessible", "Число ошибок");
    return {
        {"BSelectMode", "",
         KORVAN_MARK("Accessible", "Выбрать режим из списка; его установки загружаются в окно")},
        {"BSaveMode", "",
         KORVAN_MARK("Accessible",
                     "Сохранить выбранные в данный момент установки под именем выбранного режима")},
        // A description of its own keeps the tooltip (the caption again) unsaid.
        {"BShowRText", KORVAN_MARK("Accessible", "Показывать русский текст"), toggle},
        {"BShowEText", KORVAN_MARK("Accessible", "Показывать английский текст"), toggle},
        {"BUseRWav", KORVAN_MARK("Accessible", "Проигрывать русский звук"),
         KORVAN_MARK("Accessible",
                     "При наличии звуковых файлов к уроку. Пробел включает и выключает")},
        {"BUseEWav", KORVAN_MARK("Accessible", "Проигрывать английский звук"),
         KORVAN_MARK("Accessible",
                     "При наличии звуковых файлов к уроку. Пробел включает и выключает")},
        {"BTranslRE", KORVAN_MARK("Accessible", "Перевод с русского на английский"), direction},
        {"BTranslER", KORVAN_MARK("Accessible", "Перевод с английского на русский"), direction},
        {"RBUseAudioInput", "", KORVAN_MARK("Accessible", "Перевод я буду: произносить вслух")},
        {"RBUseTextInput", "", KORVAN_MARK("Accessible", "Перевод я буду: набирать на клавиатуре")},
        {"CBUseTime", "", KORVAN_MARK("Accessible", "Время на обдумывание отсчитывается от нормы")},
        {"TBSpeed", KORVAN_MARK("Accessible", "Время на обдумывание (от нормы)"), ""},
        {"TBMistakeChange", KORVAN_MARK("Accessible", "Если дан неверный перевод, то предложение"),
         ""},
        {"RBOrder", "", KORVAN_MARK("Accessible", "Способ перебора: по порядку")},
        {"RBAll", "", KORVAN_MARK("Accessible", "Способ перебора: случайно все")},
        {"RBPart", "", KORVAN_MARK("Accessible", "Способ перебора: случайно часть")},
        {"TBUseAtOnce", KORVAN_MARK("Accessible", "Одновременно используются предложений"), ""},
        {"CBSaveDiff", KORVAN_MARK("Accessible", "Сохранять в файле предложения с ошибками"),
         KORVAN_MARK("Accessible", "Число ошибок задаётся в поле рядом")},
        {"UDDiffNum", diffNum,
         KORVAN_MARK("Accessible",
                     "Сохранять предложения, в которых было допущено столько ошибок или более")},
        {"EDiffNum", diffNum, ""},
        {"CBUseSpeech", "",
         KORVAN_MARK("Accessible", "Предложения без звуковых файлов произносит синтезатор речи. "
                                   "Пробел включает и выключает")},
        {"BOk", "", KORVAN_MARK("Accessible", "Клавиша Enter: принять установки")},
        {"BCancel", "", KORVAN_MARK("Accessible", "Клавиша Esc: закрыть без изменений")},
    };
}

TTable ImportTexts()
{
    // The choices take their names from the captions beside them.
    return {
        {"TPreview", KORVAN_MARK("Accessible", "Первые вопросы урока"),
         KORVAN_MARK("Accessible", "Номер, комментарий, русский и английский текст")},
        {"LCounts", KORVAN_MARK("Accessible", "Сколько записей взято и сколько пропущено"), ""},
        {"BOk", "", KORVAN_MARK("Accessible", "Клавиша Enter: сохранить урок и открыть его")},
    };
}

TPhrase Said(const char* source, std::vector<TPhraseArg> args = {})
{
    return Marked("Accessible", source, std::move(args));
}

TTable ReviewTexts()
{
    return {
        {"EHistoryFolder", KORVAN_MARK("Accessible", "Папка истории"),
         KORVAN_MARK("Accessible", "Пусто: папка history в папке пользователя")},
        {"BHistoryFolder", KORVAN_MARK("Accessible", "Выбрать папку истории"), ""},
        {"SERetention", KORVAN_MARK("Accessible", "Желаемое припоминание, процентов"),
         KORVAN_MARK("Accessible", "От 70 до 97")},
        {"SEDayStartsAt", KORVAN_MARK("Accessible", "День ученика начинается в, часов"),
         KORVAN_MARK("Accessible", "От 0 до 23")},
        {"SEReviewLimit", KORVAN_MARK("Accessible", "Не больше карточек за одно повторение"), ""},
        {"BOk", "", KORVAN_MARK("Accessible", "Клавиша Enter: принять установки")},
        {"BCancel", "", KORVAN_MARK("Accessible", "Клавиша Esc: закрыть без изменений")},
    };
}

TTable SkinTexts()
{
    // The control names end in the row's part; the captions name the panes.
    const std::string choose = KORVAN_MARK("Accessible", "Открывает выбор цвета");
    return {
        {"BFont", KORVAN_MARK("Accessible", "Шрифт текстовых окон"),
         KORVAN_MARK("Accessible", "Открывает выбор шрифта")},
        {"Label1", KORVAN_MARK("Accessible", "Цвета:"), ""},
        {"BOk", "", KORVAN_MARK("Accessible", "Клавиша Enter: принять установки")},
        {"BCancel", "", KORVAN_MARK("Accessible", "Клавиша Esc: закрыть без изменений")},
        {"BColorInfo", KORVAN_MARK("Accessible", "Цвет текста информационных сообщений"), choose},
        {"BBackColorInfo", KORVAN_MARK("Accessible", "Цвет фона информационных сообщений"), choose},
        {"SBackColorInfo", KORVAN_MARK("Accessible", "Образец информационных сообщений"), ""},
        {"BColor1", KORVAN_MARK("Accessible", "Цвет текста ключевой фразы"), choose},
        {"BBackColor1", KORVAN_MARK("Accessible", "Цвет фона ключевой фразы"), choose},
        {"SBackColor1", KORVAN_MARK("Accessible", "Образец ключевой фразы"), ""},
        {"BColor2", KORVAN_MARK("Accessible", "Цвет текста исходного текста"), choose},
        {"BBackColor2", KORVAN_MARK("Accessible", "Цвет фона исходного текста"), choose},
        {"SBackColor2", KORVAN_MARK("Accessible", "Образец исходного текста"), ""},
        {"BColor3", KORVAN_MARK("Accessible", "Цвет текста перевода"), choose},
        {"BBackColor3", KORVAN_MARK("Accessible", "Цвет фона перевода"), choose},
        {"SBackColor3", KORVAN_MARK("Accessible", "Образец перевода"), ""},
        {"BColorTranscription", KORVAN_MARK("Accessible", "Цвет текста транскрипции"), choose},
        {"BBackColorTranscription", KORVAN_MARK("Accessible", "Цвет фона транскрипции"), choose},
        {"SBackColorTranscription", KORVAN_MARK("Accessible", "Образец транскрипции"), ""},
        {"BColorInput", KORVAN_MARK("Accessible", "Цвет текста окна ввода"), choose},
        {"BBackColorInput", KORVAN_MARK("Accessible", "Цвет фона окна ввода"), choose},
        {"SBackColorInput", KORVAN_MARK("Accessible", "Образец окна ввода"), ""},
        {"BColorHelpMsg", KORVAN_MARK("Accessible", "Цвет текста подсказки"), choose},
        {"BBackColorHelpMsg", KORVAN_MARK("Accessible", "Цвет фона подсказки"), choose},
        {"SBackColorHelpMsg", KORVAN_MARK("Accessible", "Образец подсказки"), ""},
    };
}

TTable PupilsTexts()
{
    return {
        {"BInsert", KORVAN_MARK("Accessible", "Добавить ученика"),
         KORVAN_MARK("Accessible", "Клавиша Insert")},
        {"BEdit", KORVAN_MARK("Accessible", "Исправить информацию об ученике"),
         KORVAN_MARK("Accessible", "Клавиша F2")},
        {"BDelete", KORVAN_MARK("Accessible", "Удалить ученика"),
         KORVAN_MARK("Accessible", "Клавиша Delete")},
        {"LBPupils", KORVAN_MARK("Accessible", "Ученики"),
         KORVAN_MARK("Accessible", "Enter или двойной щелчок выбирает ученика")},
        {"BOk", "", KORVAN_MARK("Accessible", "Клавиша Enter: выбрать ученика")},
        {"BCancel", "", KORVAN_MARK("Accessible", "Клавиша Esc: закрыть без изменений")},
    };
}

TTable PupilEditorTexts()
{
    return {
        {"EName", KORVAN_MARK("Accessible", "Имя ученика"), ""},
        {"BOk", "", KORVAN_MARK("Accessible", "Клавиша Enter")},
        {"BCancel", "", KORVAN_MARK("Accessible", "Клавиша Esc: закрыть без изменений")},
    };
}

TTable InputModeTexts()
{
    return {
        {"BUseAudioInput", "", KORVAN_MARK("Accessible", "Перевод я буду произносить вслух")},
        {"BUseTextInput", "", KORVAN_MARK("Accessible", "Перевод я буду набирать на клавиатуре")},
    };
}

TTable AboutTexts()
{
    return {
        {"LWeb_KorvanRoot", "",
         KORVAN_MARK("Accessible", "Домашняя страница программы. Ссылка, Enter открывает")},
        {"LEmail_My", "", KORVAN_MARK("Accessible", "Письмо автору. Ссылка, Enter открывает")},
        {"LWeb_MyRoot", "",
         KORVAN_MARK("Accessible", "Домашняя страница автора. Ссылка, Enter открывает")},
        {"BOk", "", KORVAN_MARK("Accessible", "Enter или Esc закрывает окно")},
    };
}

} // namespace

const std::vector<TAccessibleText>& AccessibleTexts(std::string_view window)
{
    static const std::map<std::string, TTable, std::less<>> tables{
        {"FMain", MainWindowTexts()},
        {"FBehavior", BehaviorTexts()},
        {"FSkin", SkinTexts()},
        {"FPupils", PupilsTexts()},
        {"FPupils_e", PupilEditorTexts()},
        {"FInpMode", InputModeTexts()},
        {"FAbout", AboutTexts()},
        {"FImportLesson", ImportTexts()},
        {"FReview", ReviewTexts()},
    };
    static const TTable none;
    const auto it = tables.find(window);
    return it == tables.end() ? none : it->second;
}

TPhrase TrackBarValueText(std::string_view control, int position)
{
    if (control == "TBSpeed") {
        // The norm is multiplied by (position + 5) / 10; the marks under the
        // bar write 0.5 as "1/2" and use a decimal comma.
        if (position == 0)
            return Said(KORVAN_MARK("Accessible", "1/2 от нормы"));
        const int tenths = position + 5;
        if (tenths % 10 == 0)
            return Said(KORVAN_MARK("Accessible", "%1 от нормы"), {NumberArg(tenths / 10)});
        return Said(KORVAN_MARK("Accessible", "%1,%2 от нормы"),
                    {NumberArg(tenths / 10), NumberArg(tenths % 10)});
    }
    if (control == "TBMistakeChange") {
        switch (position) {
        case -1:
            return Said(KORVAN_MARK("Accessible", "больше не показывать"));
        case 0:
            return Said(KORVAN_MARK("Accessible", "показать еще один раз"));
        case 1:
            return Said(KORVAN_MARK("Accessible", "показать еще два раза"));
        default:
            return {};
        }
    }
    if (control == "TBUseAtOnce")
        return Content(std::to_string(position));
    return {};
}

} // namespace korvan
