#include "memory/HistoryRecorder.h"

#include <cstdio>
#include <filesystem>
#include <random>

#include "util/Errors.h"
#include "util/Text.h"

namespace korvan {

namespace {

TVerdictKind KindOf(TVerdict verdict)
{
    switch (verdict) {
    case TVerdict::Right:
        return TVerdictKind::Right;
    case TVerdict::Wrong:
        return TVerdictKind::Wrong;
    case TVerdict::Late:
        break;
    }
    return TVerdictKind::Late;
}

} // namespace

TCardRecord CardOfQuestion(const TQuestion& question, bool askedRussian,
                           const std::string& lessonPath, std::int32_t number)
{
    TCardRecord card;
    card.Direction = askedRussian ? TCardDirection::RuEn : TCardDirection::EnRu;
    card.Ru = NormalizeCardText(Cp1251ToUtf8(question.RText));
    card.En = NormalizeCardText(Cp1251ToUtf8(question.EText));
    card.Comment = Cp1251ToUtf8(question.Comment);
    card.Lesson = lessonPath;
    card.Number = number;
    card.Card = CardKey(card.Direction, card.Ru, card.En);
    return card;
}

THistoryRecorder::THistoryRecorder(std::function<TZonedTime()> now,
                                   std::function<void(const std::string&)> reportFailure)
    : Now(std::move(now)), ReportFailure(std::move(reportFailure))
{
    // Ids must not meet those of another machine or an earlier run: 64 random
    // bits a recorder, then a count.
    std::random_device device;
    const std::uint64_t random = (std::uint64_t{device()} << 32) ^ device();
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(random));
    IdPrefix = hex;
}

void THistoryRecorder::SetPupil(const std::string& pupil, const std::string& folder,
                                bool privateFiles)
{
    PupilUtf8 = Cp1251ToUtf8(pupil);
    FailureReported = false;
    Writer.reset();
    if (!folder.empty())
        Writer = std::make_unique<THistoryWriter>(folder, OwnHistoryFileName(), privateFiles);
}

std::string THistoryRecorder::NewId()
{
    return IdPrefix + "-" + std::to_string(++Counter);
}

void THistoryRecorder::VerdictGiven(const TVerdictRecord& verdict)
{
    if (!Writer)
        return;
    // The lesson's full path, so that a review run finds its recordings from
    // any current folder.
    std::error_code error;
    const std::filesystem::path lesson = std::filesystem::absolute(verdict.LessonPath, error);
    const TCardRecord card = CardOfQuestion(
        verdict.Question, verdict.AskedRussian,
        error ? verdict.LessonPath : lesson.lexically_normal().string(), verdict.Number);
    TReviewRecord review;
    review.Id = NewId();
    review.Card = card.Card;
    review.Pupil = PupilUtf8;
    review.Time = Now();
    review.Verdict = KindOf(verdict.Verdict);
    review.Grade = GradeOfVerdict(review.Verdict);
    review.AnswerMs = verdict.AnswerMs;
    review.NormMs = verdict.NormMs;
    try {
        Writer->Append(card, review);
    } catch (const TIoError& e) {
        if (!FailureReported && ReportFailure)
            ReportFailure(e.what());
        FailureReported = true;
    }
}

void THistoryRecorder::RunEnded()
{
    if (!Writer)
        return;
    try {
        Writer->Sync();
    } catch (const TIoError& e) {
        if (!FailureReported && ReportFailure)
            ReportFailure(e.what());
        FailureReported = true;
    }
}

} // namespace korvan
