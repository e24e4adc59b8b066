// Tab 3: the two load sets, design above and assessment below, with one shared file browser.

#include "app/filebrowser.h"
#include "app/picturebox.h"
#include "app/stringgrid.h"
#include "app/tform1.h"
#include "app/widgetfactory.h"

namespace {

const QString loadFilter =
    QStringLiteral("Soubory se zatížením (*.zat)|*.zat|Textové soubory (*.txt)|*.txt|Všechny soubory (*.*)|*.*");

struct LoadHalf
{
    QLabel *heading;
    StringGrid *grid;
    QPushButton *load, *newTable, *addRow, *save, *check;
    QLabel *referenceHeading, *xCaption, *yCaption;
    QLineEdit *x, *y;
    PictureBox *elevation, *plan;
};

LoadHalf buildHalf(QWidget *page, int top, bool design)
{
    const auto name = [](const char *kind, int number) { return QString::fromLatin1(kind) + QString::number(number); };
    LoadHalf half{};
    half.heading = makeLabel(page, name("Label", design ? 11 : 12),
                             design ? QStringLiteral("Zatížení pro návrh objektu :") : QStringLiteral("Zatížení pro posouzení objektu :"),
                             204, top + 4);
    half.grid = new StringGrid(7, 5, true, true, page);
    half.grid->setObjectName(name("StringGrid", design ? 3 : 4));
    for (int column = 0; column < 6; ++column)
        half.grid->setColumnWidth(column, 50);
    half.grid->setColumnWidth(6, design ? 43 : 41);
    half.grid->setRowHeights(18);
    half.grid->setGeometry(204, top + 24, 350, 168);

    const int buttonsTop = top + 196;
    half.load = makeButton(page, name("Button", design ? 3 : 4), QStringLiteral("Načíst ze souboru"), QRect(204, buttonsTop, 173, 26));
    half.newTable = makeButton(page, name("Button", design ? 15 : 21), QStringLiteral("Nová tabulka"), QRect(381, buttonsTop, 173, 26));
    half.addRow = makeButton(page, name("Button", design ? 16 : 20), QStringLiteral("Přidat řádek"), QRect(204, buttonsTop + 28, 173, 26));
    half.save = makeButton(page, name("Button", design ? 17 : 22), QStringLiteral("Uložit do souboru"), QRect(381, buttonsTop + 28, 173, 26));
    half.check = makeButton(page, name("Button", design ? 19 : 24), QStringLiteral("Překreslit a zkontrolovat zatížení dle tabulky"),
                            QRect(204, buttonsTop + 58, 350, 28));

    // The reference point: captions "x" and "y" above their boxes.
    const int referenceTop = buttonsTop + 88;
    half.referenceHeading = makeLabel(page, name("Label", design ? 14 : 30), QStringLiteral("Referenční bod :"), 330, referenceTop + 19);
    half.xCaption = makeLabel(page, name("Label", design ? 28 : 31), QStringLiteral("x"), 458, referenceTop - 2);
    half.yCaption = makeLabel(page, name("Label", design ? 29 : 32), QStringLiteral("y"), 520, referenceTop - 2);
    half.x = makeEdit(page, name("Edit", design ? 1 : 3), QStringLiteral("0"), QRect(436, referenceTop + 15, 56, 24));
    half.y = makeEdit(page, name("Edit", design ? 2 : 4), QStringLiteral("0"), QRect(498, referenceTop + 15, 56, 24));

    half.elevation = placed(new PictureBox(QSize(449, 81), page), name("Image", design ? 3 : 5), QRect(560, top + 24, 449, 81));
    half.plan = placed(new PictureBox(QSize(449, 217), page), name("Image", design ? 4 : 6), QRect(560, top + 110, 449, 217));
    return half;
}

} // namespace

void TForm1::buildLoadsTab()
{
    QWidget *page = TabSheet3;
    Label10 = makeLabel(page, QStringLiteral("Label10"), QStringLiteral("Načíst ze souboru :"), 8, 6);
    DriveComboBox3 = placed(new DriveComboBox(page), QStringLiteral("DriveComboBox3"), QRect(8, 26, 188, 24));
    DirectoryListBox3 = placed(new DirectoryListBox(page), QStringLiteral("DirectoryListBox3"), QRect(8, 54, 188, 220));
    FilterComboBox3 = placed(new FilterComboBox(loadFilter, page), QStringLiteral("FilterComboBox3"), QRect(8, 278, 188, 24));
    FileListBox3 = placed(new FileListBox(QStringLiteral("*.zat"), page), QStringLiteral("FileListBox3"), QRect(8, 306, 188, 290));
    linkFileBrowser(DriveComboBox3, DirectoryListBox3, FilterComboBox3, FileListBox3);
    Label19 = makeLabel(page, QStringLiteral("Label19"), QStringLiteral("Vybraný pracovní soubor :"), 8, 602);
    Label13 = makeLabel(page, QStringLiteral("Label13"), QStringLiteral("Vyberte soubor !!!"), 8, 622, 188);
    Label13->setWordWrap(true);
    Label13->resize(188, 56);
    Label13->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const LoadHalf design = buildHalf(page, 0, true);
    Bevel3 = makeBevel(page, QStringLiteral("Bevel3"), QRect(204, 336, 805, 2));
    const LoadHalf assessment = buildHalf(page, 342, false);

    Label11 = design.heading; StringGrid3 = design.grid;
    Button3 = design.load; Button15 = design.newTable; Button16 = design.addRow; Button17 = design.save; Button19 = design.check;
    Label14 = design.referenceHeading; Label28 = design.xCaption; Label29 = design.yCaption; Edit1 = design.x; Edit2 = design.y;
    Image3 = design.elevation; Image4 = design.plan;

    Label12 = assessment.heading; StringGrid4 = assessment.grid;
    Button4 = assessment.load; Button21 = assessment.newTable; Button20 = assessment.addRow; Button22 = assessment.save;
    Button24 = assessment.check;
    Label30 = assessment.referenceHeading; Label31 = assessment.xCaption; Label32 = assessment.yCaption;
    Edit3 = assessment.x; Edit4 = assessment.y;
    Image5 = assessment.elevation; Image6 = assessment.plan;
}
