#include "import/AnkiPackage.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <unistd.h>
#include <vector>
#include <zip.h>
#include <zstd.h>

#include "i18n/Marked.h"
#include "import/AnkiDatabase.h"
#include "import/AnkiPackage.pb.h"
#include "util/Errors.h"

namespace korvan {

namespace {

constexpr std::uint64_t MaxMetaBytes = 64 * 1024;

std::string Megabytes(std::uint64_t bytes)
{
    return std::to_string(bytes >> 20);
}

[[noreturn]] void NotAPackage(const std::string& detail)
{
    throw TImportError("the Anki package is damaged or truncated (" + detail + ")",
                       KORVAN_RUSSIAN("пакет Anki повреждён или обрезан"));
}

[[noreturn]] void MediaListDamaged(const std::string& detail)
{
    throw TImportError("the media list of the Anki package is damaged (" + detail + ")",
                       KORVAN_RUSSIAN("список медиафайлов пакета Anki повреждён"));
}

// One plain file name: no folder, no way out of the folder it is put in.
bool IsPlainFileName(const std::string& name)
{
    if (name.empty() || name.size() > 255 || name == "." || name == "..")
        return false;
    for (const char c : name)
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 32)
            return false;
    return true;
}

// A scratch file for the unpacked collection, which SQLite reads from disk
// (it may be far larger than memory should hold). Removed when done.
class TScratchFile
{
public:
    TScratchFile()
    {
        std::error_code error;
        const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
        Path = (error ? std::filesystem::path("/tmp") : folder) / "korvan-anki-XXXXXX";
        Fd = mkstemp(Path.data());
        if (Fd < 0)
            throw TIoError("Cannot create a temporary file in " + folder.string() + ": " +
                           std::strerror(errno));
    }
    ~TScratchFile()
    {
        if (Fd >= 0)
            close(Fd);
        unlink(Path.c_str());
    }
    TScratchFile(const TScratchFile&) = delete;
    TScratchFile& operator=(const TScratchFile&) = delete;

    void Write(const char* data, std::size_t size)
    {
        while (size > 0) {
            const ssize_t n = write(Fd, data, size);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                throw TIoError("Cannot write " + Path + ": " + std::strerror(errno));
            data += n;
            size -= static_cast<std::size_t>(n);
        }
    }

    std::string Path;

private:
    int Fd = -1;
};

} // namespace

TAnkiPackage::TAnkiPackage(const std::string& path, const TAnkiLimits& limits)
    : FPath(path), FLimits(limits)
{
    int error = 0;
    FZip = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (FZip == nullptr) {
        zip_error_t detail;
        zip_error_init_with_code(&detail, error);
        const std::string text = zip_error_strerror(&detail);
        zip_error_fini(&detail);
        if (error == ZIP_ER_OPEN || error == ZIP_ER_READ || error == ZIP_ER_NOENT)
            throw TIoError("Cannot open file " + path + ": " + text);
        NotAPackage(text);
    }
    try {
        const auto members = static_cast<std::uint64_t>(zip_get_num_entries(FZip, 0));
        if (members > FLimits.MaxMembers)
            throw TImportError("the Anki package holds " + std::to_string(members) +
                                   " files, more than the " + std::to_string(FLimits.MaxMembers) +
                                   " this program opens",
                               KORVAN_RUSSIAN("в пакете Anki ") + std::to_string(members) +
                                   KORVAN_RUSSIAN(" файлов, больше, чем программа открывает (") +
                                   std::to_string(FLimits.MaxMembers) + ")");
        DetectLayout();
        ReadCollection();
        ReadMediaList();
    } catch (...) {
        zip_discard(FZip);
        throw;
    }
}

TAnkiPackage::~TAnkiPackage()
{
    zip_discard(FZip);
}

