#include <iostream>

#include "report/ReportTool.h"

int main(int argc, char* argv[])
{
    using korvan::TUiLanguage;
    const korvan::TLocaleInputs locale = korvan::LocaleInputsOfProcess();
    return korvan::RunReportTool(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                 std::cerr,
                                 {korvan::ChooseLanguage("", locale, TUiLanguage::English),
                                  korvan::ChooseLanguage("", locale, TUiLanguage::Russian)});
}
