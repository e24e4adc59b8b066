#include "report/pdfexport.h"
#include "report/projectoutput.h"
#include "report/reportdocument.h"
#include "report/rtfwriter.h"
#include "report/sections.h"

#include "common/celltable.h"
#include "common/filesave.h"
#include "common/numbertext.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

namespace {

const QChar sep = tragvel::programDecimalSeparator();

tragvel::CellTable lineTable(int points)
{
    tragvel::CellTable t;
    t.rows.push_back({QStringLiteral("    Položka"), QStringLiteral("   Staničení"), QStringLiteral("          n")});
    for (int i = 1; i <= points; ++i)
        t.rows.push_back({QString::number(i), tragvel::generalText(i * 0.5, sep),
                          tragvel::generalText(std::sin(i / 7.0), sep)});
    return t;
}

tragvel::CellTable loadTable(int patches)
{
    tragvel::CellTable t;
    t.rows.push_back({QStringLiteral(" Položka"), QStringLiteral("     x1"), QStringLiteral("     x2"),
                      QStringLiteral("     y1"), QStringLiteral("     y2"), QStringLiteral(" Zatížení"),
                      QStringLiteral("Typ zat.")});
    for (int i = 1; i <= patches; ++i)
        t.rows.push_back({QString::number(i), tragvel::generalText(i * 0.4, sep), tragvel::generalText(i * 0.4 + 1.25, sep),
                          QStringLiteral("0,5"), QStringLiteral("2,75"), QStringLiteral("12,5"), QString::number(i % 4)});
    return t;
}

tragvel::CellTable effectTable(int patches)
{
    tragvel::CellTable t;
    t.rows.push_back({QStringLiteral(" Pol."), QStringLiteral(" Síla"), QStringLiteral("NyX+"), QStringLiteral("NyX -"),
                      QStringLiteral("NyY+"), QStringLiteral("NyY -"), QStringLiteral(" Účinnost"),
                      QStringLiteral("   Zatížení"), QStringLiteral("  d"), QStringLiteral(" Celkem")});
    for (int i = 1; i <= patches; ++i)
        t.rows.push_back({QString::number(i), QStringLiteral("12,5"), tragvel::generalText(std::sin(i) * 3.0, sep),
                          tragvel::generalText(-std::cos(i) / 3.0, sep), tragvel::generalText(1.0 / i, sep),
                          QStringLiteral("0"), QStringLiteral("100%/12,5%"), QStringLiteral("Vozidlo"),
                          QStringLiteral("1,2"), tragvel::generalText(i * 1234.56789, sep)});
    return t;
}

struct Inputs
{
    tragvel::CellTable longitudinal = lineTable(100);
    tragvel::CellTable transverse = lineTable(25);
    tragvel::CellTable design = loadTable(100);
    tragvel::CellTable assess = loadTable(100);
    tragvel::CellTable designEffects = effectTable(100);
    tragvel::CellTable assessEffects = effectTable(100);
    tragvel::EffectSums sums{QStringLiteral("1234,57"), QStringLiteral("0,00"), QStringLiteral("98765,43"),
                             QStringLiteral("-12,50"), QStringLiteral("99987,50")};
    tragvel::CapacityInputs capacity{QStringLiteral("100"), QStringLiteral("20"), QStringLiteral("30"),
                                     QStringLiteral("5"), QStringLiteral("24"), QStringLiteral("1,00"),
                                     QStringLiteral("1,00"), QStringLiteral("250"), QStringLiteral("60,00")};
};

void writeStandardDocument(QTextDocument &document, const Inputs &in)
{
    document.setDefaultFont(QFont(QStringLiteral("Courier New"), 8));
    tragvel::TextDocumentReport report(document, 96.0);
    const tragvel::LineSink sink = tragvel::documentSink(report, 96.0);
    tragvel::longitudinalLineSection(in.longitudinal, sink);
    tragvel::transverseLineSection(in.transverse, sink);
    tragvel::designLoadSection(in.design, sink);
    tragvel::assessLoadSection(in.assess, sink);
    tragvel::designEffectSection(in.designEffects, in.sums, sink);
    tragvel::assessEffectSection(in.assessEffects, in.sums, sink);
    tragvel::comparisonCapacitySection(in.capacity, sink);
    tragvel::staticCapacitySection(in.capacity, sink);
}

QImage picture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 0; x < width; ++x)
        image.setPixel(x, int((height - 1) * (0.5 + 0.4 * std::sin(x / 30.0))), qRgb(255, 0, 0));
    return image;
}

// The standard document with the largest tables, into an empty document.
void BM_StandardDocument(benchmark::State &state)
{
    const Inputs in;
    for (auto _ : state) {
        QTextDocument document;
        writeStandardDocument(document, in);
        benchmark::DoNotOptimize(document.blockCount());
    }
}
BENCHMARK(BM_StandardDocument)->Unit(benchmark::kMillisecond);

std::array<tragvel::ProjectPicture, 6> sixPictures()
{
    return {tragvel::ProjectPicture{picture(993, 393), true}, tragvel::ProjectPicture{picture(993, 393), true},
            tragvel::ProjectPicture{picture(449, 81), true},  tragvel::ProjectPicture{picture(449, 217), true},
            tragvel::ProjectPicture{picture(449, 81), true},  tragvel::ProjectPicture{picture(449, 217), true}};
}

// Saving the project: the standard document as RTF and all six pictures as JPEG.
void BM_SaveProject(benchmark::State &state)
{
    const Inputs in;
    QTextDocument document;
    writeStandardDocument(document, in);
    const std::array<tragvel::ProjectPicture, 6> pictures = sixPictures();
    QTemporaryDir dir;
    for (auto _ : state) {
        tragvel::saveProjectText(document, tragvel::projectTextPath(dir.path(), QStringLiteral("Proj1")), 96.0);
        tragvel::saveProjectPictures(pictures, dir.path(), QStringLiteral("Proj1"));
    }
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);

// The RTF text of the standard document alone.
void BM_RtfOfStandardDocument(benchmark::State &state)
{
    const Inputs in;
    QTextDocument document;
    writeStandardDocument(document, in);
    for (auto _ : state)
        benchmark::DoNotOptimize(tragvel::rtfBytes(document, 96.0));
}
BENCHMARK(BM_RtfOfStandardDocument)->Unit(benchmark::kMillisecond);

// The PDF of the standard document with the largest tables and all six pictures, written to a file.
void BM_ExportPdf(benchmark::State &state)
{
    const Inputs in;
    QTextDocument document;
    writeStandardDocument(document, in);
    const std::vector<tragvel::CaptionedPicture> pictures = tragvel::captionedPictures(sixPictures());
    const tragvel::PageDecoration decoration{QStringLiteral("Proj1"), QStringLiteral("8. 12. 2026")};
    QTemporaryDir dir;
    for (auto _ : state)
        tragvel::writeFileReplacing(tragvel::projectPdfPath(dir.path(), QStringLiteral("Proj1")),
                                    tragvel::reportPdf(document, 96.0, pictures, decoration));
}
BENCHMARK(BM_ExportPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // Text documents need fonts, and fonts a GUI application; no window is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int appArgc = 1;
    QGuiApplication app(appArgc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
