#include "settings/Pupils.h"

#include <algorithm>

#include "util/IniFile.h"
#include "util/Text.h"

namespace korvan {

namespace {

constexpr const char* Section = "Main";

// 1251 bytes of the letters that have a case.
constexpr unsigned char CapitalYo = 0xA8; // Ё
constexpr unsigned char SmallYo = 0xB8;   // ё
constexpr unsigned char CapitalA = 0xC0;  // А; а..я follow Я at 0xE0..0xFF
constexpr unsigned char CapitalYe = 0xC5; // Е

// A sort key per byte: letters upper-cased, Ё between Е and Ж.
unsigned SortKey(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        c = static_cast<unsigned char>(c - 'a' + 'A');
    else if (c >= 0xE0)
        c = static_cast<unsigned char>(c - 0x20);
    if (c == SmallYo || c == CapitalYo)
        return CapitalYe * 2u + 1u;
    return c * 2u;
}

} // namespace

int CompareNamesIgnoringCase(const std::string& a, const std::string& b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned x = SortKey(static_cast<unsigned char>(a[i]));
        const unsigned y = SortKey(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::string DefaultPupilName(int number)
{
    return ToCp1251("Ученик ") + std::to_string(number);
}

std::string TrimPupilName(const std::string& name)
{
    return std::string(TrimControls(name));
}

// ---------------------------------------------------------------- TPupilList

TPupilList::TPupilList(TNameCompare compare) : Compare(std::move(compare)) {}

int TPupilList::LowerBound(const std::string& name) const
{
    const auto it = std::lower_bound(List.begin(), List.end(), name,
                                     [this](const std::string& entry, const std::string& key) {
                                         return Compare(entry, key) < 0;
                                     });
    return static_cast<int>(it - List.begin());
}

int TPupilList::IndexOf(const std::string& name) const
{
    const int at = LowerBound(name);
    return at < Count() && Compare(List[static_cast<std::size_t>(at)], name) == 0 ? at : -1;
}

TPupilEditResult TPupilList::Add(const std::string& name)
{
    const int at = LowerBound(name);
    if (at < Count() && Compare(List[static_cast<std::size_t>(at)], name) == 0)
        return {TPupilEdit::Duplicate, at};
    List.insert(List.begin() + at, name);
    return {TPupilEdit::Done, at};
}

TPupilEditResult TPupilList::Rename(int index, const std::string& newName)
{
    if (Name(index) == newName)
        return {TPupilEdit::Unchanged, index};
    if (const int existing = IndexOf(newName); existing >= 0)
        return {TPupilEdit::Duplicate, existing};
    List.erase(List.begin() + index);
    return Add(newName);
}

int TPupilList::Delete(int index)
{
    List.erase(List.begin() + index);
    if (List.empty())
        return -1;
    return std::min(index, Count() - 1);
}

TPupilChoice CheckPupilChoice(int count, int selected)
{
    if (count <= 0)
        return TPupilChoice::EmptyList;
    if (selected < 0 || selected >= count)
        return TPupilChoice::NoSelection;
    return TPupilChoice::Ok;
}

// ---------------------------------------------------------------- TPupils

void TPupils::Load(const std::string& iniPath)
{
    const TIniData ini = TIniFile(iniPath).ReadAll();
    ShowPupilsAtStartup = ini.ReadBool(Section, "ShowPupilsAtStartup", false);
    const int count = std::min(ini.ReadInteger(Section, "PupilsCount", 1), MaxPupilsLoaded);
    const int selected = ini.ReadInteger(Section, "SelectedPupilIndex", 0);
    Names.Clear();
    for (int i = 0; i < count; ++i) {
        const std::string name = TrimPupilName(
            ini.ReadString(Section, "PupilName_" + std::to_string(i), DefaultPupilName(i + 1)));
        // The dialog never stores an empty name or two equal ones.
        if (!name.empty())
            Names.Add(name);
    }
    if (Names.Count() == 0)
        Names.Add(DefaultPupilName(1));
    SelectedPupilIndex = selected >= 0 && selected < Names.Count() ? selected : 0;
}

void TPupils::Save(const std::string& iniPath) const
{
    TIniFile(iniPath).Modify([&](TIniData& ini) {
        ini.WriteBool(Section, "ShowPupilsAtStartup", ShowPupilsAtStartup);
        ini.WriteInteger(Section, "PupilsCount", Names.Count());
        ini.WriteInteger(Section, "SelectedPupilIndex", SelectedPupilIndex);
        for (int i = 0; i < Names.Count(); ++i)
            ini.WriteString(Section, "PupilName_" + std::to_string(i), Names.Name(i));
    });
}

} // namespace korvan
