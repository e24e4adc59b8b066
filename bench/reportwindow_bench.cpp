// The standard document through the window: the real editor of tab 6, shown offscreen, with the
// largest tables checked and their effects computed, as the user waits for it after the click.
#include "app/applicationsetup.h"
#include "app/stringgrid.h"
#include "app/tform1.h"

#include "common/numbertext.h"

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <cmath>
#include <optional>

#include "bench/benchwindow.h"

namespace {

void fillLine(StringGrid &grid, int points, double length, QChar sep)
{
    grid.setGridRowCount(points + 1);
    for (int row = 1; row <= points; ++row) {
        const double x = length * (row - 1) / (points - 1);
        grid.setCell(0, row, QString::number(row));
        grid.setCell(1, row, tragvel::generalText(x, sep));
        grid.setCell(2, row, tragvel::generalText(std::sin(x / 4.0) + 0.25, sep));
    }
}

void fillLoads(StringGrid &grid, QChar sep)
{
    grid.setGridRowCount(101);
    for (int i = 1; i <= 100; ++i) {
        const double x1 = i * 0.4;
        const double x2 = x1 + (i % 2 ? 5.5 : 0.0);
        const QString cells[] = {QString::number(i), tragvel::generalText(x1, sep), tragvel::generalText(x2, sep),
                                 QStringLiteral("0,5"), QStringLiteral("3,25"), QString::number(i % 3 ? 10 : -10),
                                 QString::number(i % 4)};
        for (int column = 0; column < 7; ++column)
            grid.setCell(column, i, cells[column]);
    }
}

// "Vytvořit standardní dokument" into an empty editor on tab 6, until the events it posted (the
// editor's layout and paint) are handled.
void BM_StandardDocumentThroughTheWindow(benchmark::State &state)
{
    ensureApplication();
    BenchDialogs dialogs;
    TForm1 form(dialogs);
    form.show();
    const QChar sep = tragvel::programDecimalSeparator();
    fillLine(*form.StringGrid1, 100, 50.0, sep);
    fillLine(*form.StringGrid2, 25, 1.0, sep);
    fillLoads(*form.StringGrid3, sep);
    fillLoads(*form.StringGrid4, sep);
    for (QPushButton *button : {form.Button5, form.Button14, form.Button19, form.Button24, form.Button18, form.Button23})
        button->click();
    if (form.DesignEffectsInvalid != 0 || form.AssessEffectsInvalid != 0) {
        state.SkipWithError("the inputs were not checked");
        return;
    }
    if (auto *tabs = form.findChild<QTabWidget *>())
        tabs->setCurrentIndex(tabs->count() - 1);
    QApplication::processEvents();
    dialogs.messages = 0;
    int blocks = 0;
    for (auto _ : state) {
        state.PauseTiming();
        form.RichEdit1->clear();
        QApplication::processEvents();
        state.ResumeTiming();
        form.Button31->click();
        QApplication::processEvents();
        blocks = form.RichEdit1->document()->blockCount();
    }
    if (dialogs.messages != 0 || !form.RichEdit1->isVisible() || blocks < 400)
        state.SkipWithError("the document was not written whole on a shown editor");
    state.counters["lines"] = blocks;
}
BENCHMARK(BM_StandardDocumentThroughTheWindow)->Unit(benchmark::kMillisecond);

// The floor: the empty window's own events for the same time, with nothing to write.
void BM_ShownWindowEventsAlone(benchmark::State &state)
{
    ensureApplication();
    BenchDialogs dialogs;
    TForm1 form(dialogs);
    form.show();
    if (auto *tabs = form.findChild<QTabWidget *>())
        tabs->setCurrentIndex(tabs->count() - 1);
    QApplication::processEvents();
    for (auto _ : state) {
        form.RichEdit1->update();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ShownWindowEventsAlone)->Unit(benchmark::kMillisecond);

} // namespace
