#include "app/tform1.h"

#include "app/filebrowser.h"
#include "app/clippedtexttips.h"
#include "app/deferredcompletion.h"
#include "app/editcommands.h"
#include "app/generatorcommands.h"
#include "app/tablehistory.h"
#include "app/reportexport.h"
#include "app/picturebox.h"
#include "app/projecthandlers.h"
#include "app/projectsession.h"
#include "app/stringgrid.h"

#include "common/errors.h"
#include "common/gridpicture.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

#include <exception>

namespace {

QFont clientAreaFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(15);
    return font;
}

} // namespace

QList<QFont> TForm1::firstPaintFonts()
{
    return {QApplication::font(), clientAreaFont(), StringGrid::cellFont(clientAreaFont())};
}

TForm1::TForm1(tragvel::UserDialogs &dialogs, QWidget *parent, Construction construction)
    : QMainWindow(parent), m_dialogs(dialogs)
{
    // When the first tab comes first, its empty picture is drawn before any control: it needs no
    // fonts, which the other core may still be reading.
    QImage firstTabPicture;
    if (construction == Construction::FirstTabFirst)
        firstTabPicture = emptyLongitudinalPicture();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("  Výpočet zatížitelnosti mostní konstrukce"));

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    central->setFont(clientAreaFont());
    setCentralWidget(central);
    buildMenus();
    // Outer size 1024 x 751 of a window with the usual frame and caption, taller by the menu bar
    // so that the client area below it keeps its size.
    setFixedSize(1016, 724 + menuBar()->sizeHint().height());
    move(197, 122);

    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, 1016, 713);
    const QString captions[] = {
        QStringLiteral("Příčinková čára - podélný směr"), QStringLiteral("Příčinková čára - příčný směr"),
        QStringLiteral("Zatížení"), QStringLiteral("Účinky zatížení"), QStringLiteral("Zatížitelnost"),
        QStringLiteral("Dokument"),
    };
    QWidget **sheets[] = {&TabSheet1, &TabSheet2, &TabSheet3, &TabSheet4, &TabSheet5, &TabSheet6};
    for (int i = 0; i < 6; ++i) {
        *sheets[i] = new QWidget(PageControl1);
        (*sheets[i])->setObjectName(QStringLiteral("TabSheet") + QString::number(i + 1));
        PageControl1->addTab(*sheets[i], captions[i]);
    }

    buildInfluenceTab(1);
    PageControl1->setCurrentIndex(0);
    if (construction == Construction::Whole) {
        buildOtherTabs();
        connectHandlers();
        FormCreate();
        startCommands();
        return;
    }
    startFirstTab(firstTabPicture);
    m_completion = new DeferredCompletion(*this, [this] {
        buildOtherTabs();
        connectHandlers();
        startOtherTabs();
        startCommands();
    });
}

void TForm1::completeWindow()
{
    if (m_completion)
        m_completion->completeNow();
}

void TForm1::buildOtherTabs()
{
    buildInfluenceTab(2);
    buildLoadsTab();
    buildEffectsTab();
    buildCapacityTab();
    buildDocumentTab();
    showClippedTextsAsTips(*this);

    SaveDialog1 = {QStringLiteral("Uložit příčinkovou čáru do souboru"),
                   QStringLiteral("Soubory příčinových čar (*.prc)|*.prc|Textové soubory (*.txt)|*.txt"),
                   QStringLiteral(".prc"), QString()};
    SaveDialog2 = {QStringLiteral("Uložit zatížení do souboru"),
                   QStringLiteral("Soubory se zatížením (*.zat)|*.zat|Textové soubory (.txt)|*.txt"),
                   QStringLiteral(".zat"), QString()};
}

void TForm1::startCommands()
{
    // The history starts from the tables as start-up writes them.
    m_tableHistory = new TableHistory(*this);
    addEditActions(*this);
    m_project = std::make_unique<ProjectSession>(*this);
}

TForm1::~TForm1()
{
    // Closing the window commits an editor still open in a table; by then no handler may run.
    if (isWhole()) {
        for (StringGrid *grid : {StringGrid1, StringGrid2, StringGrid3, StringGrid4})
            grid->setEditHandler({});
    }
}

