#include "lessontool/LessonVoice.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

#include "i18n/Catalogue.h"
#include "i18n/Marked.h"
#include "lesson/Lesson.h"
#include "lesson/LessonSounds.h"
#include "speech/EspeakEngine.h"
#include "util/AtomicFile.h"
#include "util/Errors.h"
#include "util/Text.h"
#include "util/WavFile.h"

namespace korvan {

namespace {

// Of silence before and after each sentence: players that start or stop a
// little late then cut nothing.
constexpr std::uint32_t PaddingMs = 200;

struct TSide
{
    TLanguage Language;
    const char* Flag;
    std::string TQuestion::*Text;
};

const TSide Sides[] = {
    {TLanguage::Russian, "HasRuAudio", &TQuestion::RText},
    {TLanguage::English, "HasEnAudio", &TQuestion::EText},
};

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw TIoError("Cannot open " + path);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw TIoError("Cannot read " + path);
    return bytes;
}

// A recording of `pcm` (16-bit mono) with silence at both ends.
std::string WavOf(std::uint32_t sampleRate, const std::string& pcm)
{
    const TWavFormat format = PcmFormat(sampleRate, 1, 16);
    const std::string silence(static_cast<std::size_t>(format.BytesPerSecond()) * PaddingMs / 1000,
                              '\0');
    const std::string samples = silence + pcm + silence;
    return MakeWavHeader(format, static_cast<std::uint32_t>(samples.size())) + samples;
}

std::string Seconds(std::size_t wavBytes, std::uint32_t sampleRate)
{
    const std::size_t centis = (wavBytes - 44) / 2 * 100 / sampleRate;
    return std::to_string(centis / 100) + "." + (centis % 100 < 10 ? "0" : "") +
           std::to_string(centis % 100);
}

// Why the lesson cannot be rewritten, or empty. A rename replaces even a
// read-only file, so the file's own permission is asked first.
std::string RefusalOf(const std::string& path, TUiLanguage language)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::perms perms = fs::status(path, ec).permissions();
    if (ec)
        return ec.message();
    if ((perms & fs::perms::owner_write) == fs::perms::none)
        return Say(language, "LessonVoice",
                   KORVAN_MARK("LessonVoice", "файл урока доступен только для чтения"));
    return {};
}

} // namespace

std::optional<std::string> WithAudioFlags(std::string_view lesson, bool russian, bool english)
{
    bool inHeader = false;
    bool has[2] = {false, false};
    std::size_t at = 0;
    while (at < lesson.size()) {
        const std::size_t end = lesson.find('\n', at);
        const std::size_t next = end == std::string_view::npos ? lesson.size() : end + 1;
        const std::string_view line = TrimControls(lesson.substr(at, next - at));
        if (!inHeader) {
            inHeader = line == "<header>";
        } else if (line == "<body>") {
            const std::string_view eol =
                at >= 2 && lesson.substr(at - 2, 2) == "\r\n" ? "\r\n" : "\n";
            std::string added;
            if (russian && !has[0])
                added += std::string(Sides[0].Flag) + std::string(eol);
            if (english && !has[1])
                added += std::string(Sides[1].Flag) + std::string(eol);
            return std::string(lesson.substr(0, at)) + added + std::string(lesson.substr(at));
        } else {
            // Read as the trainer reads it: the key before any "=".
            const std::string_view key = TrimControls(line.substr(0, line.find('=')));
            for (int s = 0; s < 2; ++s)
                has[s] = has[s] || key == Sides[s].Flag;
        }
        at = next;
    }
    return std::nullopt;
}

int RunVoice(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             TUiLanguage language)
{
    std::string voice;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--voice" && i + 1 < args.size())
            voice = args[++i];
        else
            rest.push_back(args[i]);
    }
    if (voice.empty()) {
        TEspeakEngine engine;
        return RunVoice(rest, engine, out, err, language);
    }
    const bool ru = std::find(rest.begin(), rest.end(), "--ru") != rest.end();
    const bool en = std::find(rest.begin(), rest.end(), "--en") != rest.end();
    if (ru == en) {
        err << Say(language, "LessonVoice",
                   KORVAN_MARK("LessonVoice", "korvan-lesson voice: --voice задаёт голос одной "
                                              "стороны: добавьте --ru или --en\n"));
        return 2;
    }
    TEspeakEngine engine(ru ? voice : "ru", en ? voice : "en-us");
    return RunVoice(rest, engine, out, err, language);
}

