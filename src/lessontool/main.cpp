#include <iostream>

#include "lessontool/LessonTool.h"
#include "util/ProgramFolder.h"

int main(int argc, char* argv[])
{
    korvan::InitProgramFolder();
    return korvan::RunLessonTool(std::vector<std::string>(argv + 1, argv + argc),
                                 korvan::ProgramFolder(), std::cout, std::cerr);
}
