#include "memory/HistoryWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "util/Errors.h"

namespace korvan {

namespace {

std::string Failure(const std::string& what, const std::string& path, int error)
{
    return what + " \"" + path + "\": " + std::strerror(error);
}

// Makes the folder and any missing parent; with `mode` 0700 each one made
// here is private.
void MakeFolders(const std::filesystem::path& folder, mode_t mode)
{
    if (folder.empty() || std::filesystem::is_directory(folder))
        return;
    MakeFolders(folder.parent_path(), mode);
    if (::mkdir(folder.c_str(), mode) != 0 && errno != EEXIST)
        throw TIoError(Failure("Cannot create the folder", folder.string(), errno));
}

// The keys of the card records a file of ours holds. Our writer puts "type"
// and "card" first, so a plain scan finds them without parsing every line.
void ScanCardKeys(int fd, std::unordered_set<std::string>& keys)
{
    static constexpr std::string_view Prefix = R"({"type":"card","card":")";
    std::string carry;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0)
            break;
        carry.append(buffer, static_cast<std::size_t>(got));
        std::size_t start = 0;
        for (std::size_t end; (end = carry.find('\n', start)) != std::string::npos;
             start = end + 1) {
            const std::string_view line(carry.data() + start, end - start);
            if (line.substr(0, Prefix.size()) != Prefix)
                continue;
            const std::size_t close = line.find('"', Prefix.size());
            if (close != std::string_view::npos)
                keys.emplace(line.substr(Prefix.size(), close - Prefix.size()));
        }
        carry.erase(0, start);
    }
}

} // namespace

THistoryWriter::THistoryWriter(std::string folder, std::string fileName, bool privateFiles)
    : Folder(std::move(folder)), Private(privateFiles)
{
    if (!Folder.empty() && Folder.back() != '/')
        Folder += '/';
    FilePath = Folder + fileName;
}

THistoryWriter::~THistoryWriter()
{
    if (Fd >= 0)
        ::close(Fd);
}

void THistoryWriter::Open()
{
    const mode_t folderMode = Private ? 0700 : 0777;
    MakeFolders(std::filesystem::path(Folder).parent_path(), folderMode);
    const int fd =
        ::open(FilePath.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, Private ? 0600 : 0666);
    if (fd < 0)
        throw TIoError(Failure("Cannot open", FilePath, errno));
    ScanCardKeys(fd, KnownCards);
    // A last line cut off gets its end, so that our first record is whole.
    const off_t size = ::lseek(fd, 0, SEEK_END);
    char last = '\n';
    if (size > 0 && ::pread(fd, &last, 1, size - 1) != 1)
        last = '\n';
    Fd = fd;
    if (last != '\n')
        WriteAll("\n");
}

void THistoryWriter::WriteAll(const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(Fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            // Opened afresh at the next record, which mends a line cut off here.
            ::close(Fd);
            Fd = -1;
            KnownCards.clear();
            throw TIoError(Failure("Cannot write", FilePath, error));
        }
        done += static_cast<std::size_t>(wrote);
    }
}

void THistoryWriter::Append(const TCardRecord& card, const TReviewRecord& review)
{
    if (Fd < 0)
        Open();
    std::string lines;
    const bool newCard = KnownCards.count(card.Card) == 0;
    if (newCard)
        lines = FormatCardRecord(card) + "\n";
    lines += FormatReviewRecord(review) + "\n";
    WriteAll(lines);
    if (newCard)
        KnownCards.insert(card.Card);
}

void THistoryWriter::Sync()
{
    if (Fd >= 0 && ::fsync(Fd) != 0)
        throw TIoError(Failure("Cannot write", FilePath, errno));
}

} // namespace korvan
