// A long random sequence of everything a user can do in the window, with a fixed seed. After every
// step the window must still be consistent: flags and check marks agree, effects are current only
// over checked inputs, tables stay within their limits, pictures keep their sizes, and every message
// shown is one the program knows.
#include "windowtesting.h"

#include "app/fontsizebox.h"
#include "qtprinters.h"
#include "testfiles.h"

#include "app/filebrowser.h"
#include "app/picturebox.h"
#include "app/stringgrid.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <random>
#include <string>

namespace {


constexpr int steps = 10000;
constexpr std::uint32_t seed = 20240611u;

// Texts typed into cells and boxes: numbers of both notations, huge and tiny ones, non-numbers.
const char *const typedTexts[] = {
    "", " ", "0", "1", "-1", "2", "3", "4", "5", "10", "2,5", "-0,5", "0,001", "2.5", "1E300", "-1E308",
    "1e-320", "1E5", "abc", "1,5,2", "  7", "+3", "100", "-0", ",", "1,", "12345678901234567890", "0x10",
    "Ω", "1 2", "20", "0,25",
};

// Answers to the new-table box: in and out of both limits, no numbers, cancel (nullopt).
const char *const tableAnswers[] = {"2", "1", "0", "-3", "100", "101", "25", "26", "abc", "", " 5", "5 ", "3", "7"};

// The messages the program may show, by their opening words.
QString messageKind(const QString &text)
{
    if (text.startsWith(u8("Chyba#")) && text.size() >= 8 && text[6].isDigit() && text[7].isDigit())
        return text.left(8);
    if (text == u8("Je třeba vybrat pracovní soubor !!!"))
        return u8("no file chosen");
    if (text.startsWith(u8("Pozor, plocha pod čárou příčného roznosu je ")) && text.endsWith(u8(" místo 1,00 !")))
        return u8("area warning");
    return QString();
}

QString errorKind(const QString &text)
{
    for (const char *opening : {"Cannot create file ", "Cannot open file ", "Cannot read file "}) {
        if (text.startsWith(u8(opening)))
            return u8(opening).trimmed();
    }
    if (text.startsWith(u'\'') && text.endsWith(u8("' is not a valid floating point value")))
        return u8("not a valid floating point value");
    if (text.startsWith(u'\'') && text.endsWith(u8("' is not a valid integer value")))
        return u8("not a valid integer value");
    // Results that do not fit into a number.
    if (text.endsWith(u8(" nelze vyčíslit, hodnota překračuje rozsah čísel !!!")))
        return u8("beyond the range of numbers");
    return QString();
}

class StressTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        files = dir.filePath(QStringLiteral("files"));
        out = dir.filePath(QStringLiteral("out"));
        ASSERT_TRUE(QDir().mkpath(files));
        ASSERT_TRUE(QDir().mkpath(out));
        writeFiles();
        form().DirectoryListBox4->setDirectory(out);
        form().DirectoryListBox3->setDirectory(files);
    }

    TForm1 &form() { return *w.form; }

    std::uint32_t pick(std::uint32_t n) { return rng() % n; }
    QString randomText() { return u8(typedTexts[pick(std::size(typedTexts))]); }

    void writeFiles()
    {
        std::mt19937 bytes(seed + 1);
        QByteArray garbage;
        for (int i = 0; i < 3000; ++i)
            garbage += char(bytes() % 256);
        QByteArray longLine, manyLoads;
        for (int i = 0; i <= 100; ++i) {
            longLine += QByteArray::number(i) + " " + QByteArray::number(i % 7 - 3) + "\r\n";
            manyLoads += QByteArray::number(i) + " " + QByteArray::number(i + 1) + " 0 1 " + QByteArray::number(i % 5)
                + " " + QByteArray::number(i % 4) + "\r\n";
        }
        const std::pair<const char *, QByteArray> contents[] = {
            {"moment.prc", "0 0\r\n10 5\r\n20 0\r\n"},
            {"deck.prc", "0 0.125\r\n2 0.375\r\n4 0.125\r\n"},
            {"negative.prc", "0 1\r\n5 -2\r\n10 0.5\r\n"},
            {"long.prc", longLine},
            {"wide.prc", "0 1 2\r\n1 1 5 6\r\n"},
            {"lfonly.prc", "0 1\n1 1\n2 0\n"},
            {"comma.prc", "1,5 2\r\n3 -0,5\r\n"},
            {"huge.prc", "0 1E300\r\n1E300 -1E308\r\n"},
            {"ctrlz.prc", "0 1\r\n2 1\r\n\x1a" "5 5\r\n"},
            {"garbage.prc", garbage},
            {"empty.prc", QByteArray()},
            {"loads.zat", "0 20 0 4 10 0\r\n10 10 1 1 100 1\r\n0 20 0 2 4 2\r\n5 15 1 3 -2 3\r\n"},
            {"many.zat", manyLoads},
            {"wide.zat", "1 2 3 4 5 6 7 8\r\n"},
            {"short.zat", "1 2 3 4\r\n5 6 0 1 2 1\r\n"},
            {"bad.zat", "5 1 3 0 10 7\r\n1,5 2 0 0 1 1\r\n"},
            {"huge.zat", "-1E300 1E300 -1E308 1E308 1E300 1\r\n"},
            {"garbage.zat", garbage.mid(1000)},
            {"empty.zat", QByteArray()},
        };
        for (const auto &[name, bytes] : contents)
            writeTestFile(QDir(files).filePath(u8(name)), bytes);
        fileNames.clear();
        for (const auto &[name, bytes] : contents)
            fileNames << u8(name);
        fileNames << u8("missing.prc") << u8("missing.zat");
    }

    // Queues the answer a button asks for, if it asks.
    void queueAnswerFor(int button, QString &action)
    {
        if (button == 7 || button == 10 || button == 15 || button == 21) {
            if (pick(8) == 0) {
                w.dialogs.answerInput(std::nullopt);
                action += u8(" (cancel)");
            } else {
                const QString answer = u8(tableAnswers[pick(std::size(tableAnswers))]);
                w.dialogs.answerInput(answer);
                action += u8(" answer '") + answer + u8("'");
            }
        } else if (button == 8 || button == 13 || button == 17 || button == 22) {
            const QString ext = button == 8 || button == 13 ? u8(".prc") : u8(".zat");
            switch (pick(4)) {
            case 0: w.dialogs.answerSave(std::nullopt); action += u8(" (cancel)"); break;
            case 1: w.dialogs.answerSave(QDir(files).filePath(u8("saved") + ext)); action += u8(" into files"); break;
            case 2: w.dialogs.answerSave(QDir(out).filePath(u8("saved") + ext)); action += u8(" into out"); break;
            default:
                w.dialogs.answerSave(dir.filePath(u8("missing/saved") + ext));
                action += u8(" into a missing directory");
                break;
            }
        }
    }

    QPushButton *button(int number)
    {
        QPushButton *const buttons[] = {
            form().Button1,  form().Button2,  form().Button3,  form().Button4,  form().Button5,  form().Button6,
            form().Button7,  form().Button8,  form().Button9,  form().Button10, form().Button11, form().Button12,
            form().Button13, form().Button14, form().Button15, form().Button16, form().Button17, form().Button18,
            form().Button19, form().Button20, form().Button21, form().Button22, form().Button23, form().Button24,
            form().Button25, form().Button26, form().Button27, form().Button28, form().Button29, form().Button30,
            form().Button31, form().Button32, form().Button33, form().Button34, form().Button35, form().Button36,
            form().Button37, form().Button38, form().Button39, form().Button40, form().Button41, form().Button42,
            form().Button43, form().Button44, form().Button45, form().Button46, form().Button47,
        };
        return buttons[number - 1];
    }

    QLineEdit *edit(int number)
    {
        QLineEdit *const edits[] = {form().Edit1,  form().Edit2,  form().Edit3,  form().Edit4,  form().Edit5,
                                    form().Edit6,  form().Edit7,  form().Edit8,  form().Edit9,  form().Edit10,
                                    form().Edit11, form().Edit12, form().Edit13, form().Edit14, form().Edit15,
                                    form().Edit16, form().Edit17};
        return edits[number - 1];
    }

    // The engineer's way back to a sound state: a good file loaded into one table and checked.
    QString reload()
    {
        TForm1 &f = form();
        switch (pick(4)) {
        case 0:
            selectFile(*f.FileListBox1, QDir(files).filePath(pick(2) ? u8("moment.prc") : u8("negative.prc")));
            f.Button1->click();
            f.Button5->click();
            return u8("longitudinal line reloaded and checked");
        case 1:
            selectFile(*f.FileListBox2, QDir(files).filePath(u8("deck.prc")));
            f.Button2->click();
            f.Button14->click();
            return u8("transverse line reloaded and checked");
        case 2: {
            const bool design = pick(2) == 0;
            selectFile(*f.FileListBox3, QDir(files).filePath(pick(3) ? u8("loads.zat") : u8("many.zat")));
            (design ? f.Button3 : f.Button4)->click();
            (design ? f.Edit1 : f.Edit3)->setText(u8("0"));
            (design ? f.Edit2 : f.Edit4)->setText(u8("0"));
            (design ? f.Button19 : f.Button24)->click();
            return design ? u8("design set reloaded and checked") : u8("assessment set reloaded and checked");
        }
        default:
            // The whole road to both effect computations, from files as they were prepared.
            writeFiles();
            f.FilterComboBox3->setCurrentIndex(0);
            selectFile(*f.FileListBox1, QDir(files).filePath(u8("moment.prc")));
            f.Button1->click();
            f.Button5->click();
            selectFile(*f.FileListBox2, QDir(files).filePath(u8("deck.prc")));
            f.Button2->click();
            f.Button14->click();
            selectFile(*f.FileListBox3, QDir(files).filePath(u8("loads.zat")));
            f.Button3->click();
            f.Button4->click();
            for (QLineEdit *box : {f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit7, f.Edit8})
                box->setText(u8("0"));
            f.Edit5->setText(u8("1,2"));
            f.Edit6->setText(u8("1,00"));
            f.Button19->click();
            f.Button24->click();
            f.Button18->click();
            f.Button23->click();
            designEffectRows = std::max(2, f.StringGrid3->rowCount());
            assessEffectRows = std::max(2, f.StringGrid4->rowCount());
            EXPECT_EQ(f.DesignEffectsInvalid, 0) << w.dialogs.log.join(u'\n').toStdString();
            EXPECT_EQ(f.AssessEffectsInvalid, 0) << w.dialogs.log.join(u'\n').toStdString();
            return u8("the whole road to the effects");
        }
    }

    // One random user action; returns what was done.
    QString step()
    {
        const std::uint32_t kind = pick(100);
        if (kind < 12)
            return reload();
        if (kind < 45) {
            const int number = int(pick(47)) + 1;
            QString action = u8("Button") + QString::number(number);
            queueAnswerFor(number, action);
            button(number)->click();
            clicked[size_t(number - 1)] = true;
            if (number == 18 && form().DesignEffectsInvalid == 0)
                designEffectRows = std::max(2, form().StringGrid3->rowCount());
            if (number == 23 && form().AssessEffectsInvalid == 0)
                assessEffectRows = std::max(2, form().StringGrid4->rowCount());
            return action;
        }
        if (kind < 67) {
            StringGrid *const grids[] = {form().StringGrid1, form().StringGrid2, form().StringGrid3, form().StringGrid4};
            const int g = int(pick(4));
            StringGrid &grid = *grids[g];
            if (grid.rowCount() < 2)
                return u8("no cell to edit");
            const int column = 1 + int(pick(uint32_t(grid.columnCount() - 1)));
            const int row = 1 + int(pick(uint32_t(grid.rowCount() - 1)));
            const QString text = randomText();
            commitCellEdit(grid, column, row, text);
            return QStringLiteral("StringGrid%1(%2,%3) := '%4'").arg(g + 1).arg(column).arg(row).arg(text);
        }
        if (kind < 82) {
            const int number = int(pick(17)) + 1;
            QString text = randomText();
            if (number == 17 && pick(3) == 0)
                text = pick(2) ? u8("missing/Proj") : QString();
            else if (number == 17)
                text = u8("Proj") + QString::number(pick(3));
            edit(number)->setText(text);
            return QStringLiteral("Edit%1 := '%2'").arg(number).arg(text);
        }
        if (kind < 92) {
            FileListBox *const lists[] = {form().FileListBox1, form().FileListBox2, form().FileListBox3};
            const int l = int(pick(3));
            const QString name = fileNames[int(pick(uint32_t(fileNames.size())))];
            selectFile(*lists[l], QDir(files).filePath(name));
            return QStringLiteral("FileListBox%1 select %2").arg(l + 1).arg(name);
        }
        switch (pick(6)) {
        case 0:
            form().SpinEdit1->setValue(int(pick(30)));
            return u8("SpinEdit1 := ") + QString::number(form().SpinEdit1->value());
        case 1:
            form().RichEdit1->selectAll();
            return u8("RichEdit1 select all");
        case 2: {
            QTextCursor cursor = form().RichEdit1->textCursor();
            cursor.movePosition(QTextCursor::End);
            form().RichEdit1->setTextCursor(cursor);
            return u8("RichEdit1 caret to the end");
        }
        case 3:
            form().FilterComboBox3->setCurrentIndex(int(pick(uint32_t(form().FilterComboBox3->count()))));
            return u8("FilterComboBox3 := ") + QString::number(form().FilterComboBox3->currentIndex());
        case 4:
            form().DirectoryListBox4->setDirectory(pick(4) == 0 ? dir.filePath(u8("missing")) : out);
            return u8("DirectoryListBox4 := ") + form().DirectoryListBox4->directory();
        default:
            if (pick(2) == 0) {
                QFile::remove(QDir(files).filePath(fileNames[int(pick(uint32_t(fileNames.size())))]));
                return u8("a file removed");
            }
            writeFiles();
            return u8("files written again");
        }
    }

    // Everything shown in the step is of a known kind; counted by kind.
    void recordShown(int number)
    {
        for (const QString &text : w.dialogs.messages) {
            const QString kind = messageKind(text);
            if (kind.isEmpty())
                ADD_FAILURE() << "step " << number << ": unknown message: " << text.toStdString();
            ++messageCounts[kind.toStdString()];
        }
        for (const QString &text : w.dialogs.errors) {
            const QString kind = errorKind(text);
            if (kind.isEmpty())
                ADD_FAILURE() << "step " << number << ": unknown error: " << text.toStdString();
            ++errorCounts[kind.toStdString()];
        }
    }

    void checkInvariants(int number)
    {
        TForm1 &f = form();
        const std::pair<uint8_t, QLabel *> marks[] = {{f.LongLineInvalid, f.Label24}, {f.TransLineInvalid, f.Label25},
                                                      {f.DesignLoadsInvalid, f.Label26}, {f.AssessLoadsInvalid, f.Label27}};
        for (const auto &[flag, mark] : marks) {
            EXPECT_TRUE(flag == 0 || flag == 1) << "step " << number;
            EXPECT_EQ(mark->text(), flag == 0 ? u8("OK") : u8("X")) << "step " << number << " " << mark->objectName().toStdString();
        }
        if (f.DesignEffectsInvalid == 0) {
            EXPECT_EQ(f.LongLineInvalid, 0) << "step " << number;
            EXPECT_EQ(f.TransLineInvalid, 0) << "step " << number;
            EXPECT_EQ(f.DesignLoadsInvalid, 0) << "step " << number;
        }
        if (f.AssessEffectsInvalid == 0) {
            EXPECT_EQ(f.LongLineInvalid, 0) << "step " << number;
            EXPECT_EQ(f.TransLineInvalid, 0) << "step " << number;
            EXPECT_EQ(f.AssessLoadsInvalid, 0) << "step " << number;
        }
        EXPECT_TRUE(f.DesignEffectsInvalid == 0 || f.DesignEffectsInvalid == 1) << "step " << number;
        EXPECT_TRUE(f.AssessEffectsInvalid == 0 || f.AssessEffectsInvalid == 1) << "step " << number;

        EXPECT_GE(f.StringGrid1->rowCount(), 2) << "step " << number;
        EXPECT_LE(f.StringGrid1->rowCount(), 101) << "step " << number;
        EXPECT_GE(f.StringGrid2->rowCount(), 2) << "step " << number;
        EXPECT_LE(f.StringGrid2->rowCount(), 26) << "step " << number;
        EXPECT_GE(f.StringGrid3->rowCount(), 2) << "step " << number;
        EXPECT_LE(f.StringGrid3->rowCount(), 101) << "step " << number;
        EXPECT_GE(f.StringGrid4->rowCount(), 2) << "step " << number;
        EXPECT_LE(f.StringGrid4->rowCount(), 101) << "step " << number;
        // The effect tables change only by a computation that succeeds.
        EXPECT_EQ(f.StringGrid5->rowCount(), designEffectRows) << "step " << number;
        EXPECT_EQ(f.StringGrid6->rowCount(), assessEffectRows) << "step " << number;
        // While the effects are current, each effect table has a row per load patch.
        if (f.DesignEffectsInvalid == 0) {
            EXPECT_EQ(f.StringGrid5->rowCount(), std::max(2, f.StringGrid3->rowCount())) << "step " << number;
        }
        if (f.AssessEffectsInvalid == 0) {
            EXPECT_EQ(f.StringGrid6->rowCount(), std::max(2, f.StringGrid4->rowCount())) << "step " << number;
        }
        EXPECT_EQ(f.StringGrid1->columnCount(), 3);
        EXPECT_EQ(f.StringGrid3->columnCount(), 7);
        EXPECT_EQ(f.StringGrid5->columnCount(), 10);

        EXPECT_EQ(f.Image1->image().size(), QSize(993, 393)) << "step " << number;
        EXPECT_EQ(f.Image2->image().size(), QSize(993, 393)) << "step " << number;
        const std::pair<PictureBox *, QSize> loadPictures[] = {
            {f.Image3, {449, 81}}, {f.Image4, {449, 217}}, {f.Image5, {449, 81}}, {f.Image6, {449, 217}}};
        for (const auto &[picture, size] : loadPictures) {
            if (picture->hasPicture()) {
                EXPECT_EQ(picture->image().size(), size) << "step " << number << " " << picture->objectName().toStdString();
            }
        }
        // A checked load set has been drawn.
        if (f.DesignLoadsInvalid == 0) {
            EXPECT_TRUE(f.Image3->hasPicture() && f.Image4->hasPicture()) << "step " << number;
        }
        if (f.AssessLoadsInvalid == 0) {
            EXPECT_TRUE(f.Image5->hasPicture() && f.Image6->hasPicture()) << "step " << number;
        }
    }

    WindowFixture w;
    QTemporaryDir dir;
    QString files, out;
    QStringList fileNames;
    std::mt19937 rng{seed};
    std::array<bool, 47> clicked{};
    int designEffectRows = 2;
    int assessEffectRows = 2;
    std::map<std::string, int> messageCounts, errorCounts;
};

