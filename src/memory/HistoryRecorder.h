#pragma once

// Hands every verdict of the drill to the current pupil's history file the
// moment it is given: the card's record the first time this file meets the
// card, then the review. A failure to write is reported once and the drill
// goes on; the history picks up again with the next pupil chosen.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "drill/DrillPorts.h"
#include "memory/HistoryPlaces.h"
#include "memory/HistoryWriter.h"
#include "memory/ZonedTime.h"

namespace korvan {

class THistoryRecorder : public IVerdictSink
{
public:
    THistoryRecorder(std::function<TZonedTime()> now,
                     std::function<void(const std::string&)> reportFailure);

    // The pupil (a 1251 name) whose verdicts are written, into `folder`
    // (their folder of the history, see PupilHistoryFolder). An empty folder
    // writes nothing.
    void SetPupil(const std::string& pupil, const std::string& folder, bool privateFiles);

    void VerdictGiven(const TVerdictRecord& verdict) override;
    void RunEnded() override;

private:
    std::string NewId();

    std::function<TZonedTime()> Now;
    std::function<void(const std::string&)> ReportFailure;
    std::unique_ptr<THistoryWriter> Writer;
    std::string PupilUtf8;
    std::string IdPrefix; // random, one a recorder
    std::uint64_t Counter = 0;
    bool FailureReported = false;
};

// The card record and key of a question asked in one direction (texts 1251).
TCardRecord CardOfQuestion(const TQuestion& question, bool askedRussian,
                           const std::string& lessonPath, std::int32_t number);

} // namespace korvan
