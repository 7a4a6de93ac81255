#include <iostream>

#include "lesson/LessonSounds.h"
#include "lessontool/LessonTool.h"
#include "util/Paths.h"

int main(int argc, char* argv[])
{
    korvan::InitFileLocations();
    // The folder of the time table in use: the user's own copy, if any.
    // Without a locale the messages stay English, as they were before the
    // tool had a second language.
    return korvan::RunLessonTool(
        std::vector<std::string>(argv + 1, argv + argc),
        korvan::FolderOf(korvan::AdaptableFile("Time.ini")), std::cout, std::cerr,
        korvan::ChooseLanguage("", korvan::LocaleInputsOfProcess(), korvan::TUiLanguage::English));
}
