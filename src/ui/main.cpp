#include "App.h"
#include "AppStartupProbe.h"

int main(int argc, char* argv[])
{
    return korvan::RunKorvan(argc, argv,
                             [](QWidget* window) { korvan::TStartupProbe::Attach(window); });
}
