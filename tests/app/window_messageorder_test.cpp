// When the messages of a command show: what the window holds at the moment each box is up.

#include "windowtesting.h"

#include "app/filebrowser.h"
#include "app/picturebox.h"
#include "app/stringgrid.h"
#include "common/gridpicture.h"
#include "testfiles.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Scripted dialogs that look at the window whenever a message box shows.
class WatchingDialogs : public ScriptedDialogs
{
public:
    void showMessage(const QString &text) override
    {
        ScriptedDialogs::showMessage(text);
        if (onMessage)
            onMessage(text);
    }

    std::function<void(const QString &)> onMessage;
};

class MessageOrder : public testing::Test
{
protected:
    MessageOrder()
    {
        ensureApplication();
        form = std::make_unique<TForm1>(dialogs);
    }

    QString file(const char *name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(QString::fromUtf8(name));
        writeTestFile(path, bytes);
        return path;
    }

    WatchingDialogs dialogs;
    std::unique_ptr<TForm1> form;
    QTemporaryDir dir;
    QStringList seen;
};

// The value failures of the line check come after the picture is reset to the empty grid; the
// area warning comes before.
TEST_F(MessageOrder, LineCheckResetsThePictureBeforeItsValueFailures)
{
    form->Button5->click();
    ASSERT_EQ(form->Label24->text(), QStringLiteral("OK"));
    const QImage empty = tragvel::emptyGridPicture(tragvel::lineImageWidth, tragvel::lineImageHeight, 10);
    ASSERT_NE(form->Image1->image(), empty);
    commitCellEdit(*form->StringGrid1, 1, 1, QStringLiteral("-1"));
    dialogs.onMessage = [&](const QString &text) {
        seen << text.left(8) + (form->Image1->image() == empty ? QStringLiteral(" empty") : QStringLiteral(" line"));
    };
    form->Button5->click();
    EXPECT_EQ(seen, QStringList{QStringLiteral("Chyba#04 empty")});

    form->Button14->click();
    ASSERT_EQ(form->Label25->text(), QStringLiteral("OK"));
    const QImage drawn = form->Image2->image();
    commitCellEdit(*form->StringGrid2, 1, 2, QStringLiteral("0"));
    commitCellEdit(*form->StringGrid2, 2, 2, QStringLiteral("0"));
    seen.clear();
    dialogs.onMessage = [&](const QString &text) {
        seen << text.left(5) + (form->Image2->image() == drawn ? QStringLiteral(" before") : QStringLiteral(" after"));
    };
    form->Button14->click();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Pozor before"), QStringLiteral("Chyba after")}));
}

// A load shows each message while its row is being read: the table then ends with that row, the
// row holds the cells read before the message, and the set is not yet marked changed.
TEST_F(MessageOrder, LoadShowsItsMessagesWhileTheRowIsRead)
{
    form->Button19->click();
    ASSERT_EQ(form->Label26->text(), QStringLiteral("OK"));
    StringGrid &grid = *form->StringGrid3;
    dialogs.onMessage = [&](const QString &text) {
        seen << text.left(8) + QStringLiteral(" rows %1, row %2: %3, %4")
                                   .arg(grid.rowCount() - 1)
                                   .arg(grid.cell(0, grid.rowCount() - 1).trimmed())
                                   .arg(gridRow(grid, grid.rowCount() - 1).mid(1).join(u' ').trimmed())
                                   .arg(form->Label26->text());
    };
    selectFile(*form->FileListBox3,
               file("loads.zat", "1 1 0 0 10 1\r\n2 2,5 0 0 10 1\r\n3 3 0 0 10 1 9\r\n4 4 0 0 10 1\r\n"));
    form->Button3->click();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Chyba#01 rows 2, row 2: 2, OK"),
                                 QStringLiteral("Chyba#10 rows 3, row 3: 3 3 0 0 10 1, OK")}));
    EXPECT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(gridRow(grid, 2).mid(1), texts({"2", "2", "0", "0", "10", "1"}));
    EXPECT_EQ(form->Label26->text(), QStringLiteral("X"));

    seen.clear();
    dialogs.onMessage = [&](const QString &text) {
        seen << text.left(8) + QStringLiteral(" rows %1: %2, %3")
                                   .arg(form->StringGrid1->rowCount() - 1)
                                   .arg(gridRow(*form->StringGrid1, form->StringGrid1->rowCount() - 1).join(u'|'))
                                   .arg(form->Label24->text());
    };
    form->Button5->click();
    selectFile(*form->FileListBox1, file("line.prc", "0 1\r\n5 x\r\n10 1\r\n"));
    form->Button1->click();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Chyba#01 rows 2:           2|5|, OK")}));
    EXPECT_EQ(form->StringGrid1->rowCount(), 4);
}

} // namespace
