#include "windowtesting.h"

#include "app/filebrowser.h"
#include "app/fontsizebox.h"
#include "app/gridcells.h"
#include "app/picturebox.h"
#include "app/projecthandlers.h"
#include "app/projectsession.h"
#include "app/projectwindow.h"
#include "app/stringgrid.h"

#include "common/gridpicture.h"
#include "report/documentcontent.h"
#include "report/rtfwriter.h"
#include "qtprinters.h"
#include "testfiles.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

using tragvel::SaveChangesAnswer;

const QString question = QStringLiteral("Uložit změny v projektu?");
const QString baseCaption = QStringLiteral("  Výpočet zatížitelnosti mostní konstrukce");

std::vector<StringGrid *> gridsOf(const TForm1 &f)
{
    return {f.StringGrid1, f.StringGrid2, f.StringGrid3, f.StringGrid4, f.StringGrid5, f.StringGrid6};
}

std::vector<QLineEdit *> editsOf(const TForm1 &f)
{
    return {f.Edit1,  f.Edit2,  f.Edit3,  f.Edit4,  f.Edit5,  f.Edit6,  f.Edit7,  f.Edit8, f.Edit9,
            f.Edit10, f.Edit11, f.Edit12, f.Edit13, f.Edit14, f.Edit15, f.Edit16, f.Edit17};
}

std::vector<DirectoryListBox *> directoriesOf(const TForm1 &f)
{
    return {f.DirectoryListBox1, f.DirectoryListBox2, f.DirectoryListBox3, f.DirectoryListBox4};
}

tragvel::CellTable filledTable(int columns, int rows, const QString &stem)
{
    tragvel::CellTable t;
    for (int r = 0; r < rows; ++r) {
        QStringList cells;
        for (int c = 0; c < columns; ++c)
            cells << stem + QStringLiteral("%1,%2").arg(c).arg(r);
        t.rows.push_back(cells);
    }
    return t;
}

class ProjectWindowTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }

    // Every grid at its largest, texts that are no numbers, every edit box, the font size box, the
    // four directories and a document of sections, typed text and formatting.
    void fillWindow(WindowFixture &w)
    {
        TForm1 &f = *w.form;
        const int rows[] = {101, 26, 101, 101, 101, 101};
        const int columns[] = {3, 3, 7, 7, 10, 10};
        const auto grids = gridsOf(f);
        for (size_t i = 0; i < grids.size(); ++i)
            writeCells(*grids[i], filledTable(columns[i], rows[i], QStringLiteral("g%1 ").arg(i)));
        commitCellEdit(*f.StringGrid1, 1, 1, u8("  1,5e3 "));
        commitCellEdit(*f.StringGrid3, 6, 100, u8("není číslo"));
        const auto edits = editsOf(f);
        for (size_t i = 0; i < edits.size(); ++i)
            edits[i]->setText(QStringLiteral("%1,5").arg(i));
        f.Edit17->setText(u8("Most přes Vltavu"));
        f.SpinEdit1->setValue(13);
        f.DirectoryListBox1->setDirectory(sourcePath(QStringLiteral("examples")));
        f.DirectoryListBox2->setDirectory(dir.path());
        f.DirectoryListBox3->setDirectory(sourcePath(QStringLiteral("tests")));
        f.DirectoryListBox4->setDirectory(QDir::rootPath());
        f.Button38->click();
        f.Button39->click();
        QTextCursor cursor(f.RichEdit1->document()->findBlockByNumber(1));
        cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, 8);
        f.RichEdit1->setTextCursor(cursor);
        f.Button46->click(); // italics on the selection
        f.Button45->click(); // underline off there
        f.RichEdit1->moveCursor(QTextCursor::End);
        f.RichEdit1->insertPlainText(u8("Poznámka: ověřit {ložiska}\\"));
        ASSERT_TRUE(w.dialogs.log.isEmpty()) << w.dialogs.log.join(u'|').toStdString();
    }

    void expectSameWindow(const TForm1 &a, const TForm1 &b)
    {
        const auto gridsA = gridsOf(a), gridsB = gridsOf(b);
        for (size_t i = 0; i < gridsA.size(); ++i)
            EXPECT_EQ(readCells(*gridsB[i]).rows, readCells(*gridsA[i]).rows) << "StringGrid" << i + 1;
        const auto editsA = editsOf(a), editsB = editsOf(b);
        for (size_t i = 0; i < editsA.size(); ++i)
            EXPECT_EQ(editsB[i]->text(), editsA[i]->text()) << "Edit" << i + 1;
        EXPECT_EQ(b.SpinEdit1->text(), a.SpinEdit1->text());
        const auto directoriesA = directoriesOf(a), directoriesB = directoriesOf(b);
        for (size_t i = 0; i < directoriesA.size(); ++i) {
            EXPECT_EQ(directoriesB[i]->directory(), directoriesA[i]->directory()) << "DirectoryListBox" << i + 1;
            EXPECT_EQ(directoriesB[i]->count(), directoriesA[i]->count()) << "DirectoryListBox" << i + 1;
        }
        EXPECT_EQ(b.FileListBox1->directory(), a.FileListBox1->directory());
        EXPECT_EQ(b.FileListBox3->count(), a.FileListBox3->count());
        EXPECT_EQ(b.RichEdit1->toPlainText(), a.RichEdit1->toPlainText());
        EXPECT_EQ(tragvel::project::documentParagraphs(*b.RichEdit1->document()),
                  tragvel::project::documentParagraphs(*a.RichEdit1->document()));
        EXPECT_EQ(tragvel::report::rtfBytes(*b.RichEdit1->document(), 96.0), tragvel::report::rtfBytes(*a.RichEdit1->document(), 96.0));
    }

    QTemporaryDir dir;
};

