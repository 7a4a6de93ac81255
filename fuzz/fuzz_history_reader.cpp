// Any bytes may lie in a history file (a half-synced copy, another tool's
// output). Whatever the reader makes of them, every review names a card it
// knows with a grade of 1..4, no line is counted twice, and the replay gives
// every reviewed card a state inside the model's range.

#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "memory/History.h"
#include "memory/MemoryModel.h"

using korvan::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t lines = 0;
    for (char c : text)
        lines += c == '\n' ? 1 : 0;
    if (!text.empty() && text.back() != '\n')
        ++lines;

    korvan::THistory history;
    history.ReadText(std::move(text));
    Check(history.Reviews.size() + static_cast<std::size_t>(history.UnreadableLines) <= lines,
          "each line counted once");
    for (const korvan::THistoryReview& r : history.Reviews)
        Check(r.Card < history.Cards.size() && r.Grade >= 1 && r.Grade <= 4, "review");

    const korvan::TMemoryModel model;
    const std::vector<korvan::TCardMemory> cards = model.Replay(history);
    std::size_t entered = 0;
    for (const korvan::THistoryReview& r : history.Reviews)
        entered += r.Entered ? 1 : 0;
    std::size_t counted = 0;
    for (const korvan::TCardMemory& m : cards) {
        counted += static_cast<std::size_t>(m.Reviews);
        Check(m.Reviews >= 1 && m.Lapses < m.Reviews, "counts");
        Check(m.State.Stability > 0 && m.State.Difficulty >= 1 && m.State.Difficulty <= 10,
              "state");
        Check(m.IntervalDays >= 1 && m.DueDay > m.LastDay, "due after the last review");
    }
    Check(counted == entered, "the entered reviews are the cards' reviews");
    model.Due(history, cards, cards.empty() ? 0 : cards.front().DueDay, 10, true);
    return 0;
}
