#include "lessontool/LessonMemory.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <ostream>

#include "i18n/Catalogue.h"
#include "i18n/Marked.h"
#include "memory/MemoryModel.h"
#include "settings/MemorySettings.h"
#include "util/Errors.h"

namespace korvan {

std::string MemoryUsage(TUiLanguage language)
{
    return Say(
        language, "LessonMemory",
        KORVAN_MARK("LessonMemory",
                    "  korvan-lesson memory ПАПКА_ИЛИ_ФАЙЛ_УЧЕНИКА... [--at ВРЕМЯ] [--json]\n"
                    "                [--retention R] [--day-starts-at ЧАС]\n"
                    "      что ученик знает по своей истории: у каждой карточки повторения,\n"
                    "      забывания, стабильность, трудность, интервал и день повторения,\n"
                    "      вероятность вспомнить её в ВРЕМЯ (RFC 3339, по умолчанию сейчас),\n"
                    "      и карточки к повторению к учебному дню ученика, куда входит ВРЕМЯ\n"));
}

namespace {

struct TMemoryArgs
{
    std::vector<std::string> Paths;
    TZonedTime At = SystemZonedNow();
    bool Json = false;
    TMemoryOptions Options;
};

bool ParseNumber(const std::string& text, double& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// Empty when the arguments are sound, else what is wrong.
std::string ParseArgs(const std::vector<std::string>& args, TMemoryArgs& parsed,
                      TUiLanguage language)
{
    const auto say = [language](const char* source, const std::vector<std::string>& args = {}) {
        return Say(language, "LessonMemory", source, args);
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--json") {
            parsed.Json = true;
        } else if (a == "--at") {
            if (!hasValue)
                return say(KORVAN_MARK("LessonMemory", "после --at нужно время"));
            const auto at = ParseRfc3339(args[++i]);
            if (!at)
                return say(KORVAN_MARK("LessonMemory", "после --at нужно время вида "
                                                       "2026-12-09T19:53:07+03:00, а не «%1»"),
                           {args[i]});
            parsed.At = *at;
        } else if (a == "--retention") {
            double r = 0;
            if (!hasValue || !ParseNumber(args[++i], r) || r < MinDesiredRetention ||
                r > MaxDesiredRetention)
                return say(
                    KORVAN_MARK("LessonMemory", "после --retention нужно число от 0.70 до 0.97"));
            parsed.Options.DesiredRetention = r;
        } else if (a == "--day-starts-at") {
            double h = 0;
            if (!hasValue || !ParseNumber(args[++i], h) || h < 0 || h > 23 || h != int(h))
                return say(
                    KORVAN_MARK("LessonMemory", "после --day-starts-at нужен час от 0 до 23"));
            parsed.Options.DayStartsAt = static_cast<int>(h);
        } else if (a.size() > 1 && a[0] == '-') {
            return say(KORVAN_MARK("LessonMemory", "неизвестный параметр «%1»"), {a});
        } else {
            parsed.Paths.push_back(a);
        }
    }
    return parsed.Paths.empty()
               ? say(KORVAN_MARK("LessonMemory", "для memory нужна папка или файл истории ученика"))
               : "";
}

std::string Fixed(double value, int digits)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", digits, value);
    return text;
}

void WriteJson(const THistory& history, const std::vector<TCardMemory>& cards,
               const TMemoryModel& model, const TMemoryArgs& args, std::int64_t today,
               std::size_t due, std::ostream& out)
{
    rapidjson::StringBuffer buffer;
    rapidjson::Writer<rapidjson::StringBuffer> w(buffer);
    const auto text = [&](const char* key, const std::string& value) {
        w.Key(key);
        w.String(value.data(), static_cast<rapidjson::SizeType>(value.size()));
    };
    w.StartObject();
    text("at", FormatRfc3339(args.At));
    w.Key("cards");
    w.StartArray();
    for (const TCardMemory& m : cards) {
        const THistoryCard& card = history.Cards[m.Card];
        w.StartObject();
        text("card", card.Key);
        if (card.Described) {
            text("direction", std::string(DirectionName(card.Direction)));
            text("ru", card.Ru);
            text("en", card.En);
        } else {
            w.Key("direction");
            w.Null();
            w.Key("ru");
            w.Null();
            w.Key("en");
            w.Null();
        }
        w.Key("reviews");
        w.Int(m.Reviews);
        w.Key("lapses");
        w.Int(m.Lapses);
        w.Key("stability");
        w.Double(m.State.Stability);
        w.Key("difficulty");
        w.Double(m.State.Difficulty);
        text("last_review", FormatRfc3339(m.LastReview));
        w.Key("interval_days");
        w.Int(m.IntervalDays);
        text("due", FormatDay(m.DueDay));
        w.Key("retrievability");
        w.Double(model.Retrievability(m, today));
        w.EndObject();
    }
    w.EndArray();
    w.Key("due");
    w.Uint64(due);
    w.Key("unreadable");
    w.Int64(history.UnreadableLines);
    w.EndObject();
    out << buffer.GetString() << "\n";
}

void WriteTable(const THistory& history, const std::vector<TCardMemory>& cards,
                const TMemoryModel& model, std::int64_t today, std::size_t due, std::ostream& out,
                TUiLanguage language)
{
    // The columns' names stay as they are in every language: scripts read them.
    out << "card\tdirection\treviews\tlapses\tstability\tdifficulty\tlast review\tinterval\tdue"
           "\trecall\tru\ten\n";
    for (const TCardMemory& m : cards) {
        const THistoryCard& card = history.Cards[m.Card];
        out << card.Key << "\t" << (card.Described ? DirectionName(card.Direction) : "?") << "\t"
            << m.Reviews << "\t" << m.Lapses << "\t" << Fixed(m.State.Stability, 4) << "\t"
            << Fixed(m.State.Difficulty, 4) << "\t" << FormatRfc3339(m.LastReview) << "\t"
            << m.IntervalDays << "\t" << FormatDay(m.DueDay) << "\t"
            << Fixed(model.Retrievability(m, today), 4) << "\t" << card.Ru << "\t" << card.En
            << "\n";
    }
    out << Say(language, "LessonMemory",
               KORVAN_MARK("LessonMemory", "Карточек: %1\nК повторению к %2: %3\nНечитаемых "
                                           "строк: %4\n"),
               {std::to_string(cards.size()), FormatDay(today), std::to_string(due),
                std::to_string(history.UnreadableLines)});
}

} // namespace

