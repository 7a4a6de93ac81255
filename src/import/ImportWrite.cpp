#include "import/ImportWrite.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "lesson/LessonSounds.h"
#include "util/Errors.h"
#include "util/Text.h"

namespace korvan {

TFileBatch::~TFileBatch()
{
    for (const std::string& temp : Temps)
        std::remove(temp.c_str());
}

std::string TFileBatch::Stage(const std::string& target)
{
    std::string temp = target + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        throw TIoError("Cannot write " + target + ": " + std::strerror(errno));
    // mkstemp creates 0600; a lesson should be readable as an ordinary file is.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    close(fd);
    Temps.push_back(temp);
    TargetPaths.push_back(target);
    return temp;
}

void TFileBatch::StageText(const std::string& target, std::string_view content)
{
    const std::string temp = Stage(target);
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    const bool written =
        file != nullptr && std::fwrite(content.data(), 1, content.size(), file) == content.size();
    if (file == nullptr || std::fclose(file) != 0 || !written)
        throw TIoError("Cannot write " + target + ": " + std::strerror(errno));
}

void TFileBatch::DropLast()
{
    std::remove(Temps.back().c_str());
    Temps.pop_back();
    TargetPaths.pop_back();
}

void TFileBatch::Commit()
{
    for (std::size_t i = 0; i < Temps.size(); ++i) {
        if (std::rename(Temps[i].c_str(), TargetPaths[i].c_str()) != 0)
            throw TIoError("Cannot write " + TargetPaths[i] + ": " + std::strerror(errno));
        Temps[i].clear();
    }
    Temps.clear();
}

std::string LessonPartPath(const std::string& lessonPath, std::size_t part)
{
    if (part == 0)
        return lessonPath;
    std::filesystem::path path(lessonPath);
    const std::string ext = path.extension().string();
    path.replace_filename(path.stem().string() + "-" + PadLeft(std::to_string(part), 3, '0') +
                          (ext.empty() ? ".sl2" : ext));
    return path.string();
}

std::string ImportedLessonPath(const std::string& folder, const std::string& title,
                               bool withRecordings)
{
    namespace fs = std::filesystem;
    std::string name;
    for (const char c : title)
        if (c != '/' && static_cast<unsigned char>(c) >= 32)
            name += c;
    name = std::string(TrimControls(name));
    while (!name.empty() && name.front() == '.')
        name.erase(0, 1);
    if (name.empty())
        name = "Импорт";
    for (int n = 1;; ++n) {
        const std::string base = n == 1 ? name : name + " " + std::to_string(n);
        const std::string lesson =
            withRecordings ? folder + base + "/" + base + ".sl2" : folder + base + ".sl2";
        const std::string taken = withRecordings ? folder + base : lesson;
        if (!fs::exists(taken) && !fs::exists(LessonPartPath(lesson, 1)))
            return lesson;
    }
}

TLessonWriter::TLessonWriter(std::string lessonPath, IImportMedia* media)
    : LessonPath(std::move(lessonPath)), Media(media)
{
}

void TLessonWriter::operator()(TBuiltLesson& lesson)
{
    const std::string path = LessonPartPath(LessonPath, lesson.Part);
    const std::string folder = FolderOf(path);
    std::error_code error;
    if (!folder.empty() && !std::filesystem::is_directory(folder) &&
        !std::filesystem::create_directories(folder, error))
        throw TIoError("Cannot create folder " + folder + ": " + error.message());
    for (const TMediaCopy& copy : lesson.Media) {
        if (Media == nullptr) {
            ++Missing;
            continue;
        }
        const std::string temp = Batch.Stage(folder + copy.Target);
        if (!Media->Extract(copy.Name, temp)) {
            Batch.DropLast();
            ++Missing;
        }
    }
    Batch.StageText(path,
                    lesson.Lesson.FileText(TSelection::RestOrWithMistakes, 0, lesson.Comments));
    Lessons.push_back(path);
}

} // namespace korvan
