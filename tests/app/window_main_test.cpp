#include "windowtesting.h"

#include "app/filebrowser.h"
#include "app/fontsizebox.h"
#include "app/picturebox.h"
#include "app/stringgrid.h"
#include "common/errors.h"
#include "qtprinters.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct Caption
{
    const char *name;
    const char *text;
};

// Every captioned control of the window with the text it starts with.
const Caption captions[] = {
    {"Label1", "Načíst ze souboru :"}, {"Label3", "Vybraný pracovní soubor :"}, {"Label2", "Vyberte soubor !!!"},
    {"Button1", "&Načíst příčinkovou čáru ze souboru"}, {"Button7", "Nová &tabulka"}, {"Button9", "&Vymazat tabulku"},
    {"Button6", "&Přidat řádek"}, {"Button8", "&Uložit př.čáru do souboru"},
    {"Button5", "Pře&kreslit a zkontrolovat příčinkovou čáru dle tabulky"}, {"Label4", "Tabulka bodů příčinkové čáry :"},
    {"Label5", "Staničení"},
    {"Label6", "Načíst ze souboru :"}, {"Label7", "Vybraný pracovní soubor :"}, {"Label8", "Vyberte soubor !!!"},
    {"Label9", "Tabulka bodů příčinkové čáry :"}, {"Button2", "&Načíst příčinkovou čáru ze souboru"},
    {"Button10", "Nová &tabulka"}, {"Button12", "&Vymazat tabulku"}, {"Button11", "&Přidat řádek"},
    {"Button13", "&Uložit př.čáru do souboru"}, {"Button14", "Pře&kreslit a zkontrolovat příčinkovou čáru dle tabulky"},
    {"Label18", "Šířka"},
    {"Label10", "Načíst ze souboru :"}, {"Label19", "Vybraný pracovní soubor :"}, {"Label13", "Vyberte soubor !!!"},
    {"Label11", "Zatížení pro návrh objektu :"}, {"Button3", "Načíst ze souboru"}, {"Button15", "Nová tabulka"},
    {"Button16", "Přidat řádek"}, {"Button17", "Uložit do souboru"},
    {"Button19", "Překreslit a zkontrolovat zatížení dle tabulky"}, {"Label14", "Referenční bod :"}, {"Label28", "x"},
    {"Label29", "y"}, {"Edit1", "0"}, {"Edit2", "0"}, {"Label12", "Zatížení pro posouzení objektu :"},
    {"Button4", "Načíst ze souboru"}, {"Button21", "Nová tabulka"}, {"Button20", "Přidat řádek"},
    {"Button22", "Uložit do souboru"}, {"Button24", "Překreslit a zkontrolovat zatížení dle tabulky"},
    {"Label30", "Referenční bod :"}, {"Label31", "x"}, {"Label32", "y"}, {"Edit3", "0"}, {"Edit4", "0"},
    {"Label46", "Doplňující data výpočtu"}, {"Label33", "Dynamický součinitel :"},
    {"Label38", "Dynamický součinitel zatížení pro návrh objektu :"}, {"Label107", "δ  ="}, {"Label109", "p"},
    {"Edit5", "1,00"}, {"Label15", "Dynamický součinitel zatížení pro posouzení objektu :"}, {"Label108", "δ  ="},
    {"Label110", "n"}, {"Edit6", "1,00"}, {"Label34", "Odlehčující účinky zatížení (záporné části př.čáry) :"},
    {"Label39", "Zatížení pro návrh objektu :"}, {"Edit7", "0"}, {"Label41", "%"},
    {"Label40", "Zatížení pro posouzení objektu :"}, {"Edit8", "0"}, {"Label42", "%"},
    {"Label16", "Kontrola zadání :"}, {"Label20", "Příčinková čára - podélný směr :"}, {"Label24", "X"},
    {"Label21", "Roznos zatížení v příčném směru :"}, {"Label25", "X"}, {"Label22", "Zatížení podle původní normy :"},
    {"Label26", "X"}, {"Label23", "Zatížení podle nové normy :"}, {"Label27", "X"}, {"Label35", "Účinky zatížení"},
    {"Label37", "Zatížení pro návrh objektu"}, {"Label47", "Zatížení pro posouzení objektu"},
    {"Button18", "Výpočet účinků zatížení"}, {"Button23", "Výpočet účinků zatížení"},
    {"Label51", "Účinky dílčích částí zatížení :"}, {"Label55", "Účinky dílčích částí zatížení :"},
    {"Label89", "Účinek zatížení stálého :"}, {"Label90", "???"}, {"Label91", "Jednotek dle zadání"},
    {"Label95", "Účinek zatížení stálého :"}, {"Label96", "???"}, {"Label97", "Jednotek dle zadání"},
    {"Label48", "Účinek ost.nahod.zatížení :"}, {"Label49", "???"}, {"Label50", "Jednotek dle zadání"},
    {"Label52", "Účinek ost.nahod.zatížení :"}, {"Label53", "???"}, {"Label54", "Jednotek dle zadání"},
    {"Label92", "Účinek zatížení vozidly :"}, {"Label93", "???"}, {"Label94", "Jednotek dle zadání"},
    {"Label98", "Účinek zatížení vozidly :"}, {"Label99", "???"}, {"Label100", "Jednotek dle zadání"},
    {"Label111", "Účinek st.zat. s odlehčením :"}, {"Label112", "???"}, {"Label113", "Jednotek dle zadání"},
    {"Label114", "Účinek st.zat. s odlehčením :"}, {"Label115", "???"}, {"Label116", "Jednotek dle zadání"},
    {"Label101", "Celkový účinek zatížení :"}, {"Label102", "???"}, {"Label103", "Jednotek dle zadání"},
    {"Label104", "Celkový účinek zatížení :"}, {"Label105", "???"}, {"Label106", "Jednotek dle zadání"},
    {"Label117", "Vstupní data pro výpočet zatížitelnosti"}, {"Label36", "Součinitel stavu nosné konstrukce :"},
    {"Label43", "α ="}, {"Edit9", "1,00"}, {"Label44", "Součinitel materiálu :"}, {"Label45", "β ="},
    {"Edit10", "1,00"}, {"Label57", "Celkový účinek zatížení pro návrh objektu :"}, {"Label61", "Sp,c"},
    {"Label69", "="}, {"Edit11", "0"}, {"Label67", "[dle zadání]"}, {"Button26", "Z účinků zatížení"},
    {"Label78", "Účinek stálého zatížení pro posouzení objektu :"}, {"Label79", "Sn,g"}, {"Label80", "="},
    {"Edit15", "0"}, {"Label81", "[dle zadání]"}, {"Button27", "Z účinků zatížení"},
    {"Label58", "Účinek zatížení vozidly pro posouzení objektu :"}, {"Label62", "Sn,v"}, {"Label70", "="},
    {"Edit12", "0"}, {"Label68", "[dle zadání]"}, {"Button28", "Z účinků zatížení"},
    {"Label60", "Účinek ost.nahodilého zatížení pro posouzení objektu :"}, {"Label63", "Sn,r"}, {"Label71", "="},
    {"Edit13", "0"}, {"Label66", "[dle zadání]"}, {"Button29", "Z účinků zatížení"},
    {"Label59", "Hmotnost vozidla v zatížení pro posouzení :"}, {"Label64", "Tn"}, {"Label72", "="}, {"Edit14", "0"},
    {"Label65", "[t]"}, {"Label83", "Únosnost průřezu stanovená podle zásad předpisu "},
    {"Label121", "pro posouzení objektu :"}, {"Label118", "Sn,u"}, {"Label120", "="}, {"Edit16", "0"},
    {"Label119", "[dle zadání]"},
    {"Label122", "Poznámka : Účinky zatížení, resp. únosnost, musejí být stejné veličiny (momenty, posouvající nebo normálové síly) se stejnými jednotkami !!!"},
    {"Label17", "Zatížitelnost stanovená porovnávacím výpočtem [t]"}, {"Label73", "V ="},
    {"Label74", "Sp,c - Sn,g - Sn,r"}, {"Label75", "Sn,v"}, {"Label76", "."}, {"Label77", "Tn"}, {"Label84", "."},
    {"Label85", "α"}, {"Label86", "."}, {"Label87", "β"}, {"Label88", "="}, {"Label82", "????"},
    {"Button25", "Vyčíslit vztah"}, {"Label56", "Zatížitelnost stanovená porovnávacím statickým výpočtem [t]"},
    {"Label123", "V ="}, {"Label124", "Sp,u - Sn,g - Sn,r"}, {"Label125", "Sn,v"}, {"Label126", "."},
    {"Label127", "Tn"}, {"Label129", "."}, {"Label130", "α"}, {"Label131", "."}, {"Label132", "β"},
    {"Label133", "="}, {"Label128", "????"}, {"Button30", "Vyčíslit vztah"},
    {"Label134", "Výstupní soubor - textová část :"}, {"Label142", "Formátování vybraného textu :"},
    {"Label137", "Velikost písma :"}, {"Button43", "Nastavit"}, {"Button44", "Normálně"}, {"Button47", "Tučně"},
    {"Button45", "Podtrženě"}, {"Button46", "Kurzíva"}, {"Label135", "Vložit data :"},
    {"Button31", "Vytvořit standardní dokument"}, {"Button32", "Př.čára - podélný směr"},
    {"Button33", "Př.čára - příčný směr"}, {"Button34", "Zatížení pro návrh "}, {"Button35", "Zatížení pro posouzení"},
    {"Button36", "Účinky zatížení - návrh"}, {"Button37", "Účinky zatížení - posouzení"},
    {"Button38", "Zatížitelnost konstrukce - porovnávací výpočet"},
    {"Button39", "Zatížitelnost konstrukce - porovnávací statický výpočet"}, {"Label136", "Uložit projekt :"},
    {"Label138", "Jméno projektu :"}, {"Edit17", "Proj1"}, {"Button40", "Uložit projekt"},
    {"Button41", "Uložit pouze text"}, {"Button42", "Uložit pouze obrázky"},
};

