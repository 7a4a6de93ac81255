// Reading an Anki package as the importer does (the zip, the collection
// unpacked and read, every field reduced to text, the common collection made),
// in a fresh process, with its peak resident memory against the package's
// size. Target: 20,000 notes with 20,000 media files under 3 s, memory under 3x
// the package. The media copy is timed apart; reading the package file and
// listing the zip with libzip, and writing as many small files, are timed in
// the same run for scale.
//   anki_import_rss --generate <notes> <path>   writes a sample package
//   anki_import_rss <path>                       reads it and reports

#include <sys/resource.h>
#include <sys/stat.h>
#include <zip.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "import/AnkiImport.h"
#include "import/AnkiTestDeck.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Notes as shared decks hold them: half plain text, half with markup and
// entities; every note with a recording on each side.
void Generate(int notes, const std::string& path)
{
    using namespace korvan::test;
    TDeckSpec deck;
    deck.Schema = 18;
    deck.Decks = {{1, "Default"}, {2, "Russian::Sentences"}};
    deck.Types = {{10, "Basic", {"Russian", "English"}},
                  {11, "Sentence", {"Russian", "English", "Note"}}};
    std::vector<TMediaSpec> media;
    std::mt19937 random(12345);
    const auto sound = [&](const std::string& name) {
        // Recordings do not compress: random bytes of 1 to 3 KB.
        std::string bytes(1024 + random() % 2048, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        media.push_back({name, bytes});
        return "[sound:" + name + "]";
    };
    for (int i = 0; i < notes; ++i) {
        const std::string n = std::to_string(i);
        const std::string ru = "ru" + n + ".mp3";
        if (i % 2 == 0)
            deck.Notes.push_back(
                {10, 2, {"Это предложение номер " + n + "." + sound(ru), "This is sentence " + n}});
        else
            deck.Notes.push_back(
                {11,
                 2,
                 {"<div>Он сказал: &laquo;Привет, " + n + "&raquo;</div>" + sound(ru),
                  "He said: &quot;Hi, " + n + "&quot;<br>", "<i>a note</i>"}});
    }
    WritePackage(path, TTestLayout::Latest, deck, media);
}

long PeakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The floor: the package's bytes read through once, and its members listed.
double FloorMs(const std::string& path)
{
    const auto start = Clock::now();
    std::ifstream in(path, std::ios::binary);
    std::vector<char> buffer(1 << 20);
    while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0) {
    }
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
    zip_stat_t stat;
    for (zip_int64_t i = 0; archive != nullptr && i < zip_get_num_entries(archive, 0); ++i)
        zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat);
    if (archive != nullptr)
        zip_discard(archive);
    return MsSince(start);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--generate") {
        Generate(std::atoi(argv[2]), argv[3]);
        return 0;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s --generate N PATH | %s PATH\n", argv[0], argv[0]);
        return 2;
    }
    struct stat info
    {
    };
    if (stat(argv[1], &info) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    const double floorMs = FloorMs(argv[1]);
    const long floorRss = PeakRssKb();

    const auto start = Clock::now();
    korvan::TImportCollection collection = korvan::ReadAnkiPackageFile(argv[1]);
    const double readMs = MsSince(start);
    const long rssKb = PeakRssKb();

    // The copy of every recording, timed apart.
    const std::string folder = std::string(argv[1]) + ".media";
    std::filesystem::create_directory(folder);
    const auto copyStart = Clock::now();
    std::size_t copied = 0;
    for (const korvan::TImportRecord& record : collection.Records)
        for (const korvan::TImportCell& cell : record.Cells)
            for (const std::string& name : cell.Sounds)
                copied +=
                    collection.Media->Extract(name, folder + "/" + std::to_string(copied)) ? 1 : 0;
    const double copyMs = MsSince(copyStart);
    std::filesystem::remove_all(folder);
    // The copy's floor: as many files of 2 KB written plainly.
    std::filesystem::create_directory(folder);
    const std::string block(2048, 'x');
    const auto writeStart = Clock::now();
    for (std::size_t i = 0; i < copied; ++i)
        std::ofstream(folder + "/" + std::to_string(i), std::ios::binary) << block;
    const double writeMs = MsSince(writeStart);
    std::filesystem::remove_all(folder);

    const double sizeKb = static_cast<double>(info.st_size) / 1024.0;
    std::printf(
        "package %.1f MB, %zu notes: read in %.0f ms (floor: read + list %.0f ms); peak RSS "
        "%ld KB = %.2fx the package (%ld KB before reading); %zu recordings copied in "
        "%.0f ms (floor: as many 2 KB files written %.0f ms)\n",
        sizeKb / 1024.0, collection.Records.size(), readMs, floorMs, rssKb,
        static_cast<double>(rssKb) / sizeKb, floorRss, copied, copyMs, writeMs);
    return 0;
}
