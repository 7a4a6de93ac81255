// Imports a Tatoeba weekly export in a fresh process and reports the time and
// the peak resident memory against the size of the input files:
//   tatoeba_import_rss --generate <sentences> <folder>   writes a sample export
//   tatoeba_import_rss <folder> <out folder>             imports it and reports
// The sample is shaped like the real export: 35 % Russian, 40 % English and
// 25 % other sentences, most Russian ones linked to an English translation
// (some to two, some to none), every link listed in both directions.

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "import/ImportBuild.h"
#include "import/ImportWrite.h"
#include "import/TatoebaReader.h"

namespace {

const char* const RussianWords[] = {"я",      "ты",     "мы",     "дом",     "кошка",
                                    "собака", "читать", "книгу",  "сегодня", "очень",
                                    "хорошо", "вчера",  "пойдём", "в",       "школу",
                                    "молоко", "не",     "знаю",   "где",     "\\\"он\\\""};
const char* const EnglishWords[] = {"I",    "you",       "we",       "house", "cat",
                                    "dog",  "read",      "a book",   "today", "very",
                                    "well", "yesterday", "let's go", "to",    "school",
                                    "milk", "don't",     "know",     "where", "\\\"he\\\""};

std::string Sentence(std::mt19937& random, const char* const* words)
{
    std::string text;
    const int count = 3 + static_cast<int>(random() % 8);
    for (int w = 0; w < count; ++w) {
        if (w > 0)
            text += ' ';
        text += words[random() % 20];
    }
    return text + ".";
}

void Generate(long count, const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    std::ofstream sentences(folder / "sentences.csv", std::ios::binary);
    std::ofstream links(folder / "links.csv", std::ios::binary);
    std::ofstream audio(folder / "sentences_with_audio.csv", std::ios::binary);
    std::mt19937 random(12);
    std::vector<long> english;
    for (long id = 1; id <= count; ++id) {
        const unsigned kind = random() % 100;
        if (kind < 35) {
            sentences << id << "\trus\t" << Sentence(random, RussianWords) << "\n";
        } else if (kind < 75) {
            sentences << id << "\teng\t" << Sentence(random, EnglishWords) << "\n";
            english.push_back(id);
        } else {
            sentences << id << "\t" << (kind < 95 ? "deu" : "\\N") << "\tEin Satz Nummer " << id
                      << ".\n";
        }
    }
    // Links by the first id, as the export lists them: Russian sentences
    // point to earlier and later English ones.
    sentences.close();
    std::ifstream read(folder / "sentences.csv", std::ios::binary);
    std::string line;
    while (std::getline(read, line)) {
        const long id = std::atol(line.c_str());
        if (line.find("\trus\t") == std::string::npos || english.empty())
            continue;
        const unsigned kind = random() % 100;
        const int translations = kind < 25 ? 0 : kind < 90 ? 1 : 2;
        for (int t = 0; t < translations; ++t) {
            const long to = english[random() % english.size()];
            links << id << "\t" << to << "\n" << to << "\t" << id << "\n";
        }
        if (kind % 10 == 0)
            audio << id << "\t" << id * 3 << "\tspeaker\tCC BY 4.0\t\\N\n";
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--generate") {
        Generate(std::atol(argv[2]), argv[3]);
        return 0;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s --generate N FOLDER | %s FOLDER OUT-FOLDER\n", argv[0],
                     argv[0]);
        return 2;
    }
    namespace fs = std::filesystem;
    const fs::path folder(argv[1]);
    double inputMb = 0;
    for (const char* name : {"sentences.csv", "links.csv", "sentences_with_audio.csv"})
        inputMb += static_cast<double>(fs::file_size(folder / name)) / (1 << 20);

    const auto start = std::chrono::steady_clock::now();
    const korvan::TImportCollection collection =
        korvan::ReadTatoebaExportFiles((folder / "sentences.csv").string());
    const auto read = std::chrono::steady_clock::now();
    korvan::TImportOptions options = korvan::ProposeOptions(collection);
    options.MaxWords = 8;
    options.PerLesson = 500;
    options.Unfit = korvan::TUnfitChoice::Skip;
    korvan::TLessonWriter writer((fs::path(argv[2]) / "tatoeba.sl2").string(), nullptr);
    const korvan::TImportSummary summary =
        korvan::BuildLessons(collection, options, std::ref(writer));
    writer.Commit();
    const auto done = std::chrono::steady_clock::now();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double peakMb = static_cast<double>(usage.ru_maxrss) / 1024; // ru_maxrss is in KB
    auto ms = [](auto a, auto b) {
        return std::chrono::duration<double, std::milli>(b - a).count();
    };
    std::printf("pairs %zu, taken %zu in %zu lessons, input %.1f MB, read %.0f ms, build and "
                "write %.0f ms, total %.0f ms, peak RSS %.1f MB (%.2f x input)\n",
                collection.Records.size(), summary.Taken, summary.Lessons, inputMb, ms(start, read),
                ms(read, done), ms(start, done), peakMb, peakMb / inputMb);
    return summary.Taken > 0 ? 0 : 1;
}
