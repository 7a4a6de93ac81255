#include "ui/App.h"
#include "ui/AppStartupProbe.h"

int main(int argc, char* argv[])
{
    return korvan::RunKorvan(argc, argv,
                             [](QWidget* window) { korvan::TStartupProbe::Attach(window); });
}
