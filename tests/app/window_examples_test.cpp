// The worked example of examples/README.md, loaded through the window as a new user loads it.
// Every expected value is computed here from the closed forms of the README (areas under the
// straight pieces of both lines, ordinates under point loads), not by the program's integration.

#include "windowtesting.h"
#include "qtprinters.h"
#include "testfiles.h"

#include "app/filebrowser.h"
#include "app/projectwindow.h"
#include "app/stringgrid.h"
#include "common/numbertext.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

const QChar comma = u',';

QString example(const char *name)
{
    return sourcePath(QStringLiteral("examples/") + QString::fromUtf8(name));
}

// Longitudinal line: bending moment at midspan of a simply supported span of 12 m,
// eta(x) = x/2 up to the peak 3 at x = 6, then (12 - x)/2.
double midspanOrdinate(double x)
{
    return x <= 6.0 ? x / 2.0 : (12.0 - x) / 2.0;
}

// The area under it from 0 to x: x^2/4 up to 6, then 18 - (12 - x)^2/4.
double midspanAreaTo(double x)
{
    return x <= 6.0 ? x * x / 4.0 : 18.0 - (12.0 - x) * (12.0 - x) / 4.0;
}

double midspanArea(double a, double b)
{
    return midspanAreaTo(b) - midspanAreaTo(a);
}

// Transverse line of the edge girder: n(y) = (6 - y)/16 across the deck of 8 m, zero at y = 6.
double edgeGirderOrdinate(double y)
{
    return (6.0 - y) / 16.0;
}

// Positive part of its integral over [a, b]: ((6 - a)^2 - (6 - b)^2)/32 on the part left of 6.
double edgeGirderPositive(double a, double b)
{
    const double pa = 6.0 - std::min(a, 6.0);
    const double pb = 6.0 - std::min(b, 6.0);
    return (pa * pa - pb * pb) / 32.0;
}

// Negative part: -((b - 6)^2 - (a - 6)^2)/32 on the part right of 6.
double edgeGirderNegative(double a, double b)
{
    const double na = std::max(a, 6.0) - 6.0;
    const double nb = std::max(b, 6.0) - 6.0;
    return -(nb * nb - na * na) / 32.0;
}

struct Patch
{
    double x1, x2, y1, y2, load;
    int type;
};

// The rows of examples/design-loads-older-standard.zat.
const std::vector<Patch> designPatches = {
    {0, 12, 0, 8, 6.5, 0},
    {0, 12, 1, 7, 2.5, 0},
    {0, 12, 0, 1, 3.5, 0},
    {0, 12, 7, 8, 3.5, 0},
    {4.375, 4.625, 1.25, 1.75, 800, 1},
    {4.375, 4.625, 3.25, 3.75, 800, 1},
    {5.875, 6.125, 1.25, 1.75, 800, 1},
    {5.875, 6.125, 3.25, 3.75, 800, 1},
    {7.375, 7.625, 1.25, 1.75, 800, 1},
    {7.375, 7.625, 3.25, 3.75, 800, 1},
    {0, 12, 0, 1, 4, 2},
    {0, 12, 4, 7, 4, 2},
    {0, 12, 7, 8, 4, 2},
};

// The rows of examples/assessment-loads-current-standard.zat, whose x is measured from the end of the
// deck: the reference point x = 0.5 puts the bearing at station 0.
const std::vector<Patch> assessmentPatches = {
    {0.5, 12.5, 0, 8, 6.5, 0},
    {0.5, 12.5, 1, 7, 3, 0},
    {0.5, 12.5, 0, 1, 3.5, 0},
    {0.5, 12.5, 7, 8, 3.5, 0},
    {5.9, 5.9, 1.5, 1.5, 120, 1},
    {5.9, 5.9, 3.5, 3.5, 120, 1},
    {7.1, 7.1, 1.5, 1.5, 120, 1},
    {7.1, 7.1, 3.5, 3.5, 120, 1},
    {0.5, 12.5, 1, 4, 9, 2},
    {0.5, 12.5, 4, 7, 2.5, 2},
    {0.5, 12.5, 0, 1, 3, 2},
    {0.5, 12.5, 7, 8, 3, 2},
};

struct Integrals
{
    double xPlus, xMinus, yPlus, yMinus;
};

