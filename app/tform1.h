#pragma once

#include "common/userdialogs.h"
#include "effects/patchintegrals.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

class QAction;
class QCloseEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QTextEdit;
class QWidget;

class DeferredCompletion;
class DirectoryListBox;
class DriveComboBox;
class FileListBox;
class FontSizeBox;
class FilterComboBox;
class PictureBox;
class ProjectSession;
class StringGrid;
class TableHistory;

// The main window. Its controls hold the whole state of a calculation as texts; the six flags tell
// which steps are valid. Handlers read control texts, call the subsystems and write texts back.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    // How much of the window the constructor builds: all of it, or the first tab alone, with the
    // other five tabs and the commands completed right after the window's first paint (or at the
    // user's first input, if that comes sooner), so that the program shows its window sooner.
    enum class Construction { Whole, FirstTabFirst };

    explicit TForm1(tragvel::UserDialogs &dialogs, QWidget *parent = nullptr,
                    Construction construction = Construction::Whole);
    ~TForm1() override;

    // The fonts the first tab and the menu bar paint with, for warming them up before the window
    // is built.
    static QList<QFont> firstPaintFonts();

    // Builds what the constructor left for later; nothing once the window is whole.
    void completeWindow();
    bool isWhole() const { return m_project != nullptr; }

    tragvel::UserDialogs &dialogs() { return m_dialogs; }
    // Shows the messages of a command one after another, in order.
    void showMessages(const QStringList &messages);

    // Runs a handler so that no exception leaves it: failures nobody expected are shown in the
    // standard error box and the window stays usable. Every command (button, accelerator, menu
    // action, grid and file-list event) passes through here; an open cell editor of the tables is
    // committed first, as the user's Enter commits it.
    // The outermost handler also records what it changed in the four input tables as one undo step.
    void runGuarded(const std::function<void()> &handler);
    TableHistory &tableHistory() { return *m_tableHistory; }

    // ---- validity flags: 1 = not checked or changed since, 0 = checked and unchanged ----
    uint8_t LongLineInvalid = 1;
    uint8_t TransLineInvalid = 1;
    uint8_t DesignLoadsInvalid = 1;
    uint8_t AssessLoadsInvalid = 1;
    uint8_t DesignEffectsInvalid = 1;
    uint8_t AssessEffectsInvalid = 1;

    // ---- controls, named as everywhere in the program ----
    // The menu bar above the page control: the project, editing and tools commands.
    QMenu *menuProject = nullptr, *menuEdit = nullptr, *menuTools = nullptr;
    QAction *actionProjectNew = nullptr, *actionProjectOpen = nullptr, *actionProjectSave = nullptr,
            *actionProjectSaveAs = nullptr, *actionProjectQuit = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr, *TabSheet2 = nullptr, *TabSheet3 = nullptr, *TabSheet4 = nullptr, *TabSheet5 = nullptr, *TabSheet6 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr;
    QLabel *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr, *Label16 = nullptr, *Label17 = nullptr, *Label18 = nullptr, *Label19 = nullptr, *Label20 = nullptr;
    QLabel *Label21 = nullptr, *Label22 = nullptr, *Label23 = nullptr, *Label24 = nullptr, *Label25 = nullptr, *Label26 = nullptr, *Label27 = nullptr, *Label28 = nullptr, *Label29 = nullptr, *Label30 = nullptr;
    QLabel *Label31 = nullptr, *Label32 = nullptr, *Label33 = nullptr, *Label34 = nullptr, *Label35 = nullptr, *Label36 = nullptr, *Label37 = nullptr, *Label38 = nullptr, *Label39 = nullptr, *Label40 = nullptr;
    QLabel *Label41 = nullptr, *Label42 = nullptr, *Label43 = nullptr, *Label44 = nullptr, *Label45 = nullptr, *Label46 = nullptr, *Label47 = nullptr, *Label48 = nullptr, *Label49 = nullptr, *Label50 = nullptr;
    QLabel *Label51 = nullptr, *Label52 = nullptr, *Label53 = nullptr, *Label54 = nullptr, *Label55 = nullptr, *Label56 = nullptr, *Label57 = nullptr, *Label58 = nullptr, *Label59 = nullptr, *Label60 = nullptr;
    QLabel *Label61 = nullptr, *Label62 = nullptr, *Label63 = nullptr, *Label64 = nullptr, *Label65 = nullptr, *Label66 = nullptr, *Label67 = nullptr, *Label68 = nullptr, *Label69 = nullptr, *Label70 = nullptr;
    QLabel *Label71 = nullptr, *Label72 = nullptr, *Label73 = nullptr, *Label74 = nullptr, *Label75 = nullptr, *Label76 = nullptr, *Label77 = nullptr, *Label78 = nullptr, *Label79 = nullptr, *Label80 = nullptr;
    QLabel *Label81 = nullptr, *Label82 = nullptr, *Label83 = nullptr, *Label84 = nullptr, *Label85 = nullptr, *Label86 = nullptr, *Label87 = nullptr, *Label88 = nullptr, *Label89 = nullptr, *Label90 = nullptr;
    QLabel *Label91 = nullptr, *Label92 = nullptr, *Label93 = nullptr, *Label94 = nullptr, *Label95 = nullptr, *Label96 = nullptr, *Label97 = nullptr, *Label98 = nullptr, *Label99 = nullptr, *Label100 = nullptr;
    QLabel *Label101 = nullptr, *Label102 = nullptr, *Label103 = nullptr, *Label104 = nullptr, *Label105 = nullptr, *Label106 = nullptr, *Label107 = nullptr, *Label108 = nullptr, *Label109 = nullptr, *Label110 = nullptr;
    QLabel *Label111 = nullptr, *Label112 = nullptr, *Label113 = nullptr, *Label114 = nullptr, *Label115 = nullptr, *Label116 = nullptr, *Label117 = nullptr, *Label118 = nullptr, *Label119 = nullptr, *Label120 = nullptr;
    QLabel *Label121 = nullptr, *Label122 = nullptr, *Label123 = nullptr, *Label124 = nullptr, *Label125 = nullptr, *Label126 = nullptr, *Label127 = nullptr, *Label128 = nullptr, *Label129 = nullptr, *Label130 = nullptr;
    QLabel *Label131 = nullptr, *Label132 = nullptr, *Label133 = nullptr, *Label134 = nullptr, *Label135 = nullptr, *Label136 = nullptr, *Label137 = nullptr, *Label138 = nullptr, *Label142 = nullptr;
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr, *Edit6 = nullptr, *Edit7 = nullptr, *Edit8 = nullptr, *Edit9 = nullptr;
    QLineEdit *Edit10 = nullptr, *Edit11 = nullptr, *Edit12 = nullptr, *Edit13 = nullptr, *Edit14 = nullptr, *Edit15 = nullptr, *Edit16 = nullptr, *Edit17 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr, *Button5 = nullptr, *Button6 = nullptr, *Button7 = nullptr, *Button8 = nullptr;
    QPushButton *Button9 = nullptr, *Button10 = nullptr, *Button11 = nullptr, *Button12 = nullptr, *Button13 = nullptr, *Button14 = nullptr, *Button15 = nullptr, *Button16 = nullptr;
    QPushButton *Button17 = nullptr, *Button18 = nullptr, *Button19 = nullptr, *Button20 = nullptr, *Button21 = nullptr, *Button22 = nullptr, *Button23 = nullptr, *Button24 = nullptr;
    QPushButton *Button25 = nullptr, *Button26 = nullptr, *Button27 = nullptr, *Button28 = nullptr, *Button29 = nullptr, *Button30 = nullptr, *Button31 = nullptr, *Button32 = nullptr;
    QPushButton *Button33 = nullptr, *Button34 = nullptr, *Button35 = nullptr, *Button36 = nullptr, *Button37 = nullptr, *Button38 = nullptr, *Button39 = nullptr, *Button40 = nullptr;
    QPushButton *Button41 = nullptr, *Button42 = nullptr, *Button43 = nullptr, *Button44 = nullptr, *Button45 = nullptr, *Button46 = nullptr, *Button47 = nullptr;
    QPushButton *ButtonWorstDesign = nullptr, *ButtonWorstAssessment = nullptr;
    QFrame *Bevel1 = nullptr, *Bevel2 = nullptr, *Bevel3 = nullptr, *Bevel4 = nullptr, *Bevel5 = nullptr, *Bevel6 = nullptr, *Bevel7 = nullptr, *Bevel8 = nullptr, *Bevel9 = nullptr, *Bevel10 = nullptr;
    StringGrid *StringGrid1 = nullptr, *StringGrid2 = nullptr, *StringGrid3 = nullptr,
               *StringGrid4 = nullptr, *StringGrid5 = nullptr, *StringGrid6 = nullptr;
    PictureBox *Image1 = nullptr, *Image2 = nullptr, *Image3 = nullptr, *Image4 = nullptr,
               *Image5 = nullptr, *Image6 = nullptr;
    DriveComboBox *DriveComboBox1 = nullptr, *DriveComboBox2 = nullptr, *DriveComboBox3 = nullptr,
                  *DriveComboBox4 = nullptr;
    DirectoryListBox *DirectoryListBox1 = nullptr, *DirectoryListBox2 = nullptr,
                     *DirectoryListBox3 = nullptr, *DirectoryListBox4 = nullptr;
    FilterComboBox *FilterComboBox1 = nullptr, *FilterComboBox2 = nullptr, *FilterComboBox3 = nullptr;
    FileListBox *FileListBox1 = nullptr, *FileListBox2 = nullptr, *FileListBox3 = nullptr;
    FontSizeBox *SpinEdit1 = nullptr;
    QTextEdit *RichEdit1 = nullptr;
    tragvel::SaveDialogOptions SaveDialog1;
    tragvel::SaveDialogOptions SaveDialog2;

    // ---- start-up: the initial tables, pictures and flags of all six tabs ----
    void FormCreate();

    // ---- tabs 1 and 2: influence lines ----
    void Button1Click();
    void Button2Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Button12Click();
    void Button13Click();
    void Button14Click();
    void StringGrid1SetEditText(int column, int row, const QString &text);
    void StringGrid2SetEditText(int column, int row, const QString &text);
    void FileListBox1Change();
    void FileListBox2Change();

    // ---- tab 3: loads ----
    void Button3Click();
    void Button4Click();
    void Button15Click();
    void Button16Click();
    void Button17Click();
    void Button19Click();
    void Button20Click();
    void Button21Click();
    void Button22Click();
    void Button24Click();
    void StringGrid3SetEditText(int column, int row, const QString &text);
    void StringGrid4SetEditText(int column, int row, const QString &text);
    void FileListBox3Change();

    // ---- tab 4: load effects ----
    void Button18Click();
    void Button23Click();
    // The most unfavourable position of each set's vehicle (a dialog; "Použít" moves the vehicle).
    void ButtonWorstDesignClick();
    void ButtonWorstAssessmentClick();
    // The integrals of both influence lines (StringGrid1, StringGrid2 as they stand) over a patch
    // already shifted by its set's reference point. Changes nothing on the window.
    tragvel::effects::TPatchIntegrals PricCara(double x1, double x2, double y1, double y2);

    // ---- tab 5: load capacity ----
    void Button25Click();
    void Button26Click();
    void Button27Click();
    void Button28Click();
    void Button29Click();
    void Button30Click();

    // ---- tab 6: report document and project output ----
    void Button31Click();
    void Button32Click();
    void Button33Click();
    void Button34Click();
    void Button35Click();
    void Button36Click();
    void Button37Click();
    void Button38Click();
    void Button39Click();
    void Button40Click();
    void Button41Click();
    void Button42Click();
    void Button43Click();
    void Button44Click();
    void Button45Click();
    void Button46Click();
    void Button47Click();
    // The section writers append one section each to RichEdit1; the first six refuse with their
    // message, appending nothing, while their input is not checked or not current.
    void PrCaraPodSmer();
    void PrCaraPrSmer();
    void ZatizeniStare();
    void ZatizeniNove();
    void UcinkyStare();
    void UcinkyNove();
    void ZatPorVyp();
    void ZatStatVyp();
    // The report as <open directory of DirectoryListBox4>/<Edit17>.rtf.
    void SaveText();
    // The pictures of the checked inputs as <directory>/<Edit17>-1.jpg .. -6.jpg.
    void SavePict();

    // ---- the project file: its name, unsaved changes, the recent projects ----
    ProjectSession &project() { return *m_project; }

protected:
    // With unsaved changes, asks whether to save them first; "Zrušit" keeps the window open.
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildInfluenceTab(int tab);
    void buildLoadsTab();
    void buildEffectsTab();
    void buildCapacityTab();
    void buildDocumentTab();
    void buildOtherTabs();
    void connectHandlers();
    // The undo history, the edit commands and the project session, over the whole window.
    void startCommands();
    // The two halves of FormCreate: the first tab, with its empty picture, and the tabs built after it.
    static QImage emptyLongitudinalPicture();
    void startFirstTab(const QImage &emptyPicture);
    void startOtherTabs();

    tragvel::UserDialogs &m_dialogs;
    DeferredCompletion *m_completion = nullptr;
    TableHistory *m_tableHistory = nullptr;
    int m_guardDepth = 0;
    std::unique_ptr<ProjectSession> m_project;
};
