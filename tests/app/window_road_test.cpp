// The road of one calculation, as an engineer walks it through the window: a simply supported span
// of 20 m, the midspan bending moment, a design and an assessment load set of dead load, lane load
// and a four-wheel vehicle. Every expected value comes from closed forms computed here.
#include "windowtesting.h"
#include "qtprinters.h"
#include "testfiles.h"

#include "app/filebrowser.h"
#include "app/picturebox.h"
#include "app/stringgrid.h"
#include "common/numbertext.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <vector>

namespace {


const QChar comma = u',';
QString general(double value) { return tragvel::generalText(value, comma); }
QString sums(double value) { return tragvel::fixedText(value, 7, 2, comma); }
QString capacity(double value) { return tragvel::fixedText(value, 5, 2, comma); }

// The bridge: span L, the midspan moment line (0,0)-(L/2,L/4)-(L,0); the deck of width B with a
// transverse distribution line (0,1/8)-(B/2,3/8)-(B,1/8) of area 1.
constexpr double L = 20.0;
constexpr double B = 4.0;
double momentOrdinate(double x) { return x <= L / 2 ? x / 2 : (L - x) / 2; }
double transverseOrdinate(double y) { return y <= B / 2 ? 0.125 + y * 0.125 : 0.375 - (y - B / 2) * 0.125; }
constexpr double wholeSpanArea = L * L / 8;         // integral of the moment line over the span
constexpr double wholeWidthArea = 1.0;              // integral of the distribution line over the deck
constexpr double halfWidthArea = B / 2 * (0.125 + 0.375) / 2; // over the first half of the deck

enum class Type { permanent = 0, vehicle = 1, otherVariable = 2, relievedPermanent = 3 };

// One load patch as the engineer enters it, in the load table's coordinates.
struct Patch
{
    double x1, x2, y1, y2, load;
    Type type;
};

// A load set with its reference point, dynamic coefficient and relieving share as typed.
struct LoadCase
{
    std::vector<Patch> patches;
    double xr, yr;
    QString dynamicText;
    double dynamic;
    QString reliefText;
    double relief;
};

// The four integrals of a patch by the closed forms above: a whole or half span/deck, or a point.
struct Integrals
{
    double xPlus, xMinus, yPlus, yMinus;
};

Integrals closedForm(const Patch &p, const LoadCase &set)
{
    const double xa = p.x1 - set.xr, xb = p.x2 - set.xr, ya = p.y1 - set.yr, yb = p.y2 - set.yr;
    Integrals result{};
    result.xPlus = xa == xb ? momentOrdinate(xa) : (xa == 0 && xb == L ? wholeSpanArea : -1);
    if (ya == yb)
        result.yPlus = transverseOrdinate(ya);
    else if (ya == 0 && yb == B)
        result.yPlus = wholeWidthArea;
    else if (ya == 0 && yb == B / 2)
        result.yPlus = halfWidthArea;
    else
        result.yPlus = -1;
    EXPECT_GE(result.xPlus, 0) << "no closed form for this patch";
    EXPECT_GE(result.yPlus, 0) << "no closed form for this patch";
    return result;
}

// The effect of one patch: the loading parts count in full, the relieving ones by the share.
double effect(const Patch &p, const Integrals &i, const LoadCase &set)
{
    const double xr = p.load >= 0 ? i.xPlus + set.relief * i.xMinus / 100 : i.xMinus + set.relief * i.xPlus / 100;
    const double yr = p.load >= 0 ? i.yPlus + set.relief * i.yMinus / 100 : i.yMinus + set.relief * i.yPlus / 100;
    switch (p.type) {
    case Type::permanent:
        return (i.xPlus + i.xMinus) * p.load * (i.yPlus + i.yMinus);
    case Type::vehicle:
    case Type::otherVariable:
        return xr * (set.dynamic * p.load) * yr;
    case Type::relievedPermanent:
        return xr * p.load * yr;
    }
    return 0;
}

QString typeLabel(Type type)
{
    switch (type) {
    case Type::permanent: return u8("Stálé");
    case Type::vehicle: return u8("Vozidlo");
    case Type::otherVariable: return u8("Ost.nahod.");
    case Type::relievedPermanent: return u8("Stálé s odl.");
    }
    return {};
}

// The sums by type, in the order of the result labels, and their total.
struct Sums
{
    double permanent = 0, otherVariable = 0, vehicle = 0, relieved = 0;
    double total() const { return permanent + vehicle + otherVariable + relieved; }
};

Sums sumsOf(const LoadCase &set)
{
    Sums s;
    for (const Patch &p : set.patches) {
        const double e = effect(p, closedForm(p, set), set);
        (p.type == Type::permanent ? s.permanent
         : p.type == Type::vehicle ? s.vehicle
         : p.type == Type::otherVariable ? s.otherVariable
                                          : s.relieved) += e;
    }
    return s;
}

// The load file of a set: point notation, CR LF.
QByteArray zatFile(const LoadCase &set)
{
    QByteArray bytes;
    for (const Patch &p : set.patches) {
        bytes += QByteArray::number(p.x1) + ' ' + QByteArray::number(p.x2) + ' ' + QByteArray::number(p.y1) + ' '
            + QByteArray::number(p.y2) + ' ' + QByteArray::number(p.load) + ' ' + QByteArray::number(int(p.type))
            + "\r\n";
    }
    return bytes;
}

// Design standard: dead load 10 kN/m2 on the deck, lane load 4 kN/m2 on one half, a vehicle of two
// axles of 2 x 100 kN at midspan and 4 m beyond; dynamic coefficient 1,2; no relieving share.
LoadCase designCase()
{
    return {{{0, L, 0, B, 10, Type::permanent},
             {0, L, 0, B / 2, 4, Type::otherVariable},
             {10, 10, 1, 1, 100, Type::vehicle},
             {10, 10, 3, 3, 100, Type::vehicle},
             {14, 14, 1, 1, 100, Type::vehicle},
             {14, 14, 3, 3, 100, Type::vehicle}},
            0, 0, u8("1,2"), 1.2, u8("0"), 0};
}

// Assessment standard, its table measured from a point 5 m before the first bearing: dead load,
// surfacing 2 kN/m2 and an uplift of 1 kN/m2 on one half (both with relief, 50 %), lane load
// 9 kN/m2, a vehicle of 4 x 60 kN (24 t); dynamic coefficient 1,25.
constexpr double assessmentShift = 5;
constexpr double wheel = 60;
LoadCase assessmentCase()
{
    const double s = assessmentShift;
    return {{{s, s + L, 0, B, 10, Type::permanent},
             {s, s + L, 0, B, 2, Type::relievedPermanent},
             {s, s + L, 0, B / 2, -1, Type::relievedPermanent},
             {s, s + L, 0, B / 2, 9, Type::otherVariable},
             {s + 10, s + 10, 1, 1, wheel, Type::vehicle},
             {s + 10, s + 10, 3, 3, wheel, Type::vehicle},
             {s + 14, s + 14, 1, 1, wheel, Type::vehicle},
             {s + 14, s + 14, 3, 3, wheel, Type::vehicle}},
            s, 0, u8("1,25"), 1.25, u8("50"), 50};
}

// Expected cells of one effect-table row.
QStringList effectRow(int row, const Patch &p, const LoadCase &set)
{
    const Integrals i = closedForm(p, set);
    const bool weighted = p.type != Type::permanent;
    const bool dynamic = p.type == Type::vehicle || p.type == Type::otherVariable;
    return {QString::number(row),
            general(p.load),
            general(i.xPlus),
            general(i.xMinus),
            general(i.yPlus),
            general(i.yMinus),
            weighted ? u8("100%/") + set.reliefText + u8("%") : u8("100%/100%"),
            typeLabel(p.type),
            dynamic ? set.dynamicText : u8("1,00"),
            general(effect(p, i, set))};
}

// A row of an effect table as the report prints it: fields of 10 characters, 3 decimals, the total
// with 4.
QString reportRow(int row, std::initializer_list<double> values, const QString &shares, double d, double total)
{
    QString line = QString::number(row).leftJustified(5);
    for (double v : values)
        line += tragvel::fixedText(v, 5, 3, comma).leftJustified(10);
    line += shares.leftJustified(10) + tragvel::fixedText(d, 5, 3, comma).leftJustified(10);
    return line + tragvel::fixedText(total, 5, 4, comma);
}

// The saved report as plain UTF-8 text, read by LibreOffice Writer (one conversion).
QString convertToText(const QString &soffice, const QString &rtfPath, const QTemporaryDir &work)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--norestore"),
                            QStringLiteral("-env:UserInstallation=file://") + work.filePath(QStringLiteral("profile")),
                            QStringLiteral("--convert-to"), QStringLiteral("txt:Text (encoded):UTF8"),
                            QStringLiteral("--outdir"), work.filePath(QStringLiteral("txt")), rtfPath});
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished(5000);
        ADD_FAILURE() << "LibreOffice did not convert the report within 120 s";
        return {};
    }
    QFile text(work.filePath(QStringLiteral("txt/") + QFileInfo(rtfPath).completeBaseName() + QStringLiteral(".txt")));
    if (!text.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "LibreOffice wrote no text; exit code " << process.exitCode()
                      << ", output: " << process.readAll().toStdString();
        return {};
    }
    return QString::fromUtf8(text.readAll());
}

class RoadTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }

    // Nothing may be shown on the road.
    void expectQuiet(const char *step)
    {
        EXPECT_TRUE(w.dialogs.log.isEmpty()) << step << ": " << w.dialogs.log.join(u'\n').toStdString();
        w.dialogs.clear();
    }

    WindowFixture w;
    QTemporaryDir dir;
};

TEST_F(RoadTest, OneCalculationFromFilesToTheSavedProject)
{
    TForm1 &f = *w.form;
    const LoadCase design = designCase();
    const LoadCase assessment = assessmentCase();

    writeTestFile(path("moment.prc"), "0 0\r\n10 5\r\n20 0\r\n");
    writeTestFile(path("deck.prc"), "0 0.125\r\n2 0.375\r\n4 0.125\r\n");
    writeTestFile(path("design.zat"), zatFile(design));
    writeTestFile(path("assessment.zat"), zatFile(assessment));

    // Tab 1: the midspan moment line.
    selectFile(*f.FileListBox1, path("moment.prc"));
    EXPECT_EQ(f.Label2->text(), path("moment.prc"));
    f.Button1->click();
    ASSERT_EQ(f.StringGrid1->rowCount(), 4);
    for (int row = 1; row <= 3; ++row) {
        const double x = (row - 1) * L / 2;
        EXPECT_EQ(f.StringGrid1->cell(0, row), QStringLiteral("          ") + QString::number(row));
        EXPECT_EQ(f.StringGrid1->cell(1, row), general(x));
        EXPECT_EQ(f.StringGrid1->cell(2, row), general(momentOrdinate(x)));
    }
    EXPECT_EQ(f.Label24->text(), u8("X"));
    f.Button5->click();
    EXPECT_EQ(f.LongLineInvalid, 0);
    EXPECT_EQ(f.Label24->text(), u8("OK"));
    expectQuiet("longitudinal line");

    // Tab 2: the transverse distribution line; its area is exactly 1, so no warning.
    selectFile(*f.FileListBox2, path("deck.prc"));
    EXPECT_EQ(f.Label8->text(), path("deck.prc"));
    f.Button2->click();
    ASSERT_EQ(f.StringGrid2->rowCount(), 4);
    EXPECT_EQ(gridRow(*f.StringGrid2, 2), (QStringList{u8("          2"), u8("2"), u8("0,375")}));
    f.Button14->click();
    EXPECT_EQ(f.TransLineInvalid, 0);
    EXPECT_EQ(f.Label25->text(), u8("OK"));
    expectQuiet("transverse line");

    // Tab 3: both load sets from their files, reference points typed, checked.
    selectFile(*f.FileListBox3, path("design.zat"));
    EXPECT_EQ(f.Label13->text(), path("design.zat"));
    f.Button3->click();
    selectFile(*f.FileListBox3, path("assessment.zat"));
    EXPECT_EQ(f.Label13->text(), path("assessment.zat"));
    f.Button4->click();
    ASSERT_EQ(f.StringGrid3->rowCount(), int(design.patches.size()) + 1);
    ASSERT_EQ(f.StringGrid4->rowCount(), int(assessment.patches.size()) + 1);
    EXPECT_EQ(gridRow(*f.StringGrid3, 3), (QStringList{u8("       3"), u8("10"), u8("10"), u8("1"), u8("1"), u8("100"), u8("1")}));
    EXPECT_EQ(gridRow(*f.StringGrid4, 3), (QStringList{u8("3"), u8("5"), u8("25"), u8("0"), u8("2"), u8("-1"), u8("3")}));
    f.Edit1->setText(general(design.xr));
    f.Edit2->setText(general(design.yr));
    f.Edit3->setText(general(assessment.xr));
    f.Edit4->setText(general(assessment.yr));
    f.Button19->click();
    f.Button24->click();
    EXPECT_EQ(f.DesignLoadsInvalid, 0);
    EXPECT_EQ(f.AssessLoadsInvalid, 0);
    EXPECT_EQ(f.Label26->text(), u8("OK"));
    EXPECT_EQ(f.Label27->text(), u8("OK"));
    EXPECT_EQ(f.Image3->image().size(), QSize(449, 81));
    EXPECT_EQ(f.Image4->image().size(), QSize(449, 217));
    EXPECT_EQ(f.Image5->image().size(), QSize(449, 81));
    EXPECT_EQ(f.Image6->image().size(), QSize(449, 217));
    expectQuiet("load sets");

    // Tab 4: dynamic coefficients and relieving shares, then both effect computations.
    f.Edit5->setText(design.dynamicText);
    f.Edit7->setText(design.reliefText);
    f.Edit6->setText(assessment.dynamicText);
    f.Edit8->setText(assessment.reliefText);
    f.Button18->click();
    f.Button23->click();
    expectQuiet("effects");
    EXPECT_EQ(f.DesignEffectsInvalid, 0);
    EXPECT_EQ(f.AssessEffectsInvalid, 0);
    const std::pair<const LoadCase *, StringGrid *> tables[] = {{&design, f.StringGrid5}, {&assessment, f.StringGrid6}};
    for (const auto &[set, grid] : tables) {
        ASSERT_EQ(grid->rowCount(), int(set->patches.size()) + 1);
        for (int row = 1; row <= int(set->patches.size()); ++row)
            EXPECT_EQ(gridRow(*grid, row), effectRow(row, set->patches[size_t(row - 1)], *set)) << "row " << row;
    }

    const Sums d = sumsOf(design);
    const Sums a = sumsOf(assessment);
    // The closed forms by hand: q L^2/8 per unit width for the area loads, P * L/4 * 1/4 per wheel.
    EXPECT_EQ(d.permanent, 10 * L * L / 8);
    EXPECT_EQ(d.otherVariable, L * L / 8 * (1.2 * 4) * 0.5);
    EXPECT_EQ(d.vehicle, 2 * (L / 4 * 120 * 0.25) + 2 * (3 * 120 * 0.25));
    EXPECT_EQ(a.vehicle, 2 * (L / 4 * 75 * 0.25) + 2 * (3 * 75 * 0.25));
    EXPECT_EQ(a.relieved, 2 * L * L / 8 - 0.5 * (L * L / 8) * 0.5 * 0.5);
    EXPECT_EQ(f.Label90->text(), sums(d.permanent));
    EXPECT_EQ(f.Label49->text(), sums(d.otherVariable));
    EXPECT_EQ(f.Label93->text(), sums(d.vehicle));
    EXPECT_EQ(f.Label112->text(), sums(d.relieved));
    EXPECT_EQ(f.Label102->text(), sums(d.total()));
    EXPECT_EQ(f.Label96->text(), sums(a.permanent));
    EXPECT_EQ(f.Label53->text(), sums(a.otherVariable));
    EXPECT_EQ(f.Label99->text(), sums(a.vehicle));
    EXPECT_EQ(f.Label115->text(), sums(a.relieved));
    EXPECT_EQ(f.Label105->text(), sums(a.total()));
    EXPECT_EQ(f.Label102->text(), u8("1100,00"));
    EXPECT_EQ(f.Label105->text(), u8("1175,00"));

    // Tab 5: the sums copied, the vehicle's mass, the coefficients and the resistance typed.
    f.Button26->click();
    f.Button27->click();
    f.Button28->click();
    f.Button29->click();
    expectQuiet("copies");
    EXPECT_EQ(f.Edit11->text(), sums(d.total()));
    EXPECT_EQ(f.Edit15->text(), general(a.permanent + a.relieved));
    EXPECT_EQ(f.Edit12->text(), sums(a.vehicle));
    EXPECT_EQ(f.Edit13->text(), sums(a.otherVariable));
    const double tn = 4 * wheel / 10; // 4 wheels of 60 kN: 24 t
    const double alpha = 0.9, beta = 1.0, resistance = 1500;
    f.Edit14->setText(general(tn));
    f.Edit9->setText(u8("0,9"));
    f.Edit10->setText(u8("1,00"));
    f.Edit16->setText(general(resistance));
    f.Button25->click();
    f.Button30->click();
    expectQuiet("capacity");
    const double snG = a.permanent + a.relieved;
    const double v1 = (d.total() - snG - a.otherVariable) / a.vehicle * tn * alpha * beta;
    const double v2 = (resistance - snG - a.otherVariable) / a.vehicle * tn * alpha * beta;
    EXPECT_EQ(f.Label82->text(), capacity(v1));
    EXPECT_EQ(f.Label128->text(), capacity(v2));
    EXPECT_EQ(f.Label82->text(), u8("16,20"));
    EXPECT_EQ(f.Label128->text(), u8("45,00"));

    // Tab 6: the standard document, then the project saved.
    f.Button31->click();
    expectQuiet("standard document");
    const QString report = f.RichEdit1->toPlainText();
    EXPECT_TRUE(report.contains(u8("V..  = 16,20 t"))) << report.toStdString();
    EXPECT_TRUE(report.contains(u8("V..  = 45,00 t")));
    const QString project = dir.filePath(QStringLiteral("projekt"));
    ASSERT_TRUE(QDir().mkpath(project));
    f.DirectoryListBox4->setDirectory(project);
    ASSERT_EQ(f.DirectoryListBox4->directory(), project);
    f.Edit17->setText(u8("Most"));
    f.Button40->click();
    expectQuiet("project saved");
    EXPECT_EQ(QDir(project).entryList(QDir::Files, QDir::Name),
              (QStringList{u8("Most-1.jpg"), u8("Most-2.jpg"), u8("Most-3.jpg"), u8("Most-4.jpg"),
                           u8("Most-5.jpg"), u8("Most-6.jpg"), u8("Most.rtf")}));

    // The six pictures decode at their sizes; the moment line's peak touches the top edge.
    const QSize sizes[] = {{993, 393}, {993, 393}, {449, 81}, {449, 217}, {449, 81}, {449, 217}};
    for (int i = 0; i < 6; ++i) {
        QImage picture;
        ASSERT_TRUE(picture.load(project + QStringLiteral("/Most-%1.jpg").arg(i + 1), "JPEG")) << i + 1;
        EXPECT_EQ(picture.size(), sizes[i]) << i + 1;
    }
    const QImage moment(project + QStringLiteral("/Most-1.jpg"), "JPEG");
    EXPECT_LT(qGray(moment.pixel(496, 1)), 96);
    EXPECT_GT(qGray(moment.pixel(800, 60)), 200);

    // The report as a word processor reads it.
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "soffice is not installed; the report was not read back";
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString text = convertToText(soffice, project + QStringLiteral("/Most.rtf"), work);
    ASSERT_FALSE(text.isEmpty());
    const QString expected[] = {
        u8("Celkový účinek zatížení pro návrh objektu            :  Sp,c = ") + sums(d.total()),
        u8("Účinek stálého zatížení pro posouzení objektu        :  Sn,g = ") + general(snG),
        u8("Hmotnost vozidla v zatížení pro posouzení            :  Tn   = 24 t"),
        u8("Únosnost průřezu stanovenná podle nového předpisu    :  Sn,u = 1500"),
        u8("... zatížitelnost konstrukce                         :  V..  = ") + capacity(v1) + u8(" t"),
        u8("... zatížitelnost konstrukce                         :  V..  = ") + capacity(v2) + u8(" t"),
        u8("Účinky zatížení celkem          : ") + sums(d.total()),
        u8("Účinky zatížení celkem          : ") + sums(a.total()),
        u8("Účinky zatížení vozidly         : ") + sums(a.vehicle),
        // The first wheel of the design vehicle: P, L/4, 0, 1/4, 0, shares, d, E.
        reportRow(3, {100, L / 4, 0, 0.25, 0}, u8("100%/0%"), 1.2, effect(design.patches[2], closedForm(design.patches[2], design), design)),
        reportRow(3, {-1, L * L / 8, 0, halfWidthArea, 0}, u8("100%/50%"), 1, effect(assessment.patches[2], closedForm(assessment.patches[2], assessment), assessment)),
    };
    for (const QString &line : expected)
        EXPECT_TRUE(text.contains(line)) << "not in the report: " << line.toStdString() << "\n" << text.toStdString();
    EXPECT_EQ(text.count(u8("V..  = ")), 2);
}

} // namespace