QString textOf(const QObject *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *button = qobject_cast<const QPushButton *>(control))
        return button->text();
    if (const auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    return QStringLiteral("<not a captioned control>");
}

TEST(MainWindow, EveryControlHasItsCaption)
{
    WindowFixture w;
    for (const Caption &c : captions) {
        const QString name = QString::fromLatin1(c.name);
        const QList<QWidget *> found = w.form->findChildren<QWidget *>(name);
        ASSERT_EQ(found.size(), 1) << c.name;
        EXPECT_EQ(textOf(found.first()), QString::fromUtf8(c.text)) << c.name;
    }
}

TEST(MainWindow, ControlMembersCarryTheirNames)
{
    WindowFixture w;
    TForm1 &f = *w.form;
    const std::pair<QObject *, const char *> members[] = {
        {f.Label1, "Label1"}, {f.Label142, "Label142"}, {f.Label82, "Label82"}, {f.Label128, "Label128"},
        {f.Label85, "Label85"}, {f.Label132, "Label132"}, {f.Edit11, "Edit11"}, {f.Edit16, "Edit16"},
        {f.Button1, "Button1"}, {f.Button47, "Button47"}, {f.StringGrid1, "StringGrid1"}, {f.StringGrid6, "StringGrid6"},
        {f.Image1, "Image1"}, {f.Image6, "Image6"}, {f.DriveComboBox4, "DriveComboBox4"},
        {f.DirectoryListBox4, "DirectoryListBox4"}, {f.FilterComboBox3, "FilterComboBox3"},
        {f.FileListBox3, "FileListBox3"}, {f.SpinEdit1, "SpinEdit1"}, {f.RichEdit1, "RichEdit1"},
        {f.PageControl1, "PageControl1"}, {f.TabSheet6, "TabSheet6"}, {f.Bevel10, "Bevel10"},
    };
    for (const auto &[member, name] : members) {
        ASSERT_NE(member, nullptr) << name;
        EXPECT_EQ(member->objectName(), QString::fromLatin1(name));
    }
    // No control is created twice or left without its member.
    for (int i = 1; i <= 47; ++i)
        EXPECT_EQ(f.findChildren<QPushButton *>(QStringLiteral("Button%1").arg(i)).size(), 1) << i;
    for (int i = 1; i <= 17; ++i)
        EXPECT_EQ(f.findChildren<QLineEdit *>(QStringLiteral("Edit%1").arg(i)).size(), 1) << i;
}

