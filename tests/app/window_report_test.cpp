#include "windowtesting.h"

#include "app/documentadapter.h"
#include "app/fontsizebox.h"
#include "qtprinters.h"

#include "app/filebrowser.h"
#include "app/picturebox.h"
#include "app/stringgrid.h"

#include "report/reportdocument.h"

#include <QDir>
#include <QFont>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

namespace {

QString lines(std::initializer_list<const char *> items)
{
    QString text;
    for (const char *item : items)
        text += u8(item) + u'\n';
    return text;
}

const QStringList refusedInOrder = {
    u8("Chyba#19 - Chyba zadání/kontroly podélné příčinkové čáry !!!"),
    u8("Chyba#20 - Chyba zadání/kontroly příčinkové čáry příčného roznosu !!!"),
    u8("Chyba#21 - Chyba zadání/kontroly původního zatížení konstrukce !!!"),
    u8("Chyba#22 - Chyba zadání/kontroly nového zatížení konstrukce !!!"),
    u8("Chyba#26 - Výpočet účinků zatížení podle původního předpisu nebyl proveden nebo není aktuální!!!"),
    u8("Chyba#27 - Výpočet účinků zatížení podle nového předpisu nebyl proveden nebo není aktuální!!!"),
};

// The two capacity sections with the inputs of a new window, before evaluation.
const QString capacitySectionsAtStart = lines({
    "Zatížitelnost konstrukce stanovená porovnávacím výpočtem :",
    "Celkový účinek zatížení pro návrh objektu            :  Sp,c = 0",
    "Účinek stálého zatížení pro posouzení objektu        :  Sn,g = 0",
    "Účinek zatížení vozidly pro posouzení objektu        :  Sn,v = 0",
    "Účinek ost.nahodilého zatížení pro posouzení objektu :  Sn,r = 0",
    "Hmotnost vozidla v zatížení pro posouzení            :  Tn   = 0 t",
    "Součinitel stavu konstrukce                          :  alfa = 1,00",
    "Součinitel pevnosti materiálu                        :  beta = 1,00",
    "",
    "... zatížitelnost konstrukce                         :  V..  = ???? t",
    "Zatížitelnost konstrukce stanovená porovnávacím statickým výpočtem :",
    "Celkový účinek zatížení pro návrh objektu            :  Sp,c = 0",
    "Účinek stálého zatížení pro posouzení objektu        :  Sn,g = 0",
    "Účinek zatížení vozidly pro posouzení objektu        :  Sn,v = 0",
    "Účinek ost.nahodilého zatížení pro posouzení objektu :  Sn,r = 0",
    "Hmotnost vozidla v zatížení pro posouzení            :  Tn   = 0 t",
    "Součinitel stavu konstrukce                          :  alfa = 1,00",
    "Součinitel pevnosti materiálu                        :  beta = 1,00",
    "Únosnost průřezu stanovenná podle nového předpisu    :  Sn,u = 0",
    "",
    "... zatížitelnost konstrukce                         :  V..  = ???? t",
});

const QString longitudinalSectionAtStart = lines({
    "Příčinková čára ... v podéném směru mostu :",
    "Staničení       Pořadnice",
    "0               1",
    "1               1",
    " ",
});

QTextCharFormat formatOfLine(const QTextEdit &editor, int line)
{
    return editor.document()->findBlockByNumber(line).begin().fragment().charFormat();
}

class ReportWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        w.form->DirectoryListBox4->setDirectory(dir.path());
        ASSERT_EQ(w.form->DirectoryListBox4->directory(), dir.path());
    }

    void checkBothLines()
    {
        w.form->Button5->click();
        w.form->Button14->click();
        ASSERT_EQ(w.form->LongLineInvalid, 0);
        ASSERT_EQ(w.form->TransLineInvalid, 0);
        w.dialogs.clear();
    }

    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
    QByteArray contents(const char *name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    WindowFixture w;
    QTemporaryDir dir;
};

TEST_F(ReportWindowTest, ScreenResolutionIs96)
{
    EXPECT_EQ(w.form->RichEdit1->logicalDpiY(), 96);
}

