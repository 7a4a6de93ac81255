#include "memory/HistoryFormat.h"

#include <rapidjson/reader.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include "util/Utf8.h"

namespace korvan {

namespace {

// The text with every broken UTF-8 sequence made U+FFFD, so that the writer
// never produces a line other tools cannot read.
std::string ValidUtf8(std::string_view text)
{
    TUtf8Detector detector;
    detector.Feed(text);
    if (detector.IsValid())
        return std::string(text);
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const char32_t c = NextCodePoint(text, pos);
        if (c == U'\uFFFD' && pos == start + 1)
            out += "\xEF\xBF\xBD";
        else
            out.append(text.substr(start, pos - start));
    }
    return out;
}

using TJsonWriter = rapidjson::Writer<rapidjson::StringBuffer>;

void Field(TJsonWriter& w, const char* key, std::string_view value)
{
    w.Key(key);
    const std::string valid = ValidUtf8(value);
    w.String(valid.data(), static_cast<rapidjson::SizeType>(valid.size()));
}

void Field(TJsonWriter& w, const char* key, std::int64_t value)
{
    w.Key(key);
    w.Int64(value);
}

// Reads the keys of the top-level object; values of keys it does not know,
// nested objects and arrays included, pass by.
class TLineHandler : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, TLineHandler>
{
public:
    enum class TKey
    {
        None,
        Type,
        Card,
        Direction,
        Ru,
        En,
        Comment,
        Lesson,
        Number,
        Id,
        Time,
        Grade
    };

    bool StartObject()
    {
        if (Depth == 1)
            Take();
        ++Depth;
        return true;
    }
    bool EndObject(rapidjson::SizeType)
    {
        --Depth;
        return true;
    }
    bool StartArray()
    {
        if (Depth == 0)
            return false; // the line must be an object
        if (Depth == 1)
            Take();
        ++Depth;
        return true;
    }
    bool EndArray(rapidjson::SizeType)
    {
        --Depth;
        return true;
    }
    bool Key(const char* s, rapidjson::SizeType length, bool)
    {
        if (Depth != 1)
            return true;
        const std::string_view k(s, length);
        Current = k == "type"        ? TKey::Type
                  : k == "card"      ? TKey::Card
                  : k == "direction" ? TKey::Direction
                  : k == "ru"        ? TKey::Ru
                  : k == "en"        ? TKey::En
                  : k == "comment"   ? TKey::Comment
                  : k == "lesson"    ? TKey::Lesson
                  : k == "number"    ? TKey::Number
                  : k == "id"        ? TKey::Id
                  : k == "time"      ? TKey::Time
                  : k == "grade"     ? TKey::Grade
                                     : TKey::None;
        return true;
    }
    bool String(const char* s, rapidjson::SizeType length, bool)
    {
        if (Depth == 0)
            return false;
        if (Depth == 1)
            Strings[static_cast<int>(Take())] = std::string_view(s, length);
        return true;
    }
    bool Int64(std::int64_t value)
    {
        if (Depth == 0)
            return false;
        if (Depth == 1)
            Integer(Take(), value);
        return true;
    }
    bool Int(int value) { return Int64(value); }
    bool Uint(unsigned value) { return Int64(value); }
    bool Uint64(std::uint64_t value)
    {
        return Int64(value > INT64_MAX ? INT64_MAX : static_cast<std::int64_t>(value));
    }
    bool Double(double value)
    {
        // A whole number written as "3.0" is that number; any other fraction
        // is no number of ours.
        const auto whole = static_cast<std::int64_t>(value);
        if (Depth == 1 && static_cast<double>(whole) == value && value > -1e15 && value < 1e15)
            return Int64(whole);
        return Default();
    }
    bool Default()
    {
        if (Depth == 0)
            return false;
        if (Depth == 1)
            Take();
        return true;
    }