TEST(MainWindow, WindowTabsAndSizes)
{
    WindowFixture w;
    TForm1 &f = *w.form;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("  Výpočet zatížitelnosti mostní konstrukce"));
    EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("Tragvel v.1.0"));
    EXPECT_EQ(f.PageControl1->size(), QSize(1016, 713));
    EXPECT_EQ(f.PageControl1->currentIndex(), 0);
    const QStringList tabs{QStringLiteral("Příčinková čára - podélný směr"), QStringLiteral("Příčinková čára - příčný směr"),
                           QStringLiteral("Zatížení"), QStringLiteral("Účinky zatížení"), QStringLiteral("Zatížitelnost"),
                           QStringLiteral("Dokument")};
    ASSERT_EQ(f.PageControl1->count(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(f.PageControl1->tabText(i), tabs[i]);
    EXPECT_EQ(f.Image1->size(), QSize(993, 393));
    EXPECT_EQ(f.Image2->size(), QSize(993, 393));
    EXPECT_EQ(f.Image3->size(), QSize(449, 81));
    EXPECT_EQ(f.Image4->size(), QSize(449, 217));
    EXPECT_EQ(f.Image5->size(), QSize(449, 81));
    EXPECT_EQ(f.Image6->size(), QSize(449, 217));
    EXPECT_EQ(f.RichEdit1->size(), QSize(641, 641));
    EXPECT_EQ(f.SpinEdit1->minimum(), 8);
    EXPECT_EQ(f.SpinEdit1->maximum(), 20);
    EXPECT_EQ(f.SpinEdit1->value(), 8);
    EXPECT_EQ(f.RichEdit1->toPlainText(), QString());
    EXPECT_EQ(f.RichEdit1->document()->defaultFont().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(f.RichEdit1->document()->defaultFont().pixelSize(), 11);
}

TEST(MainWindow, FlagsAndCheckMarksAtStart)
{
    WindowFixture w;
    TForm1 &f = *w.form;
    for (const uint8_t flag : {f.LongLineInvalid, f.TransLineInvalid, f.DesignLoadsInvalid, f.AssessLoadsInvalid,
                               f.DesignEffectsInvalid, f.AssessEffectsInvalid})
        EXPECT_EQ(flag, 1);
    for (const QLabel *mark : {f.Label24, f.Label25, f.Label26, f.Label27})
        EXPECT_EQ(mark->text(), QStringLiteral("X"));
    EXPECT_FALSE(f.Image3->hasPicture());
    EXPECT_FALSE(f.Image4->hasPicture());
    EXPECT_FALSE(f.Image5->hasPicture());
    EXPECT_FALSE(f.Image6->hasPicture());
}

std::vector<QStringList> gridTexts(const StringGrid &grid)
{
    std::vector<QStringList> rows;
    for (int row = 0; row < grid.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid.columnCount(); ++column)
            cells << grid.cell(column, row);
        rows.push_back(cells);
    }
    return rows;
}

TEST(MainWindow, InitialGridContents)
{
    WindowFixture w;
    TForm1 &f = *w.form;
    const std::vector<QStringList> line1{texts({"    Položka", "   Staničení", "          n"}),
                                         texts({"          1", "0", "1"}), texts({"          2", "1", "1"})};
    EXPECT_EQ(gridTexts(*f.StringGrid1), line1);
    const std::vector<QStringList> line2{texts({"     Položka", " Vzd.od kraje", "          n"}),
                                         texts({"          1", "0", "1"}), texts({"          2", "1", "1"})};
    EXPECT_EQ(gridTexts(*f.StringGrid2), line2);
    const QStringList loadHeaders = texts({" Položka", "     x1", "     x2", "     y1", "     y2", " Zatížení", "Typ zat."});
    std::vector<QStringList> design{loadHeaders};
    std::vector<QStringList> assessment{loadHeaders};
    for (int r = 1; r <= 4; ++r) {
        const QString n = QString::number(r);
        design.push_back({QStringLiteral("       ") + n, n, n, QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("1")});
        assessment.push_back({QStringLiteral("      ") + n, n, n, QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("1")});
    }
    EXPECT_EQ(gridTexts(*f.StringGrid3), design);
    EXPECT_EQ(gridTexts(*f.StringGrid4), assessment);
    const std::vector<QStringList> effects{
        texts({" Pol.", " Síla", "NyX+", "NyX -", "NyY+", "NyY -", " Účinnost", "   Zatížení", "  d", " Celkem"}),
        QStringList(10, QString())};
    EXPECT_EQ(gridTexts(*f.StringGrid5), effects);
    EXPECT_EQ(gridTexts(*f.StringGrid6), effects);
}

TEST(MainWindow, GridGeometryAndEditing)
{
    WindowFixture w;
    TForm1 &f = *w.form;
    struct Geometry
    {
        StringGrid *grid;
        std::vector<int> widths;
        int rowHeight;
        bool fixedColumn;
        bool editable;
    };
    const Geometry grids[] = {
        {f.StringGrid1, {70, 70, 70}, 17, true, true},
        {f.StringGrid2, {70, 70, 70}, 17, true, true},
        {f.StringGrid3, {50, 50, 50, 50, 50, 50, 43}, 18, true, true},
        {f.StringGrid4, {50, 50, 50, 50, 50, 50, 41}, 18, true, true},
        {f.StringGrid5, {30, 30, 35, 35, 35, 35, 59, 66, 24, 47}, 18, false, false},
        {f.StringGrid6, {30, 30, 35, 35, 35, 35, 59, 66, 24, 47}, 18, false, false},
    };
    for (const Geometry &g : grids) {
        SCOPED_TRACE(g.grid->objectName().toStdString());
        ASSERT_EQ(g.grid->columnCount(), int(g.widths.size()));
        for (int column = 0; column < g.grid->columnCount(); ++column)
            EXPECT_EQ(g.grid->columnWidth(column), g.widths[size_t(column)]);
        EXPECT_EQ(g.grid->rowHeight(1), g.rowHeight);
        EXPECT_EQ(g.grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        EXPECT_EQ(g.grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        const auto editable = [&](int column, int row) {
            return bool(g.grid->model()->index(row, column).flags() & Qt::ItemIsEditable);
        };
        EXPECT_FALSE(editable(1, 0)) << "header row";
        EXPECT_EQ(editable(0, 1), g.editable && !g.fixedColumn);
        EXPECT_EQ(editable(1, 1), g.editable);
    }
}

std::vector<int> inkColumns(const QImage &image, int y)
{
    std::vector<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != qRgb(255, 255, 255))
            columns.push_back(x);
    }
    return columns;
}

TEST(MainWindow, EmptyGridPictures)
{
    WindowFixture w;
    TForm1 &f = *w.form;
    const struct
    {
        const PictureBox *image;
        std::vector<int> ticks;
    } pictures[] = {
        {f.Image1, {0, 99, 198, 297, 396, 495, 594, 693, 792, 891, 992}},
        {f.Image2, {0, 198, 396, 594, 792, 992}},
    };
    for (const auto &p : pictures) {
        const QImage &image = p.image->image();
        ASSERT_EQ(image.size(), QSize(993, 393));
        EXPECT_EQ(inkColumns(image, 196).size(), 993u);
        for (int y = 191; y <= 200; ++y) {
            if (y != 196) {
                EXPECT_EQ(inkColumns(image, y), p.ticks) << y;
            }
        }
        EXPECT_TRUE(inkColumns(image, 190).empty());
        EXPECT_TRUE(inkColumns(image, 201).empty());
        EXPECT_EQ(image.pixel(500, 196), qRgb(0, 0, 0));
    }
}

TEST(MainWindow, HandlerBoundaryShowsOneStandardErrorBox)
{
    WindowFixture w;
    w.form->runGuarded([] { throw tragvel::FileError(QStringLiteral("Cannot create file /x/Proj1.rtf")); });
    w.form->runGuarded([] { throw std::runtime_error("bad"); });
    w.form->runGuarded([] {});
    EXPECT_EQ(w.dialogs.log, (QStringList{QStringLiteral("error: Cannot create file /x/Proj1.rtf"), QStringLiteral("error: bad")}));
}

TEST(MainWindow, ChosenFileLabelFollowsTheFileList)
{
    QTemporaryDir dir;
    QFile(dir.filePath(QStringLiteral("b.prc"))).open(QIODevice::WriteOnly);
    QFile(dir.filePath(QStringLiteral("a.zat"))).open(QIODevice::WriteOnly);
    QFile(dir.filePath(QStringLiteral("c.txt"))).open(QIODevice::WriteOnly);
    WindowFixture w;
    TForm1 &f = *w.form;
    f.DirectoryListBox1->setDirectory(dir.path());
    EXPECT_EQ(f.FileListBox1->count(), 1);
    EXPECT_EQ(f.Label2->text(), QString()) << "a re-read list has no file chosen";
    selectFile(*f.FileListBox1, dir.filePath(QStringLiteral("b.prc")));
    EXPECT_EQ(f.Label2->text(), dir.filePath(QStringLiteral("b.prc")));
    f.FilterComboBox1->setCurrentIndex(1);
    EXPECT_EQ(f.FileListBox1->mask(), QStringLiteral("*.txt"));
    EXPECT_EQ(f.Label2->text(), QString());
    EXPECT_EQ(f.Label8->text(), QStringLiteral("Vyberte soubor !!!"));

    f.DirectoryListBox3->setDirectory(dir.path());
    selectFile(*f.FileListBox3, dir.filePath(QStringLiteral("a.zat")));
    EXPECT_EQ(f.Label13->text(), dir.filePath(QStringLiteral("a.zat")));
    f.FilterComboBox3->setCurrentIndex(2);
    EXPECT_EQ(f.FileListBox3->count(), 3) << "all files";
}

TEST(MainWindow, DriveSelectorLeadsTheDirectoryTree)
{
    WindowFixture w;
    TForm1 &f = *w.form;
    ASSERT_GT(f.DriveComboBox4->count(), 0);
    EXPECT_EQ(f.DriveComboBox4->itemText(0), QStringLiteral("/"));
    f.DriveComboBox4->setCurrentIndex(0);
    Q_EMIT f.DriveComboBox4->driveChosen(QStringLiteral("/"));
    EXPECT_EQ(f.DirectoryListBox4->directory(), QStringLiteral("/"));
    f.DriveComboBox3->setCurrentIndex(0);
    Q_EMIT f.DriveComboBox3->driveChosen(QStringLiteral("/"));
    EXPECT_EQ(f.DirectoryListBox3->directory(), QStringLiteral("/"));
    EXPECT_EQ(f.FileListBox3->directory(), QStringLiteral("/"));
}

TEST(MainWindow, DirectoryTreeOpensOnlyOnDoubleClickOrEnter)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    WindowFixture w;
    DirectoryListBox &tree = *w.form->DirectoryListBox4;
    tree.setDirectory(dir.path());
    const QList<QListWidgetItem *> sub = tree.findItems(QStringLiteral("sub"), Qt::MatchEndsWith);
    ASSERT_EQ(sub.size(), 1);
    tree.setCurrentItem(sub.first());
    EXPECT_EQ(tree.directory(), QDir(dir.path()).absolutePath());
    tree.openHighlighted();
    EXPECT_EQ(tree.directory(), QDir(dir.path()).absoluteFilePath(QStringLiteral("sub")));
}

} // namespace