void expectFreshFlagsAndResults(const TForm1 &f)
{
    for (const uint8_t flag : {f.LongLineInvalid, f.TransLineInvalid, f.DesignLoadsInvalid, f.AssessLoadsInvalid,
                               f.DesignEffectsInvalid, f.AssessEffectsInvalid})
        EXPECT_EQ(flag, 1);
    for (const QLabel *mark : {f.Label24, f.Label25, f.Label26, f.Label27})
        EXPECT_EQ(mark->text(), QStringLiteral("X"));
    for (const QLabel *value : {f.Label90, f.Label49, f.Label93, f.Label112, f.Label102, f.Label96, f.Label53,
                                f.Label99, f.Label115, f.Label105})
        EXPECT_EQ(value->text(), QStringLiteral("???")) << value->objectName().toStdString();
    EXPECT_EQ(f.Label82->text(), QStringLiteral("????"));
    EXPECT_EQ(f.Label128->text(), QStringLiteral("????"));
    EXPECT_EQ(f.Image1->image(), tragvel::emptyGridPicture(tragvel::lineImageWidth, tragvel::lineImageHeight, 10));
    EXPECT_EQ(f.Image2->image(), tragvel::emptyGridPicture(tragvel::lineImageWidth, tragvel::lineImageHeight, 5));
    for (const PictureBox *picture : {f.Image3, f.Image4, f.Image5, f.Image6})
        EXPECT_FALSE(picture->hasPicture());
}

