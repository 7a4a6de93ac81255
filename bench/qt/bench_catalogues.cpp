// What the interface's catalogues cost at start-up: the trainer installs them
// once, before its first window (Qt's own for Russian, ours for English). The
// floor of the same run is installing and removing a translator that is
// already loaded, which is what any language costs at least.
//
// Run: build/bench/qt/bench_catalogues (offscreen unless a display is set).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTranslator>

#include <cstdlib>

#include "ui/platform/Translations.h"

namespace {

void InstallRussian(benchmark::State& state)
{
    for (auto _ : state)
        korvan::InstallTranslations(korvan::TUiLanguage::Russian);
}
BENCHMARK(InstallRussian)->Unit(benchmark::kMicrosecond);

void InstallEnglish(benchmark::State& state)
{
    for (auto _ : state)
        korvan::InstallTranslations(korvan::TUiLanguage::English);
}
BENCHMARK(InstallEnglish)->Unit(benchmark::kMicrosecond);

void FloorInstallLoaded(benchmark::State& state)
{
    QTranslator loaded;
    if (!loaded.load(QStringLiteral("korvan_en"), QStringLiteral(":/i18n"))) {
        state.SkipWithError("no English catalogue");
        return;
    }
    for (auto _ : state) {
        QCoreApplication::installTranslator(&loaded);
        QCoreApplication::removeTranslator(&loaded);
    }
}
BENCHMARK(FloorInstallLoaded)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (std::getenv("DISPLAY") == nullptr)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