int RunVoice(const std::vector<std::string>& args, ISpeechEngine& engine, std::ostream& out,
             std::ostream& err, TUiLanguage language)
{
    const auto say = [language](const char* source, const std::vector<std::string>& args = {}) {
        return Say(language, "LessonVoice", source, args);
    };
    std::vector<std::string> files;
    bool wanted[2] = {false, false};
    bool force = false;
    for (const std::string& arg : args) {
        if (arg == "--ru")
            wanted[0] = true;
        else if (arg == "--en")
            wanted[1] = true;
        else if (arg == "--force")
            force = true;
        else if (arg.rfind("--", 0) != 0)
            files.push_back(arg);
        else {
            err << say(
                KORVAN_MARK("LessonVoice", "korvan-lesson voice: неизвестный параметр «%1»\n"),
                {arg});
            return 2;
        }
    }
    if (files.size() != 1) {
        err << say(KORVAN_MARK("LessonVoice", "korvan-lesson voice: укажите один урок\n"));
        return 2;
    }
    if (!wanted[0] && !wanted[1])
        wanted[0] = wanted[1] = true; // both sides unless one is named
    const std::string& path = files[0];

    try {
        TLesson lesson;
        if (!lesson.LoadFromFile(path) || !lesson.Loaded) {
            err << say(
                KORVAN_MARK("LessonVoice", "korvan-lesson voice: %1 — не урок с вопросами\n"),
                {path});
            return 1;
        }
        // Checked before any recording is written, so a refusal leaves nothing behind.
        if (const std::string refusal = RefusalOf(path, language); !refusal.empty()) {
            err << say(
                KORVAN_MARK("LessonVoice", "korvan-lesson voice: %1: %2. Ничего не записано.\n"),
                {path, refusal});
            return 1;
        }
        const std::string folder = FolderOf(path);
        bool complete[2] = {true, true};
        for (int s = 0; s < 2; ++s) {
            if (!wanted[s])
                continue;
            const TSide& side = Sides[s];
            for (const TQuestion& q : lesson.Questions) {
                const std::string name = LessonSoundName(q.Number, side.Language);
                const std::string& text = q.*side.Text;
                const std::string number = std::to_string(q.Number);
                if (text.empty()) {
                    out << (side.Language == TLanguage::Russian
                                ? say(KORVAN_MARK("LessonVoice",
                                                  "вопрос %1: нет русского текста, нет и %2\n"),
                                      {number, name})
                                : say(KORVAN_MARK("LessonVoice",
                                                  "вопрос %1: нет английского текста, нет и %2\n"),
                                      {number, name}));
                    continue;
                }
                if (!force && FindLessonSound(folder, name)) {
                    out << say(KORVAN_MARK("LessonVoice", "%1: оставлена, запись уже есть\n"),
                               {name});
                    continue;
                }
                const TSpeech speech = engine.Render(text, side.Language);
                if (!speech.Ok || speech.Pcm.empty()) {
                    err << (speech.Ok ? say(KORVAN_MARK("LessonVoice", "korvan-lesson voice: "
                                                                       "вопрос %1: нечего "
                                                                       "произносить\n"),
                                            {number})
                                      : say(KORVAN_MARK("LessonVoice",
                                                        "korvan-lesson voice: вопрос %1: %2\n"),
                                            {number, Cp1251ToUtf8(speech.Error)}));
                    complete[s] = false;
                    continue;
                }
                const std::string wav = WavOf(speech.SampleRate, speech.Pcm);
                WriteFileAtomically(folder + name, wav);
                out << say(KORVAN_MARK("LessonVoice", "%1: записана, %2 с\n"),
                           {name, Seconds(wav.size(), speech.SampleRate)});
            }
        }

        const bool flag[2] = {wanted[0] && complete[0] && !lesson.HasRuAudio,
                              wanted[1] && complete[1] && !lesson.HasEnAudio};
        if (flag[0] || flag[1]) {
            const std::optional<std::string> rewritten =
                WithAudioFlags(ReadBytes(path), flag[0], flag[1]);
            if (!rewritten)
                throw TIoError(path + ": no header to mark");
            WriteFileAtomically(path, *rewritten);
            for (int s = 0; s < 2; ++s)
                if (flag[s])
                    out << say(KORVAN_MARK("LessonVoice", "в %2 добавлена отметка %1\n"),
                               {Sides[s].Flag, path});
        }
        return complete[0] && complete[1] ? 0 : 1;
    } catch (const TIoError& e) {
        err << "korvan-lesson voice: " << e.what() << "\n";
        return 1;
    }
}

} // namespace korvan