// The integrals of a patch in line coordinates: areas for proper intervals, ordinates for points.
// The longitudinal line is never negative.
Integrals closedForm(const Patch &p, double xr)
{
    const double a = p.x1 - xr;
    const double b = p.x2 - xr;
    Integrals in{};
    in.xPlus = a == b ? midspanOrdinate(a) : midspanArea(a, b);
    if (p.y1 == p.y2) {
        const double n = edgeGirderOrdinate(p.y1);
        (n >= 0 ? in.yPlus : in.yMinus) = n;
    } else {
        in.yPlus = edgeGirderPositive(p.y1, p.y2);
        in.yMinus = edgeGirderNegative(p.y1, p.y2);
    }
    return in;
}

// The effect of a patch by its load type (all loads of the example are positive).
double effect(const Patch &p, const Integrals &in, double delta, double relief)
{
    const double xr = in.xPlus + relief * in.xMinus / 100;
    const double yr = in.yPlus + relief * in.yMinus / 100;
    switch (p.type) {
    case 0:
        return (in.xPlus + in.xMinus) * p.load * (in.yPlus + in.yMinus);
    case 3:
        return xr * p.load * yr;
    default:
        return xr * (delta * p.load) * yr;
    }
}

struct Sums
{
    double permanent = 0, vehicle = 0, otherVariable = 0, relievedPermanent = 0;
    double total() const { return permanent + vehicle + otherVariable + relievedPermanent; }
};

Sums sums(const std::vector<Patch> &patches, double xr, double delta, double relief)
{
    Sums s;
    for (const Patch &p : patches) {
        const double e = effect(p, closedForm(p, xr), delta, relief);
        double *sum[] = {&s.permanent, &s.vehicle, &s.otherVariable, &s.relievedPermanent};
        *sum[p.type] += e;
    }
    return s;
}

// A label rounded to its two decimals, as the copy buttons take it.
double shown(double value)
{
    return std::round(value * 100.0) / 100.0;
}

QString tab4(double value)
{
    return tragvel::fixedText(value, 7, 2, comma);
}

QStringList rowCells(const StringGrid &grid, int row, int first, int last)
{
    QStringList texts;
    for (int column = first; column <= last; ++column)
        texts << grid.cell(column, row);
    return texts;
}

QStringList patchTexts(const Patch &p)
{
    QStringList texts;
    for (double v : {p.x1, p.x2, p.y1, p.y2, p.load})
        texts << tragvel::generalText(v, comma);
    texts << QString::number(p.type);
    return texts;
}

class ExamplesWindow : public ::testing::Test, public WindowFixture
{
protected:
    void load(FileListBox &files, QPushButton &button, const char *name)
    {
        selectFile(files, example(name));
        ASSERT_FALSE(files.fileName().isEmpty()) << name << " is not listed";
        button.click();
    }

    // Tabs 1 to 3 as the README describes them, every input checked.
    void loadAndCheckInputs()
    {
        TForm1 &f = *form;
        load(*f.FileListBox1, *f.Button1, "longitudinal-midspan-moment-12m.prc");
        f.Button5->click();
        load(*f.FileListBox2, *f.Button2, "transverse-edge-girder.prc");
        f.Button14->click();
        load(*f.FileListBox3, *f.Button3, "design-loads-older-standard.zat");
        f.Button19->click();
        f.Edit3->setText(QStringLiteral("0,5"));
        load(*f.FileListBox3, *f.Button4, "assessment-loads-current-standard.zat");
        f.Button24->click();
    }

    void enterTab4()
    {
        TForm1 &f = *form;
        f.Edit5->setText(QStringLiteral("1,20"));
        f.Edit6->setText(QStringLiteral("1,00"));
        f.Edit7->setText(QStringLiteral("0"));
        f.Edit8->setText(QStringLiteral("20"));
    }

    void enterTab5()
    {
        TForm1 &f = *form;
        f.Edit9->setText(QStringLiteral("0,9"));
        f.Edit10->setText(QStringLiteral("0,95"));
        f.Edit14->setText(QStringLiteral("48"));
        f.Edit16->setText(QStringLiteral("825"));
    }
};

