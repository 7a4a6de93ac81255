#include "lessontool/LessonMemory.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <ostream>

#include "memory/MemoryModel.h"
#include "settings/MemorySettings.h"
#include "util/Errors.h"

namespace korvan {

const char* const MemoryUsage =
    "  korvan-lesson memory PUPIL_FOLDER_OR_FILE... [--at TIME] [--json]\n"
    "                [--retention R] [--day-starts-at HOUR]\n"
    "      what a pupil's history says they know: each card's reviews, lapses,\n"
    "      stability, difficulty, interval and due day, its chance of recall at TIME\n"
    "      (RFC 3339, now by default), and the cards due by the pupil day of TIME\n";

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
std::string ParseArgs(const std::vector<std::string>& args, TMemoryArgs& parsed)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--json") {
            parsed.Json = true;
        } else if (a == "--at") {
            if (!hasValue)
                return "--at needs a time";
            const auto at = ParseRfc3339(args[++i]);
            if (!at)
                return "--at takes a time such as 2026-12-09T19:53:07+03:00, not \"" + args[i] +
                       "\"";
            parsed.At = *at;
        } else if (a == "--retention") {
            double r = 0;
            if (!hasValue || !ParseNumber(args[++i], r) || r < MinDesiredRetention ||
                r > MaxDesiredRetention)
                return "--retention takes a number from 0.70 to 0.97";
            parsed.Options.DesiredRetention = r;
        } else if (a == "--day-starts-at") {
            double h = 0;
            if (!hasValue || !ParseNumber(args[++i], h) || h < 0 || h > 23 || h != int(h))
                return "--day-starts-at takes an hour from 0 to 23";
            parsed.Options.DayStartsAt = static_cast<int>(h);
        } else if (a.size() > 1 && a[0] == '-') {
            return "unknown option \"" + a + "\"";
        } else {
            parsed.Paths.push_back(a);
        }
    }
    return parsed.Paths.empty() ? "memory needs a pupil's history folder or file" : "";
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
                const TMemoryModel& model, std::int64_t today, std::size_t due, std::ostream& out)
{
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
    out << "Cards: " << cards.size() << "\n"
        << "Due by " << FormatDay(today) << ": " << due << "\n"
        << "Unreadable lines: " << history.UnreadableLines << "\n";
}

} // namespace

int RunMemory(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    TMemoryArgs parsed;
    const std::string wrong = ParseArgs(args, parsed);
    if (!wrong.empty()) {
        err << "korvan-lesson: " << wrong << "\nUsage:\n" << MemoryUsage;
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
                err << "korvan-lesson: \"" << path << "\" does not exist\n";
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
        WriteTable(history, cards, model, today, due, out);
    return 0;
}

} // namespace korvan
