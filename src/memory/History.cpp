#include "memory/History.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <memory>
#include <thread>

#include "memory/HistoryFormat.h"
#include "util/Errors.h"

namespace korvan {

namespace {

// An id longer than this is no id of a sane writer; the line is unreadable.
constexpr std::size_t MaxIdLength = 255;
constexpr std::size_t ChunkSize = 1 << 20;

struct TFileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string Failure(const std::string& what, const std::string& path, int error)
{
    return what + " \"" + path + "\": " + std::strerror(error);
}

} // namespace

std::uint32_t THistory::CardIndex(std::string_view key)
{
    const auto found = Index.find(key);
    if (found != Index.end())
        return found->second;
    const auto index = static_cast<std::uint32_t>(Cards.size());
    THistoryCard card;
    card.Key = std::string(key);
    Cards.push_back(std::move(card));
    Index.emplace(std::string(key), index);
    return index;
}

void THistory::TakeLine(char* line, std::size_t length)
{
    const THistoryLine parsed = ParseHistoryLine(line, length);
    switch (parsed.Kind) {
    case THistoryLineKind::Other:
        return;
    case THistoryLineKind::Unreadable:
        ++UnreadableLines;
        return;
    case THistoryLineKind::Card: {
        // The card as its latest record read tells it (a lesson moved).
        THistoryCard& card = Cards[CardIndex(parsed.Card)];
        card.Described = true;
        card.Direction = parsed.Direction;
        card.Ru = parsed.Ru;
        card.En = parsed.En;
        card.Comment = parsed.Comment;
        card.Lesson = parsed.Lesson;
        card.Number = parsed.Number;
        return;
    }
    case THistoryLineKind::Review:
        break;
    }
    if (parsed.Id.size() > MaxIdLength || Ids.size() > UINT32_MAX - MaxIdLength) {
        ++UnreadableLines;
        return;
    }
    THistoryReview review;
    review.Utc = parsed.Time.Utc;
    review.Offset = parsed.Time.Offset;
    review.Card = CardIndex(parsed.Card);
    review.IdAt = static_cast<std::uint32_t>(Ids.size());
    review.IdLength = static_cast<std::uint16_t>(parsed.Id.size());
    review.Grade = static_cast<std::uint8_t>(parsed.Grade);
    Ids.append(parsed.Id);
    Reviews.push_back(review);
}

void THistory::ReadText(std::string text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        // The line feed (or the string's own terminator) takes the zero the
        // parser puts after the line.
        TakeLine(text.data() + start, end - start);
        start = end + 1;
    }
}

void THistory::ReadFile(const std::string& path)
{
    std::unique_ptr<std::FILE, TFileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        throw TIoError(Failure("Cannot open", path, errno));
    // Room for the reviews a file of this size holds (our lines are about 160
    // bytes, 20 of them the id), so that a big history is not copied as it grows.
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error) {
        Reviews.reserve(Reviews.size() + size / 160);
        Ids.reserve(Ids.size() + size / 8);
    }
    // Lines are taken from a buffer read in chunks, so a big file never sits
    // in memory whole; a line longer than the buffer grows it.
    std::vector<char> buffer(ChunkSize + 1);
    std::size_t filled = 0;
    for (;;) {
        if (filled == buffer.size() - 1)
            buffer.resize(buffer.size() * 2);
        const std::size_t got =
            std::fread(buffer.data() + filled, 1, buffer.size() - 1 - filled, file.get());
        if (got == 0) {
            if (std::ferror(file.get()))
                throw TIoError(Failure("Cannot read", path, errno));
            break;
        }
        filled += got;
        std::size_t start = 0;
        for (;;) {
            char* feed =
                static_cast<char*>(std::memchr(buffer.data() + start, '\n', filled - start));
            if (feed == nullptr)
                break;
            const std::size_t end = static_cast<std::size_t>(feed - buffer.data());
            TakeLine(buffer.data() + start, end - start);
            start = end + 1;
        }
        std::memmove(buffer.data(), buffer.data() + start, filled - start);
        filled -= start;
    }
    // A last line without its line feed: whole when another tool wrote it so,
    // unreadable when a write was cut off.
    if (filled > 0)
        TakeLine(buffer.data(), filled);
    Files.push_back(path);
}

void THistory::ReadFolder(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (!fs::exists(folder, error))
        return;
    std::vector<std::string> names;
    fs::directory_iterator it(folder, error);
    if (error)
        throw TIoError(Failure("Cannot list", folder, error.value()));
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error)
            throw TIoError(Failure("Cannot list", folder, error.value()));
        const fs::path& path = it->path();
        if (path.extension() == ".jsonl" && it->is_regular_file(error))
            names.push_back(path.string());
    }
    std::sort(names.begin(), names.end());
    ReadFiles(names);
}

void THistory::ReadFiles(const std::vector<std::string>& paths)
{
    // Split where the sizes before and after are nearest alike; the order of
    // the files is kept, so the later description of a card still wins.
    std::vector<std::uintmax_t> sizes;
    std::uintmax_t total = 0;
    for (const std::string& path : paths) {
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        sizes.push_back(error ? 0 : size);
        total += sizes.back();
    }
    constexpr std::uintmax_t WorthAThread = 16 << 20;
    if (paths.size() < 2 || total < WorthAThread || std::thread::hardware_concurrency() < 2) {
        for (const std::string& path : paths)
            ReadFile(path);
        return;
    }
    std::size_t split = 1;
    std::uintmax_t before = sizes[0];
    while (split + 1 < paths.size() && before + sizes[split] <= total / 2)
        before += sizes[split++];

    THistory later;
    std::exception_ptr failure;
    std::thread reader([&] {
        try {
            for (std::size_t i = split; i < paths.size(); ++i)
                later.ReadFile(paths[i]);
        } catch (...) {
            failure = std::current_exception();
        }
    });
    try {
        for (std::size_t i = 0; i < split; ++i)
            ReadFile(paths[i]);
    } catch (...) {
        reader.join();
        throw;
    }
    reader.join();
    if (failure)
        std::rethrow_exception(failure);
    Merge(std::move(later));
}

void THistory::Merge(THistory&& other)
{
    std::vector<std::uint32_t> cardOf(other.Cards.size());
    for (std::size_t i = 0; i < other.Cards.size(); ++i) {
        THistoryCard& card = other.Cards[i];
        cardOf[i] = CardIndex(card.Key);
        if (card.Described)
            Cards[cardOf[i]] = std::move(card);
    }
    if (Ids.size() + other.Ids.size() > UINT32_MAX)
        throw TIoError("The history is too large: its ids pass 4 GB");
    const auto idBase = static_cast<std::uint32_t>(Ids.size());
    Reviews.reserve(Reviews.size() + other.Reviews.size());
    for (THistoryReview review : other.Reviews) {
        review.Card = cardOf[review.Card];
        review.IdAt += idBase;
        Reviews.push_back(review);
    }
    Ids += other.Ids;
    UnreadableLines += other.UnreadableLines;
    Files.insert(Files.end(), other.Files.begin(), other.Files.end());
}

} // namespace korvan