TEST_F(ExamplesWindow, FilesLoadAsTheReadmeLists)
{
    TForm1 &f = *form;
    loadAndCheckInputs();
    EXPECT_TRUE(dialogs.log.isEmpty()) << dialogs.log.join(u'\n').toStdString();
    EXPECT_EQ(f.LongLineInvalid, 0);
    EXPECT_EQ(f.TransLineInvalid, 0);
    EXPECT_EQ(f.DesignLoadsInvalid, 0);
    EXPECT_EQ(f.AssessLoadsInvalid, 0);
    EXPECT_EQ((QStringList{f.Label24->text(), f.Label25->text(), f.Label26->text(), f.Label27->text()}),
              (QStringList{QStringLiteral("OK"), QStringLiteral("OK"), QStringLiteral("OK"), QStringLiteral("OK")}));

    ASSERT_EQ(f.StringGrid1->rowCount(), 26);
    for (int row = 1; row <= 25; ++row) {
        const double station = 0.5 * (row - 1);
        EXPECT_EQ(rowCells(*f.StringGrid1, row, 1, 2),
                  (QStringList{tragvel::generalText(station, comma),
                               tragvel::generalText(midspanOrdinate(station), comma)}))
            << "row " << row;
    }
    ASSERT_EQ(f.StringGrid2->rowCount(), 6);
    const double distances[] = {0, 1, 4, 7, 8};
    for (int row = 1; row <= 5; ++row) {
        const double y = distances[row - 1];
        EXPECT_EQ(rowCells(*f.StringGrid2, row, 1, 2),
                  (QStringList{tragvel::generalText(y, comma), tragvel::generalText(edgeGirderOrdinate(y), comma)}));
    }

    const struct
    {
        const StringGrid &grid;
        const std::vector<Patch> &patches;
    } sets[] = {{*f.StringGrid3, designPatches}, {*f.StringGrid4, assessmentPatches}};
    for (const auto &set : sets) {
        ASSERT_EQ(set.grid.rowCount(), int(set.patches.size()) + 1);
        for (size_t i = 0; i < set.patches.size(); ++i)
            EXPECT_EQ(rowCells(set.grid, int(i) + 1, 1, 6), patchTexts(set.patches[i])) << "row " << i + 1;
    }
}

TEST_F(ExamplesWindow, WorkedExampleShowsTheReadmeResults)
{
    TForm1 &f = *form;
    loadAndCheckInputs();
    enterTab4();
    f.Button18->click();
    f.Button23->click();
    ASSERT_EQ(f.DesignEffectsInvalid, 0);
    ASSERT_EQ(f.AssessEffectsInvalid, 0);

    const Sums design = sums(designPatches, 0.0, 1.2, 0.0);
    const Sums assessment = sums(assessmentPatches, 0.5, 1.0, 20.0);
    const struct
    {
        const char *name;
        QLabel *label;
        double value;
        const char *readme;
    } results[] = {
        {"Label90", f.Label90, design.permanent, "166,50"},
        {"Label49", f.Label49, design.otherVariable, "40,50"},
        {"Label93", f.Label93, design.vehicle, "392,11"},
        {"Label112", f.Label112, design.relievedPermanent, "0,00"},
        {"Label102", f.Label102, design.total(), "599,11"},
        {"Label96", f.Label96, assessment.permanent, "173,25"},
        {"Label53", f.Label53, assessment.otherVariable, "129,21"},
        {"Label99", f.Label99, assessment.vehicle, "283,50"},
        {"Label115", f.Label115, assessment.relievedPermanent, "0,00"},
        {"Label105", f.Label105, assessment.total(), "585,96"},
    };
    for (const auto &r : results) {
        EXPECT_EQ(r.label->text(), tab4(r.value)) << r.name;
        EXPECT_EQ(r.label->text(), QString::fromUtf8(r.readme)) << r.name;
    }

    // Tab 5: the copy buttons, then both formulas from the copied (rounded) values.
    f.Button26->click();
    f.Button27->click();
    f.Button28->click();
    f.Button29->click();
    const double spc = shown(design.total());
    const double sng = shown(assessment.permanent) + shown(assessment.relievedPermanent);
    const double snv = shown(assessment.vehicle);
    const double snr = shown(assessment.otherVariable);
    EXPECT_EQ(f.Edit11->text(), tab4(spc));
    EXPECT_EQ(f.Edit15->text(), tragvel::generalText(sng, comma));
    EXPECT_EQ(f.Edit12->text(), tab4(snv));
    EXPECT_EQ(f.Edit13->text(), tab4(snr));
    EXPECT_EQ((QStringList{f.Edit11->text(), f.Edit15->text(), f.Edit12->text(), f.Edit13->text()}),
              (QStringList{QStringLiteral("599,11"), QStringLiteral("173,25"), QStringLiteral("283,50"),
                           QStringLiteral("129,21")}));

    enterTab5();
    f.Button25->click();
    f.Button30->click();
    const double tn = 48.0, a = 0.9, b = 0.95, snu = 825.0;
    const double comparison = (spc - sng - snr) / snv * tn * a * b;
    const double statical = (snu - sng - snr) / snv * tn * a * b;
    EXPECT_EQ(f.Label82->text(), tragvel::fixedText(comparison, 5, 2, comma));
    EXPECT_EQ(f.Label128->text(), tragvel::fixedText(statical, 5, 2, comma));
    EXPECT_EQ(f.Label82->text(), QStringLiteral("42,94"));
    EXPECT_EQ(f.Label128->text(), QStringLiteral("75,64"));
    EXPECT_TRUE(dialogs.log.isEmpty()) << dialogs.log.join(u'\n').toStdString();
}

