#include <iostream>

#include "report/ReportTool.h"

int main(int argc, char* argv[])
{
    return korvan::RunReportTool(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                 std::cerr);
}
