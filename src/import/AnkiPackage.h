#pragma once

// An Anki package (.apkg, .colpkg): a zip of one SQLite collection, a media
// list and the media files, in one of three layouts. The `meta` entry names
// the layout; without it the newest collection present decides. A
// collection.anki2 beside a newer collection is a placeholder and never read.

#include <cstdint>
#include <string>
#include <unordered_map>

#include "import/AnkiNotes.h"

struct zip;

namespace korvan {

enum class TAnkiLayout
{
    Legacy1, // collection.anki2, media list as JSON
    Legacy2, // collection.anki21, media list as JSON
    Latest,  // collection.anki21b, zstd-compressed; media list as protobuf; members zstd
};

class TAnkiPackage
{
public:
    // Opens the package and reads its collection and its media list. Throws
    // TIoError when the file cannot be opened, TImportError when it is not an
    // Anki package, damaged, of an unknown version or past a limit.
    explicit TAnkiPackage(const std::string& path, const TAnkiLimits& limits = {});
    ~TAnkiPackage();
    TAnkiPackage(const TAnkiPackage&) = delete;
    TAnkiPackage& operator=(const TAnkiPackage&) = delete;

    TAnkiLayout Layout() const { return FLayout; }
    TAnkiNotes& Notes() { return FNotes; }

    // Media names in the list that are not one plain file name ("../x",
    // "/etc/x", "a/b"), and names the list gives to more than one file: both
    // are refused, so a sound that refers to them gets no recording.
    std::size_t UnsafeMediaNames() const { return FUnsafeNames; }
    std::size_t DuplicateMediaNames() const { return FDuplicateNames; }

    // Writes the media file the notes call `name` to `targetPath`, a file the
    // caller staged for it (replaced; removed again when the member fails).
    // False when the package has no usable file of that name: not in the
    // list, refused, or its member missing. Throws TImportError for a damaged
    // member or one past the limits, TIoError when the target cannot be written.
    bool ExtractMedia(const std::string& name, const std::string& targetPath);

private:
    void DetectLayout();
    void ReadCollection();
    void ReadMediaList();
    void AddMedia(std::string name, const std::string& member);

    // Streams member `index` (zstd-decompressed in the latest layout when
    // `compressed`) into `sink`, failing past `limit` bytes unpacked.
    template <typename TSink>
    void ReadMember(std::uint64_t index, bool compressed, std::uint64_t limit, TSink&& sink);
    std::string ReadSmallMember(std::uint64_t index, bool compressed, std::uint64_t limit);
    [[noreturn]] void MemberDamaged(const std::string& member, const std::string& detail) const;

    std::string FPath;
    TAnkiLimits FLimits;
    ::zip* FZip = nullptr;
    TAnkiLayout FLayout = TAnkiLayout::Legacy1;
    TAnkiNotes FNotes;
    std::uint64_t FUnpacked = 0; // bytes unpacked so far, against MaxUnpackedBytes
    std::unordered_map<std::string, std::string> FMedia; // name -> member; "" when refused
    std::size_t FUnsafeNames = 0;
    std::size_t FDuplicateNames = 0;
};

} // namespace korvan