    static constexpr int KeyCount = static_cast<int>(TKey::Grade) + 1;
    std::string_view Strings[KeyCount]; // a missing key's view has no data
    std::int64_t Number = 0, Grade = 0;
    bool HasNumber = false, HasGrade = false;

private:
    TKey Take()
    {
        const TKey key = Current;
        Current = TKey::None;
        Strings[static_cast<int>(key)] = {};
        return key;
    }
    void Integer(TKey key, std::int64_t value)
    {
        if (key == TKey::Number) {
            Number = value;
            HasNumber = true;
        } else if (key == TKey::Grade) {
            Grade = value;
            HasGrade = true;
        }
    }

    int Depth = 0;
    TKey Current = TKey::None;
};

// Reading a review line exactly as our writer lays it out, without a general
// JSON parse: a heavy user's million lines are read in well under a second
// this way. Any line that differs in the least (another tool's order of
// fields, an escape, a torn end) is left to the general parser.
class TOwnReviewLine
{
public:
    TOwnReviewLine(const char* line, std::size_t length) : At(line), End(line + length) {}

    bool Read(THistoryLine& out)
    {
        std::string_view card, id, time, verdict, ignored;
        int grade = 0;
        if (!Literal(R"({"type":"review","id":")") || !String(id) || !Literal(R"(,"card":")") ||
            !String(card) || !Literal(R"(,"pupil":")") || !String(ignored) ||
            !Literal(R"(,"time":")") || !String(time) || !Literal(R"(,"grade":)") ||
            !Grade(grade) || !Literal(R"(,"verdict":")") || !String(verdict) ||
            !Literal(R"(,"answer_ms":)") || !Integer() || !Literal(R"(,"norm_ms":)") ||
            !Integer() || !Literal("}"))
            return false;
        for (; At != End; ++At)
            if (*At != ' ' && *At != '\t' && *At != '\r')
                return false;
        const auto parsed = ParseRfc3339(time);
        if (id.empty() || card.empty() || !parsed)
            return false;
        out.Kind = THistoryLineKind::Review;
        out.Card = card;
        out.Id = id;
        out.Time = *parsed;
        out.Grade = grade;
        return true;
    }

private:
    bool Literal(std::string_view text)
    {
        if (static_cast<std::size_t>(End - At) < text.size() ||
            std::string_view(At, text.size()) != text)
            return false;
        At += text.size();
        return true;
    }
    // The rest of a string up to its closing quote, which is passed; one
    // with an escape or a control character is not ours to read.
    bool String(std::string_view& value)
    {
        const char* start = At;
        for (; At != End; ++At) {
            const auto c = static_cast<unsigned char>(*At);
            if (c == '"') {
                value = std::string_view(start, static_cast<std::size_t>(At - start));
                ++At;
                return true;
            }
            if (c == '\\' || c < 0x20)
                return false;
        }
        return false;
    }
    bool Grade(int& grade)
    {
        if (At == End || *At < '1' || *At > '4')
            return false;
        grade = *At++ - '0';
        return true;
    }
    bool Integer()
    {
        if (At != End && *At == '-')
            ++At;
        const char* digits = At;
        while (At != End && *At >= '0' && *At <= '9' && At - digits < 18)
            ++At;
        return At != digits && (At - digits == 1 || *digits != '0');
    }

    const char* At;
    const char* End;
};

bool ValidUtf8Texts(std::initializer_list<std::string_view> texts)
{
    TUtf8Detector detector;
    for (const std::string_view text : texts)
        detector.Feed(text);
    return detector.IsValid();
}

} // namespace

std::string_view VerdictName(TVerdictKind verdict)
{
    switch (verdict) {
    case TVerdictKind::Right:
        return "right";
    case TVerdictKind::Wrong:
        return "wrong";
    case TVerdictKind::Late:
        break;
    }
    return "late";
}

int GradeOfVerdict(TVerdictKind verdict)
{
    return verdict == TVerdictKind::Right ? 3 : 1;
}