void TAnkiPackage::DetectLayout()
{
    const zip_int64_t meta = zip_name_locate(FZip, "meta", 0);
    if (meta < 0) {
        // Anki itself would then read collection.anki2, which beside a newer
        // collection is only the placeholder asking to update Anki.
        FLayout = zip_name_locate(FZip, "collection.anki21b", 0) >= 0  ? TAnkiLayout::Latest
                  : zip_name_locate(FZip, "collection.anki21", 0) >= 0 ? TAnkiLayout::Legacy2
                                                                       : TAnkiLayout::Legacy1;
        return;
    }
    const std::string bytes =
        ReadSmallMember(static_cast<std::uint64_t>(meta), false, MaxMetaBytes);
    korvan::anki::PackageMetadata metadata;
    if (!metadata.ParseFromString(bytes))
        NotAPackage("its meta entry is not readable");
    switch (metadata.version()) {
    case 1:
        FLayout = TAnkiLayout::Legacy1;
        return;
    case 2:
        FLayout = TAnkiLayout::Legacy2;
        return;
    case 3:
        FLayout = TAnkiLayout::Latest;
        return;
    default:
        throw TImportError(
            "the Anki package is of a version (" + std::to_string(metadata.version()) +
                ") this program does not read; export it again from Anki with \"Support older "
                "Anki versions\" ticked",
            KORVAN_RUSSIAN("пакет Anki неизвестной программе версии (") +
                std::to_string(metadata.version()) +
                KORVAN_RUSSIAN(
                    "); экспортируйте его из Anki заново с флажком «Support older Anki versions»"));
    }
}

void TAnkiPackage::ReadCollection()
{
    const char* name = FLayout == TAnkiLayout::Latest    ? "collection.anki21b"
                       : FLayout == TAnkiLayout::Legacy2 ? "collection.anki21"
                                                         : "collection.anki2";
    const zip_int64_t index = zip_name_locate(FZip, name, 0);
    if (index < 0)
        throw TImportError(std::string("the file holds no Anki collection (") + name + ")",
                           std::string(KORVAN_RUSSIAN("в файле нет коллекции Anki (")) + name +
                               ")");
    TScratchFile scratch;
    ReadMember(static_cast<std::uint64_t>(index), FLayout == TAnkiLayout::Latest,
               FLimits.MaxCollectionBytes,
               [&](const char* data, std::size_t size) { scratch.Write(data, size); });
    FNotes = ReadAnkiDatabase(scratch.Path, FLimits);
}

void TAnkiPackage::ReadMediaList()
{
    const zip_int64_t index = zip_name_locate(FZip, "media", 0);
    // Some packages (older AnkiDroid's) have no media list: no media.
    if (index < 0)
        return;
    const bool latest = FLayout == TAnkiLayout::Latest;
    const std::string bytes =
        ReadSmallMember(static_cast<std::uint64_t>(index), latest, FLimits.MaxMediaBytes);
    if (latest) {
        korvan::anki::MediaEntries entries;
        if (!entries.ParseFromString(bytes))
            MediaListDamaged("not the protobuf message expected");
        for (int i = 0; i < entries.entries_size(); ++i)
            AddMedia(entries.entries(i).name(), std::to_string(i));
        return;
    }
    try {
        // {"0": "a.mp3", "2": "b.mp3"}: member name to media name; numbers may be missing.
        const auto list = nlohmann::json::parse(bytes);
        if (!list.is_object())
            MediaListDamaged("not a JSON object");
        for (const auto& [member, name] : list.items())
            AddMedia(name.get<std::string>(), member);
    } catch (const nlohmann::json::exception& error) {
        MediaListDamaged(error.what());
    }
}

void TAnkiPackage::AddMedia(std::string name, const std::string& member)
{
    if (!IsPlainFileName(name)) {
        ++FUnsafeNames;
        return;
    }
    const auto [entry, added] = FMedia.emplace(std::move(name), member);
    if (!added && !entry->second.empty()) {
        ++FDuplicateNames;
        entry->second.clear(); // which file is meant cannot be told
    }
}