TEST_F(ProjectWindowTest, SavedWindowReopensTheSameInAFreshWindow)
{
    WindowFixture a;
    fillWindow(a);
    EXPECT_EQ(a.form->windowTitle(), baseCaption + QStringLiteral(" *"));
    const QString file = path("most12.tragvel");
    a.dialogs.answerSave(file);
    a.form->actionProjectSaveAs->trigger();
    ASSERT_TRUE(a.dialogs.log.isEmpty()) << a.dialogs.log.join(u'|').toStdString();
    ASSERT_EQ(a.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(a.dialogs.saveRequests[0].title, u8("Uložit projekt do souboru"));
    EXPECT_EQ(a.dialogs.saveRequests[0].filter, u8("Projekty (*.tragvel)|*.tragvel|Všechny soubory (*.*)|*.*"));
    EXPECT_EQ(a.dialogs.saveRequests[0].defaultExtension, QStringLiteral(".tragvel"));
    EXPECT_EQ(a.form->windowTitle(), baseCaption + u8(" – most12.tragvel"));
    const QByteArray saved = readTestFile(file);
    // The browser that shows the project's own folder is kept relative to it.
    EXPECT_TRUE(saved.contains("\"DirectoryListBox2\": \".\"")) << saved.left(300).toStdString();

    WindowFixture b;
    b.dialogs.answerOpen(file);
    b.form->actionProjectOpen->trigger();
    ASSERT_TRUE(b.dialogs.log.isEmpty()) << b.dialogs.log.join(u'|').toStdString();
    ASSERT_EQ(b.dialogs.openRequests.size(), 1u);
    EXPECT_EQ(b.dialogs.openRequests[0].title, u8("Otevřít projekt"));
    expectSameWindow(*a.form, *b.form);
    expectFreshFlagsAndResults(*b.form);
    EXPECT_EQ(b.form->windowTitle(), baseCaption + u8(" – most12.tragvel"));
    EXPECT_FALSE(b.form->project().isModified());

    // Saved again unchanged, the file is the same byte for byte.
    b.form->actionProjectSave->trigger();
    EXPECT_TRUE(b.dialogs.saveRequests.empty());
    EXPECT_EQ(readTestFile(file), saved);
    b.form->Edit17->setText(QStringLiteral("jiný"));
    EXPECT_EQ(b.form->windowTitle(), baseCaption + u8(" – most12.tragvel *"));
}

TEST_F(ProjectWindowTest, OpeningClearsTheChecksAndTheResults)
{
    WindowFixture w;
    const QString file = path("start.tragvel");
    w.dialogs.answerSave(file);
    w.form->actionProjectSave->trigger(); // no file yet: asks for one
    for (QPushButton *button : {w.form->Button5, w.form->Button14, w.form->Button19, w.form->Button24,
                                w.form->Button18, w.form->Button23, w.form->Button26, w.form->Button25})
        button->click();
    ASSERT_EQ(w.form->Label24->text(), QStringLiteral("OK"));
    ASSERT_NE(w.form->Label102->text(), QStringLiteral("???"));
    ASSERT_TRUE(w.form->Image3->hasPicture());
    w.dialogs.clear();
    // The effects tables changed: the question comes first.
    w.dialogs.answerSaveChanges(SaveChangesAnswer::Discard);
    w.dialogs.answerOpen(file);
    w.form->actionProjectOpen->trigger();
    EXPECT_EQ(w.dialogs.log, QStringList{QStringLiteral("question: ") + question});
    expectFreshFlagsAndResults(*w.form);
    EXPECT_EQ(w.form->StringGrid5->rowCount(), 2);
}

TEST_F(ProjectWindowTest, FileThatIsNotAProjectChangesNothing)
{
    WindowFixture w;
    fillWindow(w);
    w.dialogs.answerSave(path("before.tragvel"));
    w.form->actionProjectSaveAs->trigger();
    commitCellEdit(*w.form->StringGrid2, 2, 1, QStringLiteral("7"));
    const tragvel::project::ProjectData before = windowProject(*w.form);
    const QString caption = w.form->windowTitle();
    ASSERT_EQ(caption, baseCaption + u8(" – before.tragvel *"));
    const QString bad = path("other.tragvel");
    writeTestFile(bad, R"({"format": "tragvel-project", "version": 3})");
    w.dialogs.clear();
    w.dialogs.answerSaveChanges(SaveChangesAnswer::Discard);
    w.dialogs.answerOpen(bad);
    w.form->actionProjectOpen->trigger();
    EXPECT_EQ(w.dialogs.errors, QStringList{u8("Soubor „") + bad +
                                            u8("“ nelze otevřít jako projekt: projekt je uložen novější verzí formátu (3), "
                                               "tento program čte nejvýše verzi 1; otevřete jej novější verzí programu. "
                                               "Vyberte soubor projektu (*.tragvel) uložený tímto programem.")});
    EXPECT_EQ(w.form->windowTitle(), caption);
    EXPECT_EQ(w.form->project().path(), path("before.tragvel"));
    EXPECT_TRUE(w.form->project().isModified());
    EXPECT_TRUE(windowProject(*w.form) == before);
    EXPECT_EQ(w.form->project().recentProjects(), QStringList{path("before.tragvel")});
}

TEST_F(ProjectWindowTest, CloseAsksOnlyWithUnsavedChangesAndObeysAllThreeAnswers)
{
    {
        // Shown and painted, nothing entered: closes at once.
        WindowFixture w;
        w.form->show();
        QApplication::processEvents();
        EXPECT_EQ(w.form->windowTitle(), baseCaption);
        EXPECT_TRUE(w.form->close());
        EXPECT_TRUE(w.dialogs.log.isEmpty());
    }
    {
        WindowFixture w;
        w.form->Edit14->setText(QStringLiteral("48"));
        w.dialogs.answerSaveChanges(SaveChangesAnswer::Cancel);
        EXPECT_FALSE(w.form->close());
        EXPECT_EQ(w.dialogs.questions, QStringList{question});
        EXPECT_TRUE(w.form->project().isModified());
        EXPECT_EQ(w.form->Edit14->text(), QStringLiteral("48"));
    }
    {
        WindowFixture w;
        w.form->Edit14->setText(QStringLiteral("48"));
        w.dialogs.answerSaveChanges(SaveChangesAnswer::Discard);
        EXPECT_TRUE(w.form->close());
        EXPECT_EQ(w.dialogs.questions, QStringList{question});
        EXPECT_TRUE(w.dialogs.saveRequests.empty());
    }
    {
        // "Uložit" on an unnamed project asks for its file; cancelling that keeps the window open.
        WindowFixture w;
        w.form->Edit14->setText(QStringLiteral("48"));
        w.dialogs.answerSaveChanges(SaveChangesAnswer::Save);
        w.dialogs.answerSave(std::nullopt);
        EXPECT_FALSE(w.form->close());
        w.dialogs.answerSaveChanges(SaveChangesAnswer::Save);
        w.dialogs.answerSave(path("closing.tragvel"));
        EXPECT_TRUE(w.form->close());
        EXPECT_EQ(w.dialogs.questions, (QStringList{question, question}));
        EXPECT_EQ(tragvel::project::loadProjectFile(path("closing.tragvel")).edits[13], QStringLiteral("48"));
    }
    {
        // A save that fails shows its error and keeps the window open.
        WindowFixture w;
        w.dialogs.answerSave(path("named.tragvel"));
        w.form->actionProjectSaveAs->trigger();
        w.form->Edit14->setText(QStringLiteral("48"));
        ASSERT_TRUE(QFile::remove(path("named.tragvel")));
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("named.tragvel")));
        w.dialogs.answerSaveChanges(SaveChangesAnswer::Save);
        EXPECT_FALSE(w.form->close());
        EXPECT_EQ(w.dialogs.errors, QStringList{QStringLiteral("Cannot create file ") + path("named.tragvel")});
    }
}

