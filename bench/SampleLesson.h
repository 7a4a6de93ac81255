#pragma once

// Writes a lesson of realistic questions for the load benchmarks: sentences of
// 3..10 Russian and English words, a comment on every fourth question and an
// implicit number now and then, about 100 bytes per question. Seeded, so every
// run reads the same file.

#include <cstdio>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "util/Text.h"

namespace korvan::bench {

inline void WriteSampleLesson(const std::string& path, int questions, unsigned seed = 20240607)
{
    static const std::vector<std::string> russian = [] {
        std::vector<std::string> words;
        for (const char* w : {"я",      "ты",       "он",         "она",    "мы",       "они",
                              "живу",   "работает", "читаем",     "пишут",  "дом",      "город",
                              "книгу",  "письмо",   "вечером",    "утром",  "всегда",   "никогда",
                              "в",      "на",       "с",          "по",     "субботам", "Москве",
                              "школе",  "новую",    "интересную", "быстро", "медленно", "друга",
                              "сестра", "ёлку",     "хорошо",     "очень",  "сегодня",  "завтра"})
            words.push_back(korvan::ToCp1251(w));
        return words;
    }();
    static const std::vector<std::string> english = {
        "I",     "you",    "he",     "she",    "we",       "they",   "live",   "works",
        "read",  "write",  "a",      "the",    "house",    "city",   "book",   "letter",
        "in",    "on",     "with",   "every",  "Saturday", "Moscow", "school", "new",
        "quick", "slowly", "friend", "sister", "tree",     "well",   "very",   "today"};
    static const std::string comment = korvan::ToCp1251("Вопрос в прошедшем времени");

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        throw std::runtime_error("cannot create " + path);
    std::mt19937 random(seed);
    auto pick = [&](int from, int to) {
        return std::uniform_int_distribution<int>(from, to)(random);
    };
    auto sentence = [&](const std::vector<std::string>& words, std::string& out) {
        const int count = pick(3, 10);
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                out += ' ';
            out += words[static_cast<std::size_t>(pick(0, static_cast<int>(words.size()) - 1))];
        }
        out += ".\r\n";
    };

    std::string out = "Korvan Lesson File Format, Version 2\r\n<header>\r\nTitle=Sample\r\n"
                      "HasRuAudio\r\n<body>\r\n";
    for (int n = 1; n <= questions; ++n) {
        if (n % 50 != 0)
            out += std::to_string(n);
        out += "\r\n";
        if (n % 4 == 0)
            out += comment;
        out += "\r\n";
        sentence(russian, out);
        sentence(english, out);
        if (out.size() > (1 << 20)) {
            std::fwrite(out.data(), 1, out.size(), file);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), file);
    if (std::fclose(file) != 0)
        throw std::runtime_error("cannot write " + path);
}

} // namespace korvan::bench