// Rows of the effect tables that the README shows in full.
TEST_F(ExamplesWindow, EffectRowsOfTheReadme)
{
    TForm1 &f = *form;
    loadAndCheckInputs();
    enterTab4();
    f.Button18->click();
    f.Button23->click();
    ASSERT_EQ(f.StringGrid5->rowCount(), int(designPatches.size()) + 1);
    ASSERT_EQ(f.StringGrid6->rowCount(), int(assessmentPatches.size()) + 1);

    const struct
    {
        const StringGrid &grid;
        int row;
        QStringList cells;
    } rows[] = {
        // The wheel over the peak: the patch 5,875..6,125 loses two corner triangles of the line.
        {*f.StringGrid5, 7,
         texts({"7", "800", "0,7421875", "0", "0,140625", "0", "100%/0%", "Vozidlo", "1,20", "100,1953125"})},
        // Crowd on the far footway lies wholly on the relieving part: with 0 % it counts nothing.
        {*f.StringGrid5, 13,
         texts({"13", "4", "18", "0", "0", "-0,09375", "100%/0%", "Ost.nahod.", "1,20", "0"})},
        // Permanent load over the whole deck: both parts of the transverse line count in full.
        {*f.StringGrid6, 1,
         texts({"1", "6,5", "18", "0", "1,125", "-0,125", "100%/100%", "Stálé", "1,00", "117"})},
        // The remaining area crosses the zero of the transverse line; 20 % of its negative part counts.
        {*f.StringGrid6, 10,
         texts({"10", "2,5", "18", "0", "0,125", "-0,03125", "100%/20%", "Ost.nahod.", "1,00", "5,34375"})},
        // A wheel of the tandem as a point load: its ordinates.
        {*f.StringGrid6, 5,
         texts({"5", "120", "2,7", "0", "0,28125", "0", "100%/20%", "Vozidlo", "1,00", "91,125"})},
    };
    for (const auto &r : rows)
        EXPECT_EQ(rowCells(r.grid, r.row, 0, 9), r.cells) << "row " << r.row;

    // Column 9 of every row against the closed forms.
    const struct
    {
        const StringGrid &grid;
        const std::vector<Patch> &patches;
        double xr, delta, relief;
    } sets[] = {{*f.StringGrid5, designPatches, 0.0, 1.2, 0.0}, {*f.StringGrid6, assessmentPatches, 0.5, 1.0, 20.0}};
    for (const auto &set : sets)
        for (size_t i = 0; i < set.patches.size(); ++i) {
            const Patch &p = set.patches[i];
            const double e = effect(p, closedForm(p, set.xr), set.delta, set.relief);
            EXPECT_EQ(set.grid.cell(9, int(i) + 1), tragvel::generalText(e, comma)) << "row " << i + 1;
        }
    EXPECT_TRUE(dialogs.log.isEmpty()) << dialogs.log.join(u'\n').toStdString();
}

// The other two longitudinal lines: two spans of 16 m, load at x, x' = 32 - x in span 2.
double supportMoment(double x)
{
    const double a = x <= 16.0 ? x : 32.0 - x;
    return -a * (256.0 - a * a) / 1024.0;
}