std::string FormatCardRecord(const TCardRecord& card)
{
    rapidjson::StringBuffer buffer;
    TJsonWriter w(buffer);
    w.StartObject();
    Field(w, "type", "card");
    Field(w, "card", card.Card);
    Field(w, "direction", DirectionName(card.Direction));
    Field(w, "ru", card.Ru);
    Field(w, "en", card.En);
    if (!card.Comment.empty())
        Field(w, "comment", card.Comment);
    Field(w, "lesson", card.Lesson);
    Field(w, "number", card.Number);
    w.EndObject();
    return std::string(buffer.GetString(), buffer.GetSize());
}

std::string FormatReviewRecord(const TReviewRecord& review)
{
    rapidjson::StringBuffer buffer;
    TJsonWriter w(buffer);
    w.StartObject();
    Field(w, "type", "review");
    Field(w, "id", review.Id);
    Field(w, "card", review.Card);
    Field(w, "pupil", review.Pupil);
    Field(w, "time", FormatRfc3339(review.Time));
    Field(w, "grade", std::int64_t{review.Grade});
    Field(w, "verdict", VerdictName(review.Verdict));
    Field(w, "answer_ms", review.AnswerMs);
    Field(w, "norm_ms", review.NormMs);
    w.EndObject();
    return std::string(buffer.GetString(), buffer.GetSize());
}

THistoryLine ParseHistoryLine(char* line, std::size_t length)
{
    THistoryLine out;
    std::size_t first = 0;
    while (first < length && (line[first] == ' ' || line[first] == '\t' || line[first] == '\r'))
        ++first;
    if (first == length) {
        out.Kind = THistoryLineKind::Other;
        return out;
    }
    if (TOwnReviewLine(line + first, length - first).Read(out))
        return out;
    line[length] = '\0';
    TLineHandler handler;
    rapidjson::InsituStringStream stream(line + first);
    rapidjson::Reader reader;
    // A zero byte inside the line ends the parse early and so leaves it
    // incomplete: the line is unreadable.
    if (!reader.Parse<rapidjson::kParseInsituFlag | rapidjson::kParseStopWhenDoneFlag>(stream,
                                                                                       handler))
        return out;
    // Nothing but blanks may follow the object; a zero byte in the line ends
    // the parse early and is no blank.
    for (std::size_t i = first + stream.Tell(); i < length; ++i)
        if (line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
            return out;

    using K = TLineHandler::TKey;
    const auto text = [&](K key) { return handler.Strings[static_cast<int>(key)]; };
    const std::string_view type = text(K::Type);
    out.Card = text(K::Card);
    if (type == "card") {
        if (out.Card.empty() || !ParseDirection(text(K::Direction), out.Direction) ||
            text(K::Ru).data() == nullptr || text(K::En).data() == nullptr)
            return out;
        out.Ru = text(K::Ru);
        out.En = text(K::En);
        out.Comment = text(K::Comment);
        out.Lesson = text(K::Lesson);
        out.Number = handler.HasNumber ? handler.Number : 0;
        // The texts are shown: they must be UTF-8. A review's own texts are
        // never shown and go unchecked.
        if (!ValidUtf8Texts({out.Ru, out.En, out.Comment, out.Lesson}))
            return out;
        out.Kind = THistoryLineKind::Card;
    } else if (type == "review") {
        out.Id = text(K::Id);
        const auto time = ParseRfc3339(text(K::Time));
        if (out.Card.empty() || out.Id.empty() || !time || !handler.HasGrade || handler.Grade < 1 ||
            handler.Grade > 4)
            return out;
        out.Time = *time;
        out.Grade = static_cast<int>(handler.Grade);
        out.Kind = THistoryLineKind::Review;
    } else if (type.data() != nullptr) {
        out.Kind = THistoryLineKind::Other;
    }
    return out;
}

} // namespace korvan
