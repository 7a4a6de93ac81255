#include "import/AnkiNotes.h"

#include <map>

#include "i18n/Marked.h"
#include "import/HtmlText.h"

namespace korvan {

namespace {

constexpr std::string_view SoundOpen = "[sound:";

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string AnkiSkipText(TAnkiSkip reason)
{
    switch (reason) {
    case TAnkiSkip::Cloze:
        return "cloze notes";
    case TAnkiSkip::FieldTooLong:
        return "notes with a field over 1 MB";
    case TAnkiSkip::UnknownNoteType:
        return "notes of a missing note type";
    case TAnkiSkip::NoDeck:
        return "notes without cards";
    }
    return {};
}

std::string AnkiSkipRussian(TAnkiSkip reason)
{
    switch (reason) {
    case TAnkiSkip::Cloze:
        return KORVAN_RUSSIAN("заметки с пропусками (cloze)");
    case TAnkiSkip::FieldTooLong:
        return KORVAN_RUSSIAN("заметки с полем больше 1 МБ");
    case TAnkiSkip::UnknownNoteType:
        return KORVAN_RUSSIAN("заметки неизвестного типа");
    case TAnkiSkip::NoDeck:
        return KORVAN_RUSSIAN("заметки без карточек");
    }
    return {};
}

TImportCell ReduceAnkiField(std::string_view raw, bool html)
{
    TImportCell cell;
    std::string rest;
    rest.reserve(raw.size());
    std::size_t at = 0;
    for (;;) {
        const std::size_t open = raw.find(SoundOpen, at);
        const std::size_t close =
            open == std::string_view::npos ? open : raw.find(']', open + SoundOpen.size());
        if (close == std::string_view::npos) {
            rest.append(raw.substr(at));
            break;
        }
        rest.append(raw.substr(at, open - at));
        rest += ' ';
        const std::string_view name =
            raw.substr(open + SoundOpen.size(), close - open - SoundOpen.size());
        std::string decoded = html ? HtmlToText(name) : OneLine(name);
        if (!decoded.empty())
            cell.Sounds.push_back(std::move(decoded));
        at = close + 1;
    }
    cell.Text = html ? HtmlToText(rest) : OneLine(rest);
    return cell;
}

bool HoldsCloze(std::string_view raw)
{
    for (std::size_t at = raw.find("{{c"); at != std::string_view::npos;
         at = raw.find("{{c", at + 1)) {
        std::size_t end = at + 3;
        while (end < raw.size() && IsDigit(raw[end]))
            ++end;
        if (end > at + 3 && raw.substr(end, 2) == "::")
            return true;
    }
    return false;
}

void AddAnkiNote(TAnkiNotes& notes, std::size_t noteType, int deck,
                 const std::vector<std::string_view>& rawFields, bool html, std::size_t place,
                 const TAnkiLimits& limits)
{
    for (const std::string_view raw : rawFields)
        if (raw.size() > limits.MaxFieldBytes) {
            notes.Skip(TAnkiSkip::FieldTooLong);
            return;
        }
    if (notes.NoteTypes[noteType].Cloze) {
        notes.Skip(TAnkiSkip::Cloze);
        return;
    }
    for (const std::string_view raw : rawFields)
        if (HoldsCloze(raw)) {
            notes.Skip(TAnkiSkip::Cloze);
            return;
        }
    TAnkiNote note;
    note.NoteType = noteType;
    note.Deck = deck;
    note.Place = place;
    // A note with fewer fields than its type (a damaged row) gets empty ones;
    // more than its type has are not shown anywhere in Anki either.
    const std::size_t count = notes.NoteTypes[noteType].FieldNames.size();
    note.Fields.resize(count);
    for (std::size_t i = 0; i < count && i < rawFields.size(); ++i)
        note.Fields[i] = ReduceAnkiField(rawFields[i], html);
    notes.Notes.push_back(std::move(note));
}

void DropEmptyDecks(TAnkiNotes& notes)
{
    std::map<std::string, int> used; // name -> new index
    for (const TAnkiNote& note : notes.Notes)
        if (note.Deck >= 0)
            used.emplace(notes.Decks[static_cast<std::size_t>(note.Deck)], 0);
    std::vector<std::string> names;
    for (auto& [name, index] : used) {
        index = static_cast<int>(names.size());
        names.push_back(name);
    }
    for (TAnkiNote& note : notes.Notes)
        if (note.Deck >= 0)
            note.Deck = used[notes.Decks[static_cast<std::size_t>(note.Deck)]];
    notes.Decks = std::move(names);
}

std::vector<std::string_view> SplitAnkiFields(std::string_view flds)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t separator = flds.find('\x1f');
        fields.push_back(flds.substr(0, separator));
        if (separator == std::string_view::npos)
            return fields;
        flds.remove_prefix(separator + 1);
    }
}

} // namespace korvan
