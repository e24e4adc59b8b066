#include "windowtesting.h"

#include "app/applicationsetup.h"
#include "app/filebrowser.h"
#include "app/stringgrid.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

void ensureApplication()
{
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "tragvel-tests";
    static char *argv[] = {name, nullptr};
    // Kept for the whole test program and never destroyed: tearing the application down among
    // the other static objects at exit is not safe.
    static QApplication *application = new QApplication(argc, argv);
    Q_UNUSED(application);
    setUpApplication();
}

WindowFixture::WindowFixture(TForm1::Construction construction)
{
    ensureApplication();
    form = std::make_unique<TForm1>(dialogs, nullptr, construction);
}

WindowFixture::~WindowFixture() = default;

void commitCellEdit(StringGrid &grid, int column, int row, const QString &text)
{
    const QModelIndex index = grid.model()->index(row, column);
    ASSERT_TRUE(index.isValid()) << "no cell " << column << "," << row;
    ASSERT_TRUE(index.flags() & Qt::ItemIsEditable) << "cell " << column << "," << row << " is not editable";
    QAbstractItemDelegate *delegate = grid.itemDelegateForIndex(index);
    QStyleOptionViewItem option;
    QWidget *editor = delegate->createEditor(grid.viewport(), option, index);
    ASSERT_NE(editor, nullptr);
    delegate->setEditorData(editor, index);
    auto *line = qobject_cast<QLineEdit *>(editor);
    ASSERT_NE(line, nullptr);
    line->setText(text);
    delegate->setModelData(editor, grid.model(), index);
    delete editor;
}

void selectFile(FileListBox &files, const QString &path)
{
    const QFileInfo info(path);
    files.setDirectory(info.absolutePath());
    files.selectFile(info.fileName());
}

QStringList gridRow(const StringGrid &grid, int row)
{
    QStringList cells;
    for (int column = 0; column < grid.columnCount(); ++column)
        cells << grid.cell(column, row);
    return cells;
}

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

QStringList texts(std::initializer_list<const char *> items)
{
    QStringList list;
    for (const char *item : items)
        list << QString::fromUtf8(item);
    return list;
}

void enterTable(WindowFixture &w, QPushButton &newTable, StringGrid &grid, const std::vector<Row> &rows)
{
    w.dialogs.answerInput(QString::number(rows.size()));
    newTable.click();
    ASSERT_EQ(grid.rowCount(), int(rows.size()) + 1);
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            commitCellEdit(grid, int(c) + 1, int(r) + 1, u8(rows[r][c]));
}
