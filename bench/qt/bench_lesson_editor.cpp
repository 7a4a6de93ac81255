// The lesson editor on a lesson of 100,000 questions: opening it (read,
// converted for editing, norms, the table shown and painted) must take under
// 1 s, and a keystroke in a cell must show within a frame (16 ms): the key
// into the cell's editor and its repaint, and the text committed to the table
// (an undoable edit, its norm, the row repainted). The floors of the same run:
// the trainer's own reading of the file, and a repaint of a plain table.
//
// Run: build/bench/qt/bench_lesson_editor (offscreen unless a display is set).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "SampleLesson.h"
#include "lesson/Lesson.h"
#include "timing/TimeCalculator.h"
#include "ui/editor/EditorWindow.h"
#include "ui/editor/LessonTableModel.h"

namespace {

constexpr int Questions = 100000;

const std::string& LessonPath()
{
    static const std::string path = [] {
        const char* dir = std::getenv("TMPDIR");
        const std::string p = std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") +
                              "/korvan-bench-editor-" + std::to_string(getpid()) + ".sl2";
        korvan::bench::WriteSampleLesson(p, Questions);
        return p;
    }();
    return path;
}

const korvan::TTimeCalculator& Norms()
{
    static const korvan::TTimeCalculator norms("/nonexistent/Time.ini");
    return norms;
}

void BM_FloorTrainerReadsLesson(benchmark::State& state)
{
    for (auto _ : state) {
        korvan::TLesson lesson;
        lesson.LoadFromFile(LessonPath());
        Norms().CalculateNorms(lesson);
        benchmark::DoNotOptimize(lesson.Questions.data());
    }
}
BENCHMARK(BM_FloorTrainerReadsLesson)->Unit(benchmark::kMillisecond);

void BM_EditorOpens(benchmark::State& state)
{
    korvan::TFLessonEditor editor(&Norms(), {});
    editor.show();
    for (auto _ : state) {
        editor.OpenLesson(LessonPath());
        editor.Table()->viewport()->repaint();
        QApplication::processEvents();
    }
    if (editor.Table()->model()->rowCount() != Questions)
        state.SkipWithError("the lesson did not open");
}
BENCHMARK(BM_EditorOpens)->Unit(benchmark::kMillisecond);

void BM_FloorPlainTableRepaint(benchmark::State& state)
{
    QStandardItemModel model(30, korvan::TLessonTableModel::ColumnCount);
    for (int r = 0; r < 30; ++r)
        for (int c = 0; c < model.columnCount(); ++c)
            model.setItem(r, c, new QStandardItem(QStringLiteral("text %1").arg(r)));
    QTableView view;
    view.setModel(&model);
    view.resize(1100, 600);
    view.show();
    QApplication::processEvents();
    for (auto _ : state)
        view.viewport()->repaint();
}
BENCHMARK(BM_FloorPlainTableRepaint)->Unit(benchmark::kMicrosecond);

// An editor on the lesson, scrolled to the middle; the Russian cell there.
struct TOpenEditor
{
    TOpenEditor()
    {
        Editor.resize(1100, 700);
        Editor.show();
        Editor.OpenLesson(LessonPath());
        Cell = Editor.Table()->model()->index(Questions / 2, korvan::TLessonTableModel::ColRussian);
        Editor.Table()->scrollTo(Cell);
        Editor.Table()->setCurrentIndex(Cell);
        QApplication::processEvents();
    }
    korvan::TFLessonEditor Editor{&Norms(), {}};
    QModelIndex Cell;
};

// A key typed into the open cell editor, in the middle of the lesson.
void BM_KeystrokeInCell(benchmark::State& state)
{
    TOpenEditor open;
    QTableView* view = open.Editor.Table();
    view->edit(open.Cell);
    QApplication::processEvents();
    auto* line = view->viewport()->findChild<QLineEdit*>();
    if (line == nullptr) {
        state.SkipWithError("no cell editor");
        return;
    }
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(line, &press);
        line->repaint();
        if (line->text().size() > 200)
            line->clear();
    }
}
BENCHMARK(BM_KeystrokeInCell)->Unit(benchmark::kMicrosecond);

// The typed text committed to the table: the edit, its norm, the repaint.
void BM_CommitToTable(benchmark::State& state)
{
    TOpenEditor open;
    int n = 0;
    for (auto _ : state) {
        open.Editor.Table()->model()->setData(open.Cell,
                                              QStringLiteral("я читаю книгу %1").arg(++n));
        open.Editor.Table()->viewport()->repaint();
    }
}
BENCHMARK(BM_CommitToTable)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::remove(LessonPath().c_str());
    return 0;
}