TEST_F(ReportWindowTest, StandardDocumentWithNothingCheckedWritesOnlyTheCapacitySections)
{
    w.form->Button31->click();
    EXPECT_EQ(w.dialogs.messages, refusedInOrder);
    EXPECT_TRUE(w.dialogs.errors.isEmpty());
    EXPECT_EQ(w.form->RichEdit1->toPlainText(), capacitySectionsAtStart);
    // Every line bold and underlined at 12 px = 9 pt.
    for (int line = 0; line < 21; ++line) {
        if (line == 8 || line == 19)
            continue; // the empty lines hold no character
        const QTextCharFormat format = formatOfLine(*w.form->RichEdit1, line);
        EXPECT_EQ(format.fontPointSize(), 9) << line;
        EXPECT_EQ(format.fontWeight(), QFont::Bold) << line;
        EXPECT_TRUE(format.fontUnderline()) << line;
        EXPECT_FALSE(format.fontItalic()) << line;
    }
}

TEST_F(ReportWindowTest, RefusedSectionAppendsNothing)
{
    w.form->Button32->click();
    w.form->Button36->click();
    EXPECT_EQ(w.dialogs.messages, (QStringList{refusedInOrder[0], refusedInOrder[4]}));
    EXPECT_EQ(w.form->RichEdit1->toPlainText(), QString());
}

TEST_F(ReportWindowTest, SectionWrittenTwiceAppendsTwoCopies)
{
    checkBothLines();
    w.form->Button32->click();
    w.form->Button32->click();
    EXPECT_TRUE(w.dialogs.messages.isEmpty());
    EXPECT_EQ(w.form->RichEdit1->toPlainText(), longitudinalSectionAtStart + longitudinalSectionAtStart);
    const int points[] = {9, 8, 8, 8, 8, 9, 8};
    for (int line = 0; line < 7; ++line)
        EXPECT_EQ(formatOfLine(*w.form->RichEdit1, line).fontPointSize(), points[line]) << line;
}

TEST_F(ReportWindowTest, AfterASectionTypedTextIsBoldAndUnderlined)
{
    w.form->Button38->click();
    w.form->RichEdit1->insertPlainText(QStringLiteral("typed"));
    const QTextCharFormat format = formatOfLine(*w.form->RichEdit1, 10);
    EXPECT_EQ(w.form->RichEdit1->document()->findBlockByNumber(10).text(), QStringLiteral("typed"));
    EXPECT_EQ(format.fontWeight(), QFont::Bold);
    EXPECT_TRUE(format.fontUnderline());
}

struct SizeCase
{
    int pixels;
    int points;
};

class FontSizeTest : public ReportWindowTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(FontSizeTest, NastavitSetsThePixelHeightAsPoints)
{
    w.form->SpinEdit1->setValue(GetParam().pixels);
    w.form->Button43->click();
    w.form->RichEdit1->insertPlainText(QStringLiteral("abc"));
    EXPECT_EQ(formatOfLine(*w.form->RichEdit1, 0).fontPointSize(), GetParam().points);
    EXPECT_EQ(formatOfLine(*w.form->RichEdit1, 0).fontWeight(), QFont::Normal);
}

INSTANTIATE_TEST_SUITE_P(Report, FontSizeTest, ::testing::Values(SizeCase{20, 15}, SizeCase{8, 6}, SizeCase{12, 9}));

TEST_F(ReportWindowTest, FontSizeBoxTakesWhatIsTyped)
{
    auto *text = w.form->SpinEdit1->findChild<QLineEdit *>();
    ASSERT_NE(text, nullptr);
    const struct
    {
        const char *typed;
        int points;
    } cases[] = {{"16", 12}, {"3", 6}, {"25", 15}, {"abc", 6}, {"", 6}, {"12", 9}};
    for (const auto &c : cases) {
        w.form->SpinEdit1->setValue(20);
        text->setText(QString::fromUtf8(c.typed));
        w.form->RichEdit1->clear();
        w.form->Button43->click();
        w.form->RichEdit1->insertPlainText(QStringLiteral("x"));
        EXPECT_EQ(formatOfLine(*w.form->RichEdit1, 0).fontPointSize(), c.points) << c.typed;
    }
    // Leaving the box brings what was typed to a size in range.
    text->setText(QStringLiteral("3"));
    w.form->SpinEdit1->interpretText();
    QString typed = text->text();
    w.form->SpinEdit1->fixup(typed);
    EXPECT_EQ(typed, QStringLiteral("8"));
    typed = QStringLiteral("abc");
    w.form->SpinEdit1->fixup(typed);
    EXPECT_EQ(typed, QStringLiteral("8"));
    typed = QStringLiteral("99");
    w.form->SpinEdit1->fixup(typed);
    EXPECT_EQ(typed, QStringLiteral("20"));
}

