// Tabs 1 and 2: the longitudinal influence line and the transverse distribution line.

#include "app/filebrowser.h"
#include "app/picturebox.h"
#include "app/stringgrid.h"
#include "app/tform1.h"
#include "app/widgetfactory.h"

#include "common/gridpicture.h"

#include <QTabWidget>

namespace {

const QString influenceFilter = QStringLiteral("Příčinkové čáry (*.prc)|*.prc|Textové soubory (*.txt)|*.txt");

} // namespace

void TForm1::buildInfluenceTab(int tab)
{
    const bool longitudinal = tab == 1;
    QWidget *page = longitudinal ? TabSheet1 : TabSheet2;
    const auto n = [](int number) { return QString::number(number); };
    // Control numbers of the twin tabs.
    const int headingLabel = longitudinal ? 1 : 6;
    const int chosenHeading = longitudinal ? 3 : 7;
    const int chosenLabel = longitudinal ? 2 : 8;
    const int tableLabel = longitudinal ? 4 : 9;
    const int axisLabel = longitudinal ? 5 : 18;
    const int load = longitudinal ? 1 : 2;
    const int newTable = longitudinal ? 7 : 10;
    const int clear = longitudinal ? 9 : 12;
    const int addRow = longitudinal ? 6 : 11;
    const int save = longitudinal ? 8 : 13;
    const int check = longitudinal ? 5 : 14;

    QLabel *heading = makeLabel(page, QStringLiteral("Label") + n(headingLabel), QStringLiteral("Načíst ze souboru :"), 8, 6);
    auto *drive = placed(new DriveComboBox(page), QStringLiteral("DriveComboBox") + n(tab), QRect(8, 26, 168, 24));
    auto *directories = placed(new DirectoryListBox(page), QStringLiteral("DirectoryListBox") + n(tab), QRect(8, 54, 168, 158));
    auto *filter = placed(new FilterComboBox(influenceFilter, page), QStringLiteral("FilterComboBox") + n(tab), QRect(184, 188, 232, 24));
    auto *files = placed(new FileListBox(QStringLiteral("*.prc"), page), QStringLiteral("FileListBox") + n(tab), QRect(184, 26, 232, 158));
    linkFileBrowser(drive, directories, filter, files);
    QLabel *chosenCaption = makeLabel(page, QStringLiteral("Label") + n(chosenHeading), QStringLiteral("Vybraný pracovní soubor :"), 8, 220);
    QLabel *chosen = makeLabel(page, QStringLiteral("Label") + n(chosenLabel), QStringLiteral("Vyberte soubor !!!"), 8, 240, 640);
    chosen->setTextInteractionFlags(Qt::TextSelectableByMouse);

    QPushButton *loadButton = makeButton(page, QStringLiteral("Button") + n(load), QStringLiteral("&Načíst příčinkovou čáru ze souboru"), QRect(432, 26, 300, 28));
    QPushButton *newButton = makeButton(page, QStringLiteral("Button") + n(newTable), QStringLiteral("Nová &tabulka"), QRect(432, 60, 300, 28));
    QPushButton *clearButton = makeButton(page, QStringLiteral("Button") + n(clear), QStringLiteral("&Vymazat tabulku"), QRect(432, 94, 300, 28));
    QPushButton *addButton = makeButton(page, QStringLiteral("Button") + n(addRow), QStringLiteral("&Přidat řádek"), QRect(432, 128, 300, 28));
    QPushButton *saveButton = makeButton(page, QStringLiteral("Button") + n(save), QStringLiteral("&Uložit př.čáru do souboru"), QRect(432, 162, 300, 28));
    QPushButton *checkButton = makeButton(page, QStringLiteral("Button") + n(check), QStringLiteral("Pře&kreslit a zkontrolovat příčinkovou čáru dle tabulky"), QRect(432, 206, 356, 28));

    QLabel *tableHeading = makeLabel(page, QStringLiteral("Label") + n(tableLabel), QStringLiteral("Tabulka bodů příčinkové čáry :"), 800, 6);
    auto *grid = new StringGrid(3, 3, true, true, page);
    grid->setObjectName(QStringLiteral("StringGrid") + n(tab));
    for (int column = 0; column < 3; ++column)
        grid->setColumnWidth(column, 70);
    grid->setRowHeights(17);
    grid->setGeometry(800, 26, 214, 246);

    QFrame *bevel = makeBevel(page, QStringLiteral("Bevel") + n(tab), QRect(6, 278, 997, 397));
    auto *image = placed(new PictureBox(QSize(tragvel::lineImageWidth, tragvel::lineImageHeight), page), QStringLiteral("Image") + n(tab),
                         QRect(8, 280, tragvel::lineImageWidth, tragvel::lineImageHeight));
    QLabel *axis = makeLabel(page, QStringLiteral("Label") + n(axisLabel),
                             longitudinal ? QStringLiteral("Staničení") : QStringLiteral("Šířka"), 8 + 8, 280 + 208);
    axis->setAttribute(Qt::WA_TranslucentBackground);
    axis->raise();

    if (longitudinal) {
        Label1 = heading; Label3 = chosenCaption; Label2 = chosen; Label4 = tableHeading; Label5 = axis;
        DriveComboBox1 = drive; DirectoryListBox1 = directories; FilterComboBox1 = filter; FileListBox1 = files;
        Button1 = loadButton; Button7 = newButton; Button9 = clearButton; Button6 = addButton; Button8 = saveButton;
        Button5 = checkButton; StringGrid1 = grid; Bevel1 = bevel; Image1 = image;
    } else {
        Label6 = heading; Label7 = chosenCaption; Label8 = chosen; Label9 = tableHeading; Label18 = axis;
        DriveComboBox2 = drive; DirectoryListBox2 = directories; FilterComboBox2 = filter; FileListBox2 = files;
        Button2 = loadButton; Button10 = newButton; Button12 = clearButton; Button11 = addButton; Button13 = saveButton;
        Button14 = checkButton; StringGrid2 = grid; Bevel2 = bevel; Image2 = image;
    }
}