double sectionMoment(double x)
{
    // Section 6 m from the end support in span 1.
    if (x > 16.0)
        return 0.375 * supportMoment(x);
    const double simple = x <= 6.0 ? x * 10.0 / 16.0 : 6.0 * (16.0 - x) / 16.0;
    return simple + 0.375 * supportMoment(x);
}

TEST_F(ExamplesWindow, ContinuousBeamLinesAreExact)
{
    TForm1 &f = *form;
    const struct
    {
        const char *file;
        std::function<double(double)> ordinate;
        double least, greatest;
    } lines[] = {
        {"longitudinal-support-moment-2x16m.prc", supportMoment, -1.5380859375, 0.0},
        {"longitudinal-section-moment-2x16m.prc", sectionMoment, -0.5767822265625, 3.2666015625},
    };
    for (const auto &line : lines) {
        load(*f.FileListBox1, *f.Button1, line.file);
        f.Button5->click();
        EXPECT_EQ(f.LongLineInvalid, 0) << line.file;
        ASSERT_EQ(f.StringGrid1->rowCount(), 66) << line.file;
        double least = 0, greatest = 0;
        for (int row = 1; row <= 65; ++row) {
            const double x = 0.5 * (row - 1);
            const double n = tragvel::toReal(f.StringGrid1->cell(2, row), comma);
            EXPECT_EQ(f.StringGrid1->cell(1, row), tragvel::generalText(x, comma));
            EXPECT_EQ(f.StringGrid1->cell(2, row), tragvel::generalText(line.ordinate(x), comma))
                << line.file << " row " << row;
            least = std::min(least, n);
            greatest = std::max(greatest, n);
        }
        EXPECT_EQ(least, line.least) << line.file;
        EXPECT_EQ(greatest, line.greatest) << line.file;
    }
    EXPECT_TRUE(dialogs.log.isEmpty()) << dialogs.log.join(u'\n').toStdString();
}

QStringList listed(const FileListBox &files)
{
    QStringList names;
    for (int i = 0; i < files.count(); ++i)
        names << files.item(i)->text();
    return names;
}

// The program starts in the examples folder: its file lists show the example files there.
TEST_F(ExamplesWindow, FileListsShowTheExamples)
{
    TForm1 &f = *form;
    const QString folder = sourcePath(QStringLiteral("examples"));
    for (FileListBox *files : {f.FileListBox1, f.FileListBox2, f.FileListBox3})
        files->setDirectory(folder);
    const QStringList lines{QStringLiteral("longitudinal-midspan-moment-12m.prc"),
                            QStringLiteral("longitudinal-section-moment-2x16m.prc"),
                            QStringLiteral("longitudinal-support-moment-2x16m.prc"),
                            QStringLiteral("transverse-edge-girder.prc")};
    EXPECT_EQ(listed(*f.FileListBox1), lines);
    EXPECT_EQ(listed(*f.FileListBox2), lines);
    EXPECT_EQ(listed(*f.FileListBox3), (QStringList{QStringLiteral("assessment-loads-current-standard.zat"),
                                                    QStringLiteral("design-loads-older-standard.zat")}));
}

// examples/example.tragvel is the worked example as one project: what the steps of the README enter,
// the effect tables and the standard document, every file browser in the examples folder. Opened,
// it needs only the checks and the buttons again to show the README's results.
TEST_F(ExamplesWindow, ExampleProjectHoldsTheWorkedExample)
{
    TForm1 &f = *form;
    for (DirectoryListBox *directories : {f.DirectoryListBox1, f.DirectoryListBox2, f.DirectoryListBox3,
                                          f.DirectoryListBox4})
        directories->setDirectory(sourcePath(QStringLiteral("examples")));
    loadAndCheckInputs();
    enterTab4();
    f.Button18->click();
    f.Button23->click();
    for (QPushButton *copy : {f.Button26, f.Button27, f.Button28, f.Button29})
        copy->click();
    enterTab5();
    f.Button25->click();
    f.Button30->click();
    f.Button31->click();
    ASSERT_TRUE(dialogs.log.isEmpty()) << dialogs.log.join(u'\n').toStdString();

    WindowFixture opened;
    TForm1 &g = *opened.form;
    opened.dialogs.answerOpen(example("example.tragvel"));
    g.actionProjectOpen->trigger();
    ASSERT_TRUE(opened.dialogs.log.isEmpty()) << opened.dialogs.log.join(u'\n').toStdString();
    EXPECT_TRUE(windowProject(g) == windowProject(f));
    EXPECT_EQ(g.RichEdit1->toPlainText(), f.RichEdit1->toPlainText());
    EXPECT_EQ(g.windowTitle(), QStringLiteral("  Výpočet zatížitelnosti mostní konstrukce – example.tragvel"));

    for (QPushButton *button : {g.Button5, g.Button14, g.Button19, g.Button24, g.Button18, g.Button23, g.Button25,
                                g.Button30})
        button->click();
    EXPECT_TRUE(opened.dialogs.log.isEmpty()) << opened.dialogs.log.join(u'\n').toStdString();
    EXPECT_EQ((QStringList{g.Label102->text(), g.Label105->text(), g.Label82->text(), g.Label128->text()}),
              (QStringList{QStringLiteral("599,11"), QStringLiteral("585,96"), QStringLiteral("42,94"),
                           QStringLiteral("75,64")}));
}