TEST_F(StressTest, TenThousandRandomStepsKeepTheWindowConsistent)
{
    QElapsedTimer timer;
    timer.start();
    std::deque<QString> recent;
    int done = 0;
    int checkedSteps = 0;
    int currentEffectSteps = 0;
    for (int number = 1; number <= steps; ++number) {
        const QString action = step();
        recent.push_back(QString::number(number) + u8(": ") + action);
        if (recent.size() > 12)
            recent.pop_front();
        recordShown(number);
        checkInvariants(number);
        if (form().LongLineInvalid == 0 && form().TransLineInvalid == 0 && form().DesignLoadsInvalid == 0)
            ++checkedSteps;
        if (form().DesignEffectsInvalid == 0 || form().AssessEffectsInvalid == 0)
            ++currentEffectSteps;
        w.dialogs.clear();
        // The user clears a document that has grown long.
        if (form().RichEdit1->document()->blockCount() > 1500)
            form().RichEdit1->clear();
        done = number;
        if (HasFailure()) {
            QString trail;
            for (const QString &line : recent)
                trail += line + u'\n';
            ADD_FAILURE() << "stopped at step " << number << " after:\n" << trail.toStdString();
            break;
        }
    }

    QString summary = QStringLiteral("%1 steps in %2 ms; %3 with both lines and the design set checked, %4 with "
                                     "current effects; messages:")
                          .arg(done).arg(timer.elapsed()).arg(checkedSteps).arg(currentEffectSteps);
    for (const auto &[kind, count] : messageCounts)
        summary += QStringLiteral(" %1 x%2").arg(QString::fromStdString(kind)).arg(count);
    summary += u8("; errors:");
    for (const auto &[kind, count] : errorCounts)
        summary += QStringLiteral(" %1 x%2").arg(QString::fromStdString(kind)).arg(count);
    std::printf("%s\n", summary.toUtf8().constData());
    EXPECT_EQ(done, steps);
    for (size_t i = 0; i < clicked.size(); ++i)
        EXPECT_TRUE(clicked[i]) << "Button" << i + 1 << " was never clicked";
    // The sequence reached the interesting states at all.
    EXPECT_GT(checkedSteps, 0);
    EXPECT_GT(currentEffectSteps, 0);
    EXPECT_GT(messageCounts.size(), 10u);
}

} // namespace