void TForm1::buildMenus()
{
    // No mnemonics: Alt+letter belongs to the buttons of the tabs.
    const auto addMenu = [this](const char *name, const QString &title) {
        QMenu *menu = menuBar()->addMenu(title);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    menuProject = addMenu("menuProject", QStringLiteral("Projekt"));
    menuEdit = addMenu("menuEdit", QStringLiteral("Úpravy"));
    menuTools = addMenu("menuTools", QStringLiteral("Nástroje"));
    addReportExportActions(*this);
    addProjectActions(*this);
    addGeneratorActions(*this);
}

void TForm1::runGuarded(const std::function<void()> &handler)
{
    // A command may come before the window is whole (a shortcut typed at start-up).
    completeWindow();
    ++m_guardDepth;
    try {
        // A command works on the texts the user sees: a cell still being typed in counts as
        // committed before the command (or a dialog it opens) reads anything.
        for (StringGrid *grid : {StringGrid1, StringGrid2, StringGrid3, StringGrid4})
            grid->commitOpenEditor();
        handler();
    } catch (const tragvel::Error &e) {
        m_dialogs.showError(e.text());
    } catch (const std::exception &e) {
        m_dialogs.showError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        m_dialogs.showError(QStringLiteral("Neznámá chyba"));
    }
    // What a failed command changed before it stopped stays, and is one step like any other.
    if (--m_guardDepth == 0 && m_tableHistory)
        m_tableHistory->recordChanges();
}

void TForm1::showMessages(const QStringList &messages)
{
    for (const QString &message : messages)
        m_dialogs.showMessage(message);
}

void TForm1::connectHandlers()
{
    const std::pair<QPushButton *, void (TForm1::*)()> clicks[] = {
        {Button1, &TForm1::Button1Click},   {Button2, &TForm1::Button2Click},   {Button3, &TForm1::Button3Click},
        {Button4, &TForm1::Button4Click},   {Button5, &TForm1::Button5Click},   {Button6, &TForm1::Button6Click},
        {Button7, &TForm1::Button7Click},   {Button8, &TForm1::Button8Click},   {Button9, &TForm1::Button9Click},
        {Button10, &TForm1::Button10Click}, {Button11, &TForm1::Button11Click}, {Button12, &TForm1::Button12Click},
        {Button13, &TForm1::Button13Click}, {Button14, &TForm1::Button14Click}, {Button15, &TForm1::Button15Click},
        {Button16, &TForm1::Button16Click}, {Button17, &TForm1::Button17Click}, {Button18, &TForm1::Button18Click},
        {Button19, &TForm1::Button19Click}, {Button20, &TForm1::Button20Click}, {Button21, &TForm1::Button21Click},
        {Button22, &TForm1::Button22Click}, {Button23, &TForm1::Button23Click}, {Button24, &TForm1::Button24Click},
        {Button25, &TForm1::Button25Click}, {Button26, &TForm1::Button26Click}, {Button27, &TForm1::Button27Click},
        {Button28, &TForm1::Button28Click}, {Button29, &TForm1::Button29Click}, {Button30, &TForm1::Button30Click},
        {Button31, &TForm1::Button31Click}, {Button32, &TForm1::Button32Click}, {Button33, &TForm1::Button33Click},
        {Button34, &TForm1::Button34Click}, {Button35, &TForm1::Button35Click}, {Button36, &TForm1::Button36Click},
        {Button37, &TForm1::Button37Click}, {Button38, &TForm1::Button38Click}, {Button39, &TForm1::Button39Click},
        {Button40, &TForm1::Button40Click}, {Button41, &TForm1::Button41Click}, {Button42, &TForm1::Button42Click},
        {Button43, &TForm1::Button43Click}, {Button44, &TForm1::Button44Click}, {Button45, &TForm1::Button45Click},
        {Button46, &TForm1::Button46Click}, {Button47, &TForm1::Button47Click},
        {ButtonWorstDesign, &TForm1::ButtonWorstDesignClick}, {ButtonWorstAssessment, &TForm1::ButtonWorstAssessmentClick},
    };
    for (const auto &[button, handler] : clicks)
        connect(button, &QPushButton::clicked, this, [this, handler = handler] { runGuarded([this, handler] { (this->*handler)(); }); });

    const std::pair<StringGrid *, void (TForm1::*)(int, int, const QString &)> edits[] = {
        {StringGrid1, &TForm1::StringGrid1SetEditText},
        {StringGrid2, &TForm1::StringGrid2SetEditText},
        {StringGrid3, &TForm1::StringGrid3SetEditText},
        {StringGrid4, &TForm1::StringGrid4SetEditText},
    };
    for (const auto &[grid, handler] : edits) {
        grid->setEditHandler([this, handler = handler](int column, int row, const QString &text) {
            runGuarded([&] { (this->*handler)(column, row, text); });
        });
    }

    const std::pair<FileListBox *, void (TForm1::*)()> fileEvents[] = {
        {FileListBox1, &TForm1::FileListBox1Change},
        {FileListBox2, &TForm1::FileListBox2Change},
        {FileListBox3, &TForm1::FileListBox3Change},
    };
    for (const auto &[files, handler] : fileEvents)
        connect(files, &FileListBox::chosenFileEvent, this, [this, handler = handler] { runGuarded([this, handler] { (this->*handler)(); }); });
}

namespace {

void writeInfluenceTable(StringGrid &grid, const QString &firstHeader, const QString &secondHeader)
{
    const QString rowNumber = QStringLiteral("          ");
    grid.setCell(0, 0, firstHeader);
    grid.setCell(1, 0, secondHeader);
    grid.setCell(2, 0, QStringLiteral("          n"));
    for (int row = 1; row <= 2; ++row) {
        grid.setCell(0, row, rowNumber + QString::number(row));
        grid.setCell(1, row, QString::number(row - 1));
        grid.setCell(2, row, QStringLiteral("1"));
    }
}

void writeLoadTable(StringGrid &grid, const QString &labelBlanks)
{
    const QString headers[] = {QStringLiteral(" Položka"), QStringLiteral("     x1"), QStringLiteral("     x2"),
                               QStringLiteral("     y1"),  QStringLiteral("     y2"), QStringLiteral(" Zatížení"),
                               QStringLiteral("Typ zat.")};
    for (int column = 0; column < 7; ++column)
        grid.setCell(column, 0, headers[column]);
    for (int row = 1; row <= 4; ++row) {
        const QString r = QString::number(row);
        const QString cells[] = {labelBlanks + r, r, r, QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("10"),
                                 QStringLiteral("1")};
        for (int column = 0; column < 7; ++column)
            grid.setCell(column, row, cells[column]);
    }
}

void writeEffectHeaders(StringGrid &grid)
{
    const QString headers[] = {QStringLiteral(" Pol."),     QStringLiteral(" Síla"),        QStringLiteral("NyX+"),
                               QStringLiteral("NyX -"),     QStringLiteral("NyY+"),         QStringLiteral("NyY -"),
                               QStringLiteral(" Účinnost"), QStringLiteral("   Zatížení"),  QStringLiteral("  d"),
                               QStringLiteral(" Celkem")};
    for (int column = 0; column < 10; ++column)
        grid.setCell(column, 0, headers[column]);
}

} // namespace

void TForm1::FormCreate()
{
    startFirstTab(emptyLongitudinalPicture());
    startOtherTabs();
}

QImage TForm1::emptyLongitudinalPicture()
{
    return tragvel::emptyGridPicture(tragvel::lineImageWidth, tragvel::lineImageHeight, 10);
}

void TForm1::startFirstTab(const QImage &emptyPicture)
{
    Image1->setImage(emptyPicture);
    writeInfluenceTable(*StringGrid1, QStringLiteral("    Položka"), QStringLiteral("   Staničení"));
    LongLineInvalid = 1;
}

void TForm1::startOtherTabs()
{
    Image2->setImage(tragvel::emptyGridPicture(tragvel::lineImageWidth, tragvel::lineImageHeight, 5));
    writeInfluenceTable(*StringGrid2, QStringLiteral("     Položka"), QStringLiteral(" Vzd.od kraje"));
    TransLineInvalid = 1;
    writeLoadTable(*StringGrid3, QStringLiteral("       "));
    DesignLoadsInvalid = 1;
    writeLoadTable(*StringGrid4, QStringLiteral("      "));
    AssessLoadsInvalid = 1;
    writeEffectHeaders(*StringGrid5);
    writeEffectHeaders(*StringGrid6);
    DesignEffectsInvalid = 1;
    AssessEffectsInvalid = 1;
}

// The chosen-file labels show the full path of the file selected in their list, or nothing.
void TForm1::FileListBox1Change()
{
    Label2->setText(FileListBox1->fileName());
}

void TForm1::FileListBox2Change()
{
    Label8->setText(FileListBox2->fileName());
}

void TForm1::FileListBox3Change()
{
    Label13->setText(FileListBox3->fileName());
}