// Every example file is point notation with CR LF line ends, as the readers expect.
TEST(ExampleFiles, PointNotationAndCrLf)
{
    const char *files[] = {"longitudinal-midspan-moment-12m.prc", "longitudinal-support-moment-2x16m.prc",
                           "longitudinal-section-moment-2x16m.prc", "transverse-edge-girder.prc",
                           "design-loads-older-standard.zat", "assessment-loads-current-standard.zat"};
    for (const char *name : files) {
        const QByteArray bytes = readTestFile(example(name));
        ASSERT_FALSE(bytes.isEmpty()) << name;
        EXPECT_TRUE(bytes.endsWith("\r\n")) << name;
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n')) << name;
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\r')) << name;
        EXPECT_FALSE(bytes.contains(',')) << name;
    }
}

} // namespace

namespace {

// The output of a poppler tool run on the file; a failure to run it fails the test.
QString poppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The non-empty lines of a text with every run of blanks as one blank: the PDF's text layer keeps
// the words and their order, not the number of blanks between them.
QStringList words(const QString &text)
{
    QStringList lines;
    for (const QString &line : text.split(u'\n')) {
        const QString simplified = line.simplified();
        if (!simplified.isEmpty())
            lines << simplified;
    }
    return lines;
}

int pageCount(const QString &pdf)
{
    const QString info = poppler(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

class ExamplesPdf : public ExamplesWindow
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        TForm1 &f = *form;
        f.DirectoryListBox4->setDirectory(dir.path());
        f.Edit17->setText(QStringLiteral("most12"));
        loadAndCheckInputs();
        enterTab4();
        f.Button18->click();
        f.Button23->click();
        enterTab5();
        f.Button31->click();
        dialogs.clear();
    }

    void trigger(const char *action) { form->findChild<QAction *>(QString::fromLatin1(action))->trigger(); }

    QTemporaryDir dir;
};

TEST_F(ExamplesPdf, ExportHoldsTheDocumentThenThePicturesOnA4Pages)
{
    trigger("actionProjectExportPdf");
    EXPECT_TRUE(dialogs.log.isEmpty()) << dialogs.log.join(u'|').toStdString();
    const QString pdf = dir.filePath(QStringLiteral("most12.pdf"));
    const int pages = pageCount(pdf);
    ASSERT_EQ(pages, 5);

    const QString sizes = poppler(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                              QStringLiteral("-l"), QString::number(pages), pdf});
    EXPECT_EQ(sizes.count(QRegularExpression(QStringLiteral("Page +\\d+ size: +595 x 842 pts \\(A4\\)"))), pages)
        << sizes.toStdString();