// Puts "abcdef" into the editor with the given format and selects "bcd".
void selectMiddle(QTextEdit &editor, const QTextCharFormat &format)
{
    QTextCursor cursor = editor.textCursor();
    cursor.insertText(QStringLiteral("abcdef"), format);
    cursor.setPosition(1);
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

QTextCharFormat formatAt(const QTextEdit &editor, int position)
{
    QTextCursor cursor(editor.document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

TEST_F(ReportWindowTest, TucnePressedTwiceRestoresAndTouchesOnlyTheSelection)
{
    QTextEdit &editor = *w.form->RichEdit1;
    selectMiddle(editor, QTextCharFormat());
    w.form->Button47->click();
    EXPECT_EQ(formatAt(editor, 0).fontWeight(), QFont::Normal);
    EXPECT_EQ(formatAt(editor, 1).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatAt(editor, 3).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatAt(editor, 4).fontWeight(), QFont::Normal);
    w.form->Button47->click();
    EXPECT_EQ(formatAt(editor, 2).fontWeight(), QFont::Normal);
}

TEST_F(ReportWindowTest, KurzivaDecidesByItalicAloneAndKeepsBoldUnderline)
{
    QTextEdit &editor = *w.form->RichEdit1;
    QTextCharFormat boldUnderlined;
    boldUnderlined.setFontWeight(QFont::Bold);
    boldUnderlined.setFontUnderline(true);
    selectMiddle(editor, boldUnderlined);
    w.form->Button46->click();
    EXPECT_TRUE(formatAt(editor, 2).fontItalic());
    EXPECT_EQ(formatAt(editor, 2).fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatAt(editor, 2).fontUnderline());
    w.form->Button46->click();
    EXPECT_FALSE(formatAt(editor, 2).fontItalic());
    EXPECT_EQ(formatAt(editor, 2).fontWeight(), QFont::Bold);
}

TEST_F(ReportWindowTest, PodtrzeneTogglesUnderline)
{
    QTextEdit &editor = *w.form->RichEdit1;
    selectMiddle(editor, QTextCharFormat());
    w.form->Button45->click();
    EXPECT_TRUE(formatAt(editor, 2).fontUnderline());
    EXPECT_FALSE(formatAt(editor, 0).fontUnderline());
    w.form->Button45->click();
    EXPECT_FALSE(formatAt(editor, 2).fontUnderline());
}

TEST_F(ReportWindowTest, NormalneKeepsOnlyTheStrikeout)
{
    QTextEdit &editor = *w.form->RichEdit1;
    QTextCharFormat everything;
    everything.setFontWeight(QFont::Bold);
    everything.setFontUnderline(true);
    everything.setFontItalic(true);
    everything.setFontStrikeOut(true);
    selectMiddle(editor, everything);
    w.form->Button44->click();
    const QTextCharFormat middle = formatAt(editor, 2);
    EXPECT_EQ(middle.fontWeight(), QFont::Normal);
    EXPECT_FALSE(middle.fontUnderline());
    EXPECT_FALSE(middle.fontItalic());
    EXPECT_TRUE(middle.fontStrikeOut());
    EXPECT_EQ(formatAt(editor, 0).fontWeight(), QFont::Bold); // outside the selection
}

TEST_F(ReportWindowTest, NoPictureWrittenWhileNothingIsChecked)
{
    w.form->Button42->click();
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(w.dialogs.log.isEmpty());
}

TEST_F(ReportWindowTest, BothLinesCheckedWriteExactlyTheFirstTwoPictures)
{
    checkBothLines();
    w.form->Button42->click();
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Proj1-1.jpg"), QStringLiteral("Proj1-2.jpg")}));
    EXPECT_TRUE(w.dialogs.log.isEmpty());
    EXPECT_EQ(contents("Proj1-1.jpg").left(2), QByteArray("\xFF\xD8", 2));
}

TEST_F(ReportWindowTest, SaveProjectWritesTextAndCheckedPicturesAndReplacesWithoutAQuestion)
{
    checkBothLines();
    w.form->Button32->click();
    w.form->Button40->click();
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Proj1-1.jpg"), QStringLiteral("Proj1-2.jpg"), QStringLiteral("Proj1.rtf")}));
    const QByteArray first = contents("Proj1.rtf");
    EXPECT_TRUE(first.startsWith("{\\rtf1\\ansi\\ansicpg1250"));
    EXPECT_TRUE(first.contains("P\\'f8\\'ed\\'e8inkov\\'e1 \\'e8\\'e1ra ... v pod\\'e9n\\'e9m sm\\'ecru mostu :\\par"));

    w.form->Button33->click();
    w.form->Button41->click();
    EXPECT_TRUE(contents("Proj1.rtf").contains("v p\\'f8\\'ed\\'e8n\\'e9m sm\\'ecru :\\par"));
    EXPECT_TRUE(w.dialogs.log.isEmpty());
}

TEST_F(ReportWindowTest, EmptyProjectNameGivesDotRtf)
{
    w.form->Edit17->setText(QString());
    w.form->Button41->click();
    EXPECT_EQ(files(), QStringList{QStringLiteral(".rtf")});
}

TEST_F(ReportWindowTest, TextThatCannotBeCreatedStopsTheProjectBeforeThePictures)
{
    checkBothLines();
    QFile blocker(path("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    w.form->Edit17->setText(QStringLiteral("file/P"));
    w.form->Button40->click();
    EXPECT_EQ(w.dialogs.errors, QStringList{QStringLiteral("Cannot create file ") + path("file/P.rtf")});
    EXPECT_EQ(files(), QStringList{QStringLiteral("file")});
}

TEST_F(ReportWindowTest, PictureThatCannotBeWrittenStopsTheRestAndLeavesEarlierFiles)
{
    checkBothLines();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("P-1.jpg")));
    QFile earlier(path("P-2.jpg"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier picture");
    earlier.close();
    w.form->Edit17->setText(QStringLiteral("P"));
    w.form->Button42->click();
    EXPECT_EQ(w.dialogs.errors, QStringList{QStringLiteral("Cannot create file ") + path("P-1.jpg")});
    EXPECT_EQ(contents("P-2.jpg"), QByteArray("earlier picture"));
    EXPECT_EQ(files(), QStringList{QStringLiteral("P-2.jpg")});
}

// Checks every input and computes both effect sets through their buttons.
void checkAndComputeEverything(WindowFixture &w)
{
    for (QPushButton *button : {w.form->Button5, w.form->Button14, w.form->Button19, w.form->Button24,
                                w.form->Button18, w.form->Button23})
        button->click();
    ASSERT_EQ(w.form->DesignEffectsInvalid, 0);
    ASSERT_EQ(w.form->AssessEffectsInvalid, 0);
    w.dialogs.clear();
}

QStringList headingsOf(const QTextEdit &editor)
{
    QStringList headings;
    for (const QString &line : editor.toPlainText().split(u'\n'))
        if (line.endsWith(QStringLiteral(" :")) && !line.contains(u'='))
            headings << line;
    return headings;
}

TEST_F(ReportWindowTest, StandardDocumentWithEverythingCurrentWritesAllEightSections)
{
    checkAndComputeEverything(w);
    w.form->Button31->click();
    EXPECT_TRUE(w.dialogs.log.isEmpty()) << w.dialogs.log.join(u'|').toStdString();
    EXPECT_EQ(headingsOf(*w.form->RichEdit1), (QStringList{
        u8("Příčinková čára ... v podéném směru mostu :"),
        u8("Příčinková čára ... v příčném směru :"),
        u8("Zatižení konstrukce podle původní návrhové normy - ... :"),
        u8("Zatižení konstrukce podle nové návrhové normy - ... :"),
        u8("Účinky zatížení podle původní návrhové normy - ... :"),
        u8("Účinky zatížení podle nové návrhové normy - ... :"),
        u8("Zatížitelnost konstrukce stanovená porovnávacím výpočtem :"),
        u8("Zatížitelnost konstrukce stanovená porovnávacím statickým výpočtem :")}));
    // The first effect row: the load of 10 as a number field, the shares, d of the default box.
    EXPECT_TRUE(w.form->RichEdit1->toPlainText().contains(u8("\n1    10,000    ")));
    EXPECT_TRUE(w.form->RichEdit1->toPlainText().contains(
        u8("Účinky zatížení celkem          : ") + w.form->Label102->text() + u'\n'));
}

TEST_F(ReportWindowTest, EffectCellThatIsNotANumberStopsTheStandardDocument)
{
    checkAndComputeEverything(w);
    w.form->StringGrid5->setCell(9, 1, QStringLiteral("x"));
    w.form->Button31->click();
    EXPECT_EQ(w.dialogs.errors, QStringList{QStringLiteral("'x' is not a valid floating point value")});
    const QStringList headings = headingsOf(*w.form->RichEdit1);
    ASSERT_EQ(headings.size(), 5);
    EXPECT_EQ(headings.last(), u8("Účinky zatížení podle původní návrhové normy - ... :"));
}

// ---- a section appended as one edit against the same lines appended one by one ----

struct StartingEditor
{
    const char *name;
    const char *text;
    int anchor, position; // the caret and its selection before the sections
};

// Two sections of lines of several heights and styles.
const std::vector<tragvel::report::ReportLine> firstSection = {
    {QStringLiteral("Nadpis :"), 20, {true, false, true, false}},
    {QString(), 13, {}},
    {QStringLiteral("1    10,000    0,500"), 13, {false, true, false, false}},
    {QStringLiteral("2    -3,250    1,000"), 11, {}},
};
const std::vector<tragvel::report::ReportLine> secondSection = {
    {QStringLiteral("Zatížitelnost :"), 16, {false, false, false, true}},
    {QStringLiteral("V = 12,34 t"), 13, {true, false, false, false}},
};

void appendSections(QTextEdit &editor, bool asOneEdit)
{
    for (const auto *section : {&firstSection, &secondSection}) {
        std::unique_ptr<tragvel::report::ReportDocument> document;
        if (asOneEdit)
            document = std::make_unique<RichEditAppending>(editor, 96.0);
        else
            document = std::make_unique<RichEditDocument>(editor, 96.0);
        for (const tragvel::report::ReportLine &line : *section)
            tragvel::report::appendReportLine(*document, line, 96.0);
    }
}

TEST(ReportAppending, OneEditPerSectionGivesTheDocumentOfLineByLine)
{
    ensureApplication();
    const StartingEditor cases[] = {
        {"empty", "", 0, 0},
        {"typed last line, caret inside", "abc\ndef", 2, 2},
        {"selection across lines", "abc\ndefgh\n", 1, 6},
        {"ends with an empty line", "abc\n", 4, 4},
    };
    for (const StartingEditor &c : cases) {
        SCOPED_TRACE(c.name);
        QTextEdit lineByLine, oneEdit;
        for (QTextEdit *editor : {&lineByLine, &oneEdit}) {
            editor->document()->setDefaultFont(QFont(QStringLiteral("Courier New"), 8));
            editor->setPlainText(QString::fromUtf8(c.text));
            QTextCursor caret(editor->document());
            caret.setPosition(c.anchor);
            caret.setPosition(c.position, QTextCursor::KeepAnchor);
            editor->setTextCursor(caret);
            editor->show();
        }
        appendSections(lineByLine, false);
        appendSections(oneEdit, true);
        EXPECT_EQ(oneEdit.toHtml(), lineByLine.toHtml());
        EXPECT_EQ(oneEdit.toPlainText(), lineByLine.toPlainText());
        EXPECT_EQ(oneEdit.textCursor().position(), lineByLine.textCursor().position());
        EXPECT_EQ(oneEdit.textCursor().anchor(), lineByLine.textCursor().anchor());
        EXPECT_EQ(oneEdit.currentCharFormat(), lineByLine.currentCharFormat());
        EXPECT_TRUE(oneEdit.updatesEnabled());
        // Every fragment carries the same attributes.
        for (QTextBlock a = oneEdit.document()->begin(), b = lineByLine.document()->begin(); a.isValid() || b.isValid();
             a = a.next(), b = b.next()) {
            ASSERT_TRUE(a.isValid() && b.isValid());
            EXPECT_EQ(a.text(), b.text());
            EXPECT_EQ(a.blockFormat(), b.blockFormat());
            for (auto fa = a.begin(), fb = b.begin(); !fa.atEnd() || !fb.atEnd(); ++fa, ++fb) {
                ASSERT_TRUE(!fa.atEnd() && !fb.atEnd());
                EXPECT_EQ(fa.fragment().text(), fb.fragment().text());
                EXPECT_EQ(fa.fragment().charFormat(), fb.fragment().charFormat());
            }
        }
    }
}

} // namespace