TEST_F(ProjectWindowTest, TextStillInACellEditorIsCommittedBeforeTheQuestion)
{
    WindowFixture w;
    TForm1 &f = *w.form;
    f.show();
    f.activateWindow();
    QApplication::setActiveWindow(&f);
    QApplication::processEvents();
    f.StringGrid1->setFocus();
    f.StringGrid1->setCurrentCell(2, 2); // opens the cell's editor
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("2,5"));
    ASSERT_FALSE(f.project().isModified());
    // Closing commits the edit, which is then an unsaved change.
    w.dialogs.answerSaveChanges(SaveChangesAnswer::Save);
    w.dialogs.answerSave(path("edited.tragvel"));
    EXPECT_TRUE(f.close());
    EXPECT_EQ(w.dialogs.questions, QStringList{question});
    EXPECT_EQ(f.StringGrid1->cell(2, 2), QStringLiteral("2,5"));
    EXPECT_EQ(f.Label24->text(), QStringLiteral("X"));
    EXPECT_EQ(tragvel::project::loadProjectFile(path("edited.tragvel")).grids[0].cell(2, 2), QStringLiteral("2,5"));
}

TEST_F(ProjectWindowTest, NewAsksAndThenShowsTheStartingWindow)
{
    WindowFixture fresh;
    WindowFixture w;
    fillWindow(w);
    w.dialogs.answerSaveChanges(SaveChangesAnswer::Cancel);
    w.form->actionProjectNew->trigger();
    EXPECT_EQ(w.form->StringGrid1->rowCount(), 101);
    EXPECT_TRUE(w.form->project().isModified());
    w.dialogs.answerSaveChanges(SaveChangesAnswer::Discard);
    w.form->actionProjectNew->trigger();
    EXPECT_EQ(w.dialogs.questions, (QStringList{question, question}));
    expectSameWindow(*fresh.form, *w.form);
    expectFreshFlagsAndResults(*w.form);
    EXPECT_EQ(w.form->windowTitle(), baseCaption);
    // Nothing changed since: no question.
    w.form->actionProjectNew->trigger();
    EXPECT_EQ(w.dialogs.questions.size(), 2);
}