int RunMemory(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              TUiLanguage language)
{
    TMemoryArgs parsed;
    const std::string wrong = ParseArgs(args, parsed, language);
    if (!wrong.empty()) {
        err << Say(language, "LessonMemory",
                   KORVAN_MARK("LessonMemory", "korvan-lesson: %1\nЗапуск:\n"), {wrong})
            << MemoryUsage(language);
        return 2;
    }
    THistory history;
    try {
        for (const std::string& path : parsed.Paths) {
            std::error_code error;
            if (std::filesystem::is_directory(path, error))
                history.ReadFolder(path);
            else if (std::filesystem::exists(path, error))
                history.ReadFile(path);
            else {
                err << Say(language, "LessonMemory",
                           KORVAN_MARK("LessonMemory", "korvan-lesson: «%1» не существует\n"),
                           {path});
                return 1;
            }
        }
    } catch (const TIoError& e) {
        err << "korvan-lesson: " << e.what() << "\n";
        return 1;
    }
    const TMemoryModel model(parsed.Options);
    const std::vector<TCardMemory> cards = model.Replay(history);
    const std::int64_t today = PupilDay(parsed.At, parsed.Options.DayStartsAt);
    const std::size_t due = model.Due(history, cards, today, -1, false).size();
    if (parsed.Json)
        WriteJson(history, cards, model, parsed, today, due, out);
    else
        WriteTable(history, cards, model, today, due, out, language);
    return 0;
}

} // namespace korvan
