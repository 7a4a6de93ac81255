#include "access/AccessibleTexts.h"

#include <array>
#include <map>

namespace korvan {

namespace {

using TTable = std::vector<TAccessibleText>;

TTable MainWindowTexts()
{
    return {
        {"BLesson", "", "Открыть урок, недавние уроки, сохранение и создание уроков"},
        {"BCustomize", "", "Ученики, поведение и внешний вид программы"},
        {"BHelp", "", "Справка, сайт программы, письмо автору, о программе"},
        {"BLesson_Start", "Начать урок", "Клавиша F4"},
        {"BQuestion_ShowTranslation_Or_PupilChoose_Right", "Показать перевод или Я прав",
         "Клавиши Пробел или F5; пока набирается перевод, только F5"},
        {"BRecStartStopPlay", "Прослушать свой ответ", ""},
        {"BQuestion_PupilChoose_Wrong", "Я ошибся",
         "Клавиши Ctrl или F8; пока набирается перевод, только F8"},
        {"BRepeatRuSound", "Повторить русскую запись", ""},
        {"BRepeatEnSound", "Повторить английскую запись", ""},
        {"SAroundMemos", "Окна урока", ""},
        {"MInfo", "Сообщения программы", ""},
        {"M1", "Ключевая фраза", ""},
        {"M2", "Предложение для перевода", ""},
        {"M3", "Эталонный перевод", ""},
        {"MTranscription", "Транскрипция", ""},
        {"MInput", "Ваш перевод", "Наберите перевод и нажмите F5"},
        {"MHelpMsg", "Подсказка", ""},
        {"ProgressPaintBox", "Ход урока",
         "Сколько предложений отвечено без ошибок, с ошибками и сколько осталось"},
        {"PB", "Время на обдумывание", "Заполняется, пока идёт время"},
    };
}

TTable BehaviorTexts()
{
    const std::string speech = "Перевод я буду: ";
    const std::string order = "Способ перебора: ";
    const std::string toggle = "Пробел включает и выключает";
    const std::string withFiles = "При наличии звуковых файлов к уроку. ";
    return {
        {"BSelectMode", "", "Выбрать режим из списка; его установки загружаются в окно"},
        {"BSaveMode", "",
         "Сохранить выбранные в данный момент установки под именем выбранного режима"},
        // A description of its own keeps the tooltip (the caption again) unsaid.
        {"BShowRText", "Показывать русский текст", toggle},
        {"BShowEText", "Показывать английский текст", toggle},
        {"BUseRWav", "Проигрывать русский звук", withFiles + toggle},
        {"BUseEWav", "Проигрывать английский звук", withFiles + toggle},
        {"BTranslRE", "Перевод с русского на английский", "Направление перевода"},
        {"BTranslER", "Перевод с английского на русский", "Направление перевода"},
        {"RBUseAudioInput", "", speech + "произносить вслух"},
        {"RBUseTextInput", "", speech + "набирать на клавиатуре"},
        {"CBUseTime", "", "Время на обдумывание отсчитывается от нормы"},
        {"TBSpeed", "Время на обдумывание (от нормы)", ""},
        {"TBMistakeChange", "Если дан неверный перевод, то предложение", ""},
        {"RBOrder", "", order + "по порядку"},
        {"RBAll", "", order + "случайно все"},
        {"RBPart", "", order + "случайно часть"},
        {"TBUseAtOnce", "Одновременно используются предложений", ""},
        {"CBSaveDiff", "Сохранять в файле предложения с ошибками",
         "Число ошибок задаётся в поле рядом"},
        {"UDDiffNum", "Число ошибок",
         "Сохранять предложения, в которых было допущено столько "
         "ошибок или более"},
        {"EDiffNum", "Число ошибок", ""},
        {"CBUseSpeech", "",
         "Предложения без звуковых файлов произносит синтезатор речи. " + toggle},
        {"BOk", "", "Клавиша Enter: принять установки"},
        {"BCancel", "", "Клавиша Esc: закрыть без изменений"},
    };
}

TTable ImportTexts()
{
    // The choices take their names from the captions beside them.
    return {
        {"TPreview", "Первые вопросы урока", "Номер, комментарий, русский и английский текст"},
        {"LCounts", "Сколько записей взято и сколько пропущено", ""},
        {"BOk", "", "Клавиша Enter: сохранить урок и открыть его"},
    };
}

TTable ReviewTexts()
{
    return {
        {"EHistoryFolder", "Папка истории", "Пусто: папка history в папке пользователя"},
        {"BHistoryFolder", "Выбрать папку истории", ""},
        {"SERetention", "Желаемое припоминание, процентов", "От 70 до 97"},
        {"SEDayStartsAt", "День ученика начинается в, часов", "От 0 до 23"},
        {"SEReviewLimit", "Не больше карточек за одно повторение", ""},
        {"BOk", "", "Клавиша Enter: принять установки"},
        {"BCancel", "", "Клавиша Esc: закрыть без изменений"},
    };
}

TTable SkinTexts()
{
    // The control names end in the row's part; the captions name the panes.
    const std::array<std::array<const char*, 2>, 7> rows{{
        {"Info", "информационных сообщений"},
        {"1", "ключевой фразы"},
        {"2", "исходного текста"},
        {"3", "перевода"},
        {"Transcription", "транскрипции"},
        {"Input", "окна ввода"},
        {"HelpMsg", "подсказки"},
    }};
    TTable texts{
        {"BFont", "Шрифт текстовых окон", "Открывает выбор шрифта"},
        {"Label1", "Цвета:", ""},
        {"BOk", "", "Клавиша Enter: принять установки"},
        {"BCancel", "", "Клавиша Esc: закрыть без изменений"},
    };
    for (const auto& [part, caption] : rows) {
        texts.push_back({std::string("BColor") + part, std::string("Цвет текста ") + caption,
                         "Открывает выбор цвета"});
        texts.push_back({std::string("BBackColor") + part, std::string("Цвет фона ") + caption,
                         "Открывает выбор цвета"});
        texts.push_back({std::string("SBackColor") + part, std::string("Образец ") + caption, ""});
    }
    return texts;
}

TTable PupilsTexts()
{
    return {
        {"BInsert", "Добавить ученика", "Клавиша Insert"},
        {"BEdit", "Исправить информацию об ученике", "Клавиша F2"},
        {"BDelete", "Удалить ученика", "Клавиша Delete"},
        {"LBPupils", "Ученики", "Enter или двойной щелчок выбирает ученика"},
        {"BOk", "", "Клавиша Enter: выбрать ученика"},
        {"BCancel", "", "Клавиша Esc: закрыть без изменений"},
    };
}

TTable PupilEditorTexts()
{
    return {
        {"EName", "Имя ученика", ""},
        {"BOk", "", "Клавиша Enter"},
        {"BCancel", "", "Клавиша Esc: закрыть без изменений"},
    };
}

TTable InputModeTexts()
{
    return {
        {"BUseAudioInput", "", "Перевод я буду произносить вслух"},
        {"BUseTextInput", "", "Перевод я буду набирать на клавиатуре"},
    };
}

TTable AboutTexts()
{
    const std::string link = "Ссылка, Enter открывает";
    return {
        {"LWeb_KorvanRoot", "", "Домашняя страница программы. " + link},
        {"LEmail_My", "", "Письмо автору. " + link},
        {"LWeb_MyRoot", "", "Домашняя страница автора. " + link},
        {"BOk", "", "Enter или Esc закрывает окно"},
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

std::string TrackBarValueText(std::string_view control, int position)
{
    if (control == "TBSpeed") {
        // The norm is multiplied by (position + 5) / 10; the marks under the
        // bar write 0.5 as "1/2" and use a decimal comma.
        if (position == 0)
            return "1/2 от нормы";
        const int tenths = position + 5;
        std::string factor = std::to_string(tenths / 10);
        if (tenths % 10 != 0)
            factor += "," + std::to_string(tenths % 10);
        return factor + " от нормы";
    }
    if (control == "TBMistakeChange") {
        switch (position) {
        case -1:
            return "больше не показывать";
        case 0:
            return "показать еще один раз";
        case 1:
            return "показать еще два раза";
        default:
            return {};
        }
    }
    if (control == "TBUseAtOnce")
        return std::to_string(position);
    return {};
}

} // namespace korvan
