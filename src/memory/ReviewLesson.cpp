#include "memory/ReviewLesson.h"

#include <map>
#include <memory>

#include "memory/CardKey.h"
#include "util/Errors.h"
#include "util/Text.h"

namespace korvan {

namespace {

// The lessons the due cards came from, each read at most once.
class TLessonShelf
{
public:
    // Whether the lesson at `path` holds the card's texts under `number`.
    bool Holds(const std::string& path, std::int64_t number, const THistoryCard& card)
    {
        auto [it, added] = Lessons.try_emplace(path);
        if (added) {
            auto lesson = std::make_unique<TLesson>();
            try {
                lesson->LoadFromFile(path);
            } catch (const TIoError&) {
                lesson->Clear(); // gone or unreadable: no recordings
            }
            it->second = std::move(lesson);
        }
        for (const TQuestion& q : it->second->Questions)
            if (q.Number == number)
                return NormalizeCardText(Cp1251ToUtf8(q.RText)) == card.Ru &&
                       NormalizeCardText(Cp1251ToUtf8(q.EText)) == card.En;
        return false;
    }

private:
    std::map<std::string, std::unique_ptr<TLesson>> Lessons;
};

} // namespace

TLesson GatherReview(const THistory& history, const std::vector<TCardMemory>& cards,
                     const std::vector<std::size_t>& due)
{
    TLesson lesson;
    lesson.Title = ToCp1251(ReviewLessonName);
    TLessonShelf shelf;
    for (const std::size_t index : due) {
        const THistoryCard& card = history.Cards[cards[index].Card];
        TQuestion q;
        q.Number = static_cast<std::int32_t>(lesson.Questions.size() + 1);
        q.Comment = ToCp1251Replacing(card.Comment);
        q.RText = ToCp1251Replacing(card.Ru);
        q.EText = ToCp1251Replacing(card.En);
        TQuestionOrigin origin;
        origin.LessonPath = card.Lesson;
        origin.Number = static_cast<std::int32_t>(card.Number);
        origin.AskRussian = card.Direction == TCardDirection::RuEn;
        origin.OwnRecordings = !card.Lesson.empty() && shelf.Holds(card.Lesson, card.Number, card);
        lesson.HasRuAudio = lesson.HasRuAudio || origin.OwnRecordings;
        lesson.HasEnAudio = lesson.HasEnAudio || origin.OwnRecordings;
        lesson.Questions.push_back(std::move(q));
        lesson.Origins.push_back(std::move(origin));
    }
    return lesson;
}

} // namespace korvan