bool TAnkiPackage::ExtractMedia(const std::string& name, const std::string& targetPath)
{
    const auto entry = FMedia.find(name);
    if (entry == FMedia.end() || entry->second.empty())
        return false;
    const zip_int64_t index = zip_name_locate(FZip, entry->second.c_str(), 0);
    if (index < 0)
        return false;
    // Streamed into the file the caller staged; what a failure leaves of it is
    // removed. No fsync: the caller renames its staged files only when all are
    // written, and one fsync per recording makes a large deck take minutes.
    std::FILE* file = std::fopen(targetPath.c_str(), "wb");
    if (file == nullptr)
        throw TIoError("Cannot write " + targetPath + ": " + std::strerror(errno));
    try {
        ReadMember(static_cast<std::uint64_t>(index), FLayout == TAnkiLayout::Latest,
                   FLimits.MaxMediaBytes, [&](const char* data, std::size_t size) {
                       if (std::fwrite(data, 1, size, file) != size)
                           throw TIoError("Cannot write " + targetPath + ": " +
                                          std::strerror(errno));
                   });
    } catch (...) {
        std::fclose(file);
        std::remove(targetPath.c_str());
        throw;
    }
    if (std::fclose(file) != 0) {
        const int error = errno;
        std::remove(targetPath.c_str());
        throw TIoError("Cannot write " + targetPath + ": " + std::strerror(error));
    }
    return true;
}

std::string TAnkiPackage::ReadSmallMember(std::uint64_t index, bool compressed, std::uint64_t limit)
{
    std::string bytes;
    ReadMember(index, compressed, limit,
               [&](const char* data, std::size_t size) { bytes.append(data, size); });
    return bytes;
}

void TAnkiPackage::MemberDamaged(const std::string& member, const std::string& detail) const
{
    throw TImportError("the file " + member + " in the Anki package is damaged (" + detail + ")",
                       KORVAN_RUSSIAN("файл ") + member +
                           KORVAN_RUSSIAN(" в пакете Anki повреждён"));
}

template <typename TSink>
void TAnkiPackage::ReadMember(std::uint64_t index, bool compressed, std::uint64_t limit,
                              TSink&& sink)
{
    const char* rawName = zip_get_name(FZip, index, ZIP_FL_ENC_RAW);
    const std::string member = rawName != nullptr ? rawName : std::to_string(index);
    const std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> file(zip_fopen_index(FZip, index, 0),
                                                                 zip_fclose);
    if (!file)
        MemberDamaged(member, zip_error_strerror(zip_get_error(FZip)));
    const std::unique_ptr<ZSTD_DCtx, std::size_t (*)(ZSTD_DCtx*)> zstd(
        compressed ? ZSTD_createDCtx() : nullptr, ZSTD_freeDCtx);

    std::uint64_t produced = 0;
    const auto emit = [&](const char* data, std::size_t size) {
        produced += size;
        FUnpacked += size;
        const std::uint64_t bound = produced > limit ? limit : FLimits.MaxUnpackedBytes;
        if (produced > limit || FUnpacked > FLimits.MaxUnpackedBytes)
            throw TImportError("the file " + member + " in the Anki package unpacks to more than " +
                                   Megabytes(bound) + " MB; it is refused (a zip bomb?)",
                               KORVAN_RUSSIAN("файл ") + member +
                                   KORVAN_RUSSIAN(" в пакете Anki распаковывается более чем в ") +
                                   Megabytes(bound) +
                                   KORVAN_RUSSIAN(" МБ и не принят (возможно, это zip-бомба)"));
        sink(data, size);
    };

    std::vector<char> in(64 * 1024);
    std::vector<char> out(compressed ? ZSTD_DStreamOutSize() : 0);
    std::size_t pending = 0; // what zstd still expects of the current frame
    bool sawInput = false;
    for (;;) {
        const zip_int64_t n = zip_fread(file.get(), in.data(), in.size());
        if (n < 0)
            MemberDamaged(member, zip_file_strerror(file.get()));
        if (n == 0)
            break;
        sawInput = true;
        if (!compressed) {
            emit(in.data(), static_cast<std::size_t>(n));
            continue;
        }
        ZSTD_inBuffer input{in.data(), static_cast<std::size_t>(n), 0};
        for (;;) {
            ZSTD_outBuffer output{out.data(), out.size(), 0};
            pending = ZSTD_decompressStream(zstd.get(), &output, &input);
            if (ZSTD_isError(pending))
                MemberDamaged(member, ZSTD_getErrorName(pending));
            emit(out.data(), output.pos);
            // A full output buffer may leave more in zstd's own.
            if (input.pos == input.size && output.pos < output.size)
                break;
        }
    }
    if (compressed && (!sawInput || pending != 0))
        MemberDamaged(member, "the compressed data ends early");
}

} // namespace korvan