    // Every page: the project's name and the date, then the page number; the document's lines run
    // over the first three pages, the six pictures under their captions over the last two.
    const QString date = QDate::currentDate().toString(QStringLiteral("d. M. yyyy"));
    QStringList documentLines;
    QStringList captions;
    const QStringList pageTexts = poppler(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")})
                                      .split(u'\f');
    for (int page = 0; page < pages; ++page) {
        const QStringList lines = words(pageTexts.value(page));
        ASSERT_GE(lines.size(), 2) << page;
        EXPECT_EQ(lines[0], QStringLiteral("most12 ") + date);
        EXPECT_EQ(lines[1], QStringLiteral("Strana %1 z %2").arg(page + 1).arg(pages));
        (page < 3 ? documentLines : captions) << lines.mid(2);
    }
    EXPECT_EQ(documentLines, words(form->RichEdit1->toPlainText()));
    EXPECT_EQ(captions, texts({"Obr. 1 – Podélná příčinková čára", "Obr. 2 – Příčinková čára příčného roznosu",
                               "Obr. 3 – Zatížení pro návrh objektu – pohled",
                               "Obr. 4 – Zatížení pro návrh objektu – půdorys",
                               "Obr. 5 – Zatížení pro posouzení objektu – pohled",
                               "Obr. 6 – Zatížení pro posouzení objektu – půdorys"}));

    // The pictures at their full resolution, each on the page of its caption.
    QStringList images;
    for (const QString &line : poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(u'\n').mid(2)) {
        const QStringList columns = line.simplified().split(u' ');
        if (columns.size() > 4)
            images << columns[0] + u' ' + columns[3] + u'x' + columns[4];
    }
    EXPECT_EQ(images, texts({"4 993x393", "4 993x393", "4 449x81", "5 449x217", "5 449x81", "5 449x217"}));

    // The fonts travel with the file.
    const QStringList fonts = poppler(QStringLiteral("pdffonts"), {pdf}).split(u'\n').mid(2);
    int embedded = 0;
    for (const QString &line : fonts) {
        if (line.trimmed().isEmpty())
            continue;
        EXPECT_TRUE(line.contains(QStringLiteral(" yes "))) << line.toStdString();
        ++embedded;
    }
    EXPECT_GE(embedded, 1);

    // Rendered at 72 dpi, a page is 595 x 842 pixels and not blank.
    poppler(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-f"),
                                         QStringLiteral("4"), QStringLiteral("-l"), QStringLiteral("4"),
                                         QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf,
                                         dir.filePath(QStringLiteral("page"))});
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    EXPECT_EQ(page.size(), QSize(595, 842));
    int dark = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            dark += qGray(page.pixel(x, y)) < 128;
    EXPECT_GT(dark, 1000);
}

TEST_F(ExamplesPdf, PrintGivesTheSamePagesAndACancelPrintsNothing)
{
    trigger("actionProjectExportPdf");
    dialogs.answerPrint(true);
    trigger("actionProjectPrint");
    EXPECT_EQ(dialogs.printRequests, 1);
    const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
    writeTestFile(printed, dialogs.printed);
    EXPECT_EQ(pageCount(printed), pageCount(dir.filePath(QStringLiteral("most12.pdf"))));
    EXPECT_EQ(words(poppler(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), printed, QStringLiteral("-")})),
              words(poppler(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), dir.filePath(QStringLiteral("most12.pdf")), QStringLiteral("-")})));

    dialogs.printed.clear();
    dialogs.answerPrint(false);
    trigger("actionProjectPrint");
    EXPECT_EQ(dialogs.printRequests, 2);
    EXPECT_TRUE(dialogs.printed.isEmpty());
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

// A picture goes with the report only while its input is checked and unchanged.
TEST_F(ExamplesPdf, PictureOfAnInputChangedSinceItsCheckIsLeftOut)
{
    commitCellEdit(*form->StringGrid2, 2, 1, QStringLiteral("0,4"));
    ASSERT_EQ(form->TransLineInvalid, 1);
    trigger("actionProjectExportPdf");
    const QString text =
        poppler(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), dir.filePath(QStringLiteral("most12.pdf")), QStringLiteral("-")});
    EXPECT_TRUE(text.contains(u8("Obr. 1 – Podélná příčinková čára")));
    EXPECT_FALSE(text.contains(u8("Obr. 2")));
    EXPECT_TRUE(text.contains(u8("Obr. 6 – Zatížení pro posouzení objektu – půdorys")));
}

// A name that is no file name in the directory: the standard box, nothing written.
TEST_F(ExamplesPdf, NameThatCannotBeCreatedShowsTheStandardBox)
{
    form->Edit17->setText(QStringLiteral("x/most12"));
    trigger("actionProjectExportPdf");
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Cannot create file ") + dir.filePath(QStringLiteral("x/most12.pdf"))});
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
}

} // namespace
