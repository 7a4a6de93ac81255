#pragma once

// The pupils sharing one installation and the chosen one, kept in Pupils.ini,
// section Main. Names are 1251 text, unique and sorted, both ignoring letter
// case; the order comes from a comparator the window supplies (the user's
// collation), with a plain one for the core.

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace korvan {

// Two 1251 names compared ignoring letter case: below 0, 0 (the same name) or
// above 0.
using TNameCompare = std::function<int(const std::string&, const std::string&)>;

// The core's comparison: ASCII and the Russian alphabet upper-cased, Ё sorted
// right after Е, other bytes by their value.
int CompareNamesIgnoringCase(const std::string& a, const std::string& b);

// A hand-edited PupilsCount is bounded: a huge number would exhaust memory.
constexpr int MaxPupilsLoaded = 1000;

// "Ученик " followed by a number, in 1251: the name of pupil `number` when the
// file does not give one.
std::string DefaultPupilName(int number);

// A name as the name editor takes it: blanks and control characters removed
// from both ends.
std::string TrimPupilName(const std::string& name);

enum class TPupilEdit
{
    Done,      // added or renamed; Select is the entry of the new name
    Duplicate, // the name is there already (letter case ignored): Select is that entry
    Unchanged, // renamed to exactly the old name: nothing to do
};

struct TPupilEditResult
{
    TPupilEdit Outcome;
    int Select; // the entry to select afterwards
};

enum class TPupilChoice
{
    Ok,
    EmptyList,   // "Перечень учеников не может быть пуст."
    NoSelection, // "Ученик не выбран."
};

// The names in sorted order, each at most once.
class TPupilList
{
public:
    explicit TPupilList(TNameCompare compare = CompareNamesIgnoringCase);

    const std::vector<std::string>& Names() const { return List; }
    int Count() const { return static_cast<int>(List.size()); }
    const std::string& Name(int index) const { return List.at(static_cast<std::size_t>(index)); }
    // The entry holding `name` ignoring letter case, or -1.
    int IndexOf(const std::string& name) const;

    // Inserts the name in its sorted place, unless it is there already.
    TPupilEditResult Add(const std::string& name);
    // Renames entry `index`. A name that differs from the old one only in
    // letter case finds the old entry itself and so is a Duplicate.
    TPupilEditResult Rename(int index, const std::string& newName);
    // Removes entry `index`; returns the entry to select then: the one now at
    // the same place, the last one when the removed one was last, -1 when the
    // list is empty.
    int Delete(int index);
    void Clear() { List.clear(); }

private:
    int LowerBound(const std::string& name) const;

    TNameCompare Compare;
    std::vector<std::string> List;
};

// "Выбрать" needs a non-empty list and a selected entry.
TPupilChoice CheckPupilChoice(int count, int selected);

struct TPupils
{
    explicit TPupils(TNameCompare compare = CompareNamesIgnoringCase) : Names(std::move(compare)) {}

    // Reads the settings; anything else than a usable list is made usable:
    // PupilsCount below 1, or no non-empty name, gives the one pupil
    // "Ученик 1"; empty names are left out; of names equal up to letter case
    // the first in the file stays; a SelectedPupilIndex outside the list
    // chooses the first pupil. A missing file gives the defaults.
    void Load(const std::string& iniPath);
    // ShowPupilsAtStartup, PupilsCount, SelectedPupilIndex, then the names as
    // PupilName_0, PupilName_1, ... in list order, in one replacement of the
    // file; higher keys left from a longer list stay. Throws TIoError.
    void Save(const std::string& iniPath) const;

    // The chosen pupil's name; SelectedPupilIndex is always valid.
    const std::string& CurrentPupil() const { return Names.Name(SelectedPupilIndex); }

    bool ShowPupilsAtStartup = false;
    TPupilList Names;
    int SelectedPupilIndex = 0;
};

} // namespace korvan