TEST_F(ProjectWindowTest, MenuHoldsTheCommandsAndTheLastFiveProjects)
{
    WindowFixture w;
    TForm1 &f = *w.form;
    const QList<QAction *> actions = f.menuProject->actions();
    QStringList shown;
    for (const QAction *action : actions)
        shown << (action->isSeparator() ? QStringLiteral("-") : action->objectName() + u' ' + action->text() + u' ' +
                                                                  action->shortcut().toString());
    EXPECT_EQ(shown.mid(0, 5), (QStringList{u8("actionProjectNew Nový Ctrl+N"), u8("actionProjectOpen Otevřít… Ctrl+O"),
                                            u8("actionProjectSave Uložit Ctrl+S"),
                                            u8("actionProjectSaveAs Uložit jako… Ctrl+Shift+S"), QStringLiteral("-")}));
    ASSERT_GE(shown.size(), 12);
    EXPECT_EQ(shown.mid(shown.size() - 8),
              (QStringList{QStringLiteral("-"), QStringLiteral("actionRecentProject1  "), QStringLiteral("actionRecentProject2  "),
                           QStringLiteral("actionRecentProject3  "), QStringLiteral("actionRecentProject4  "),
                           QStringLiteral("actionRecentProject5  "), QStringLiteral("-"), u8("actionProjectQuit Konec ")}));
    EXPECT_EQ(f.menuBar()->actions().first()->menu(), f.menuProject);

    for (int i = 1; i <= 6; ++i) {
        const QString file = dir.filePath(QStringLiteral("p%1.tragvel").arg(i));
        f.Edit14->setText(QString::number(i));
        w.dialogs.answerSave(file);
        f.actionProjectSaveAs->trigger();
    }
    QStringList recent;
    for (int i = 0; i < ProjectSession::recentCount; ++i) {
        const QAction *action = f.findChild<QAction *>(recentProjectActionName(i));
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->isVisible());
        recent << action->text();
    }
    EXPECT_EQ(recent, (QStringList{QStringLiteral("1 ") + path("p6.tragvel"), QStringLiteral("2 ") + path("p5.tragvel"),
                                   QStringLiteral("3 ") + path("p4.tragvel"), QStringLiteral("4 ") + path("p3.tragvel"),
                                   QStringLiteral("5 ") + path("p2.tragvel")}));
    f.findChild<QAction *>(recentProjectActionName(3))->trigger();
    EXPECT_TRUE(w.dialogs.log.isEmpty()) << w.dialogs.log.join(u'|').toStdString();
    EXPECT_EQ(f.Edit14->text(), QStringLiteral("3"));
    EXPECT_EQ(f.project().recentProjects().first(), path("p3.tragvel"));
    EXPECT_EQ(f.windowTitle(), baseCaption + u8(" – p3.tragvel"));

    // A project that is gone is reported and leaves the list.
    ASSERT_TRUE(QFile::remove(path("p5.tragvel")));
    f.findChild<QAction *>(recentProjectActionName(2))->trigger();
    // The reason is the system's own text, in the system's language.
    ASSERT_EQ(w.dialogs.errors.size(), 1);
    EXPECT_TRUE(w.dialogs.errors[0].startsWith(QStringLiteral("Cannot open file \"") + path("p5.tragvel") +
                                               QStringLiteral("\". ")))
        << w.dialogs.errors[0].toStdString();
    EXPECT_EQ(f.project().recentProjects(),
              (QStringList{path("p3.tragvel"), path("p6.tragvel"), path("p4.tragvel"), path("p2.tragvel")}));
    EXPECT_FALSE(f.findChild<QAction *>(recentProjectActionName(4))->isVisible());
    EXPECT_EQ(f.Edit14->text(), QStringLiteral("3"));
}

} // namespace
