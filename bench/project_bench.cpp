// Opening and saving a project file through the window: every grid at its largest and a report
// document of about 100 kB.

#include "app/gridcells.h"
#include "app/projectsession.h"
#include "app/stringgrid.h"
#include "app/tform1.h"

#include "report/projectfile.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include "bench/benchwindow.h"

namespace {

tragvel::CellTable numberTable(int columns, int rows)
{
    tragvel::CellTable t;
    for (int r = 0; r < rows; ++r) {
        QStringList cells;
        for (int c = 0; c < columns; ++c)
            cells << QStringLiteral("%1,%2").arg(r * 7 + c).arg(r % 100);
        t.rows.push_back(cells);
    }
    return t;
}

// Largest tables and about 100 kB of report lines of alternating formats.
void fillWindow(TForm1 &form)
{
    StringGrid *grids[] = {form.StringGrid1, form.StringGrid2, form.StringGrid3,
                           form.StringGrid4, form.StringGrid5, form.StringGrid6};
    for (size_t i = 0; i < 6; ++i) {
        const tragvel::project::GridShape shape = tragvel::project::gridShapes()[i];
        writeCells(*grids[i], numberTable(shape.columns, shape.maxRows));
    }
    QTextCursor cursor(form.RichEdit1->document());
    QTextCharFormat format;
    for (int line = 0; line < 1700; ++line) {
        format.setFontPointSize(line % 3 ? 8 : 9);
        format.setFontWeight(line % 5 ? QFont::Normal : QFont::Bold);
        format.setFontUnderline(line % 7 == 0);
        if (line)
            cursor.insertBlock(QTextBlockFormat(), format);
        cursor.insertText(QStringLiteral("%1    Účinky zatížení celkem          : 1234,5678 kNm").arg(line, 5), format);
    }
}

struct Bench
{
    Bench() : dialogs(dir.filePath(QStringLiteral("bench.tragvel"))), form(dialogs)
    {
        fillWindow(form);
        form.project().saveAs();
    }
    QTemporaryDir dir;
    BenchDialogs dialogs;
    TForm1 form;
};

void BM_SaveProject(benchmark::State &state)
{
    ensureApplication();
    Bench b;
    for (auto _ : state)
        benchmark::DoNotOptimize(b.form.project().save());
    const qint64 bytes = QFileInfo(b.form.project().path()).size();
    state.counters["file_kB"] = double(bytes) / 1024.0;
    state.counters["document_kB"] = double(b.form.RichEdit1->toPlainText().toUtf8().size()) / 1024.0;
    if (!b.dialogs.errors.isEmpty() || bytes == 0)
        state.SkipWithError("the project was not saved");
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);

void BM_OpenProject(benchmark::State &state)
{
    ensureApplication();
    Bench b;
    const QString path = b.form.project().path();
    for (auto _ : state)
        b.form.project().openFile(path);
    if (!b.dialogs.errors.isEmpty() || b.form.StringGrid3->rowCount() != 101)
        state.SkipWithError("the project was not opened");
}
BENCHMARK(BM_OpenProject)->Unit(benchmark::kMillisecond);

// The file alone: read, parsed and checked, without the window.
void BM_ReadProjectFile(benchmark::State &state)
{
    ensureApplication();
    Bench b;
    const QString path = b.form.project().path();
    for (auto _ : state)
        benchmark::DoNotOptimize(tragvel::project::loadProjectFile(path));
}
BENCHMARK(BM_ReadProjectFile)->Unit(benchmark::kMillisecond);

} // namespace
