// The program shows its first tab before it builds the other five: what the user first sees must be
// exactly the whole window's first tab, and the window, once whole, exactly the one built at once.

#include "windowtesting.h"

#include "app/stringgrid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

QImage shownPicture(TForm1 &form)
{
    form.show();
    return form.grab().toImage();
}

// The window with each tab in front in turn, then the first again.
std::vector<QImage> everyTab(TForm1 &form)
{
    std::vector<QImage> pictures;
    for (int tab = 0; tab < form.PageControl1->count(); ++tab) {
        form.PageControl1->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        pictures.push_back(form.grab().toImage());
    }
    form.PageControl1->setCurrentIndex(0);
    QCoreApplication::processEvents();
    return pictures;
}

// Every widget under the window with what a user could tell apart: class, name, place, text,
// visibility; then the keyboard's focus chain.
QStringList widgetTree(TForm1 &form)
{
    QStringList lines;
    for (const QWidget *widget : form.findChildren<QWidget *>()) {
        QString text;
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            text = label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            text = button->text();
        else if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
            text = edit->text();
        else if (const auto *grid = qobject_cast<const StringGrid *>(widget)) {
            for (int row = 0; row < grid->rowCount(); ++row)
                text += gridRow(*grid, row).join(u'|') + u'/';
        }
        const QRect g = widget->geometry();
        lines << QStringLiteral("%1 %2 %3,%4 %5x%6 %7 %8")
                     .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName())
                     .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())
                     .arg(widget->isVisibleTo(&form)).arg(text);
    }
    QString chain;
    for (QWidget *widget = form.nextInFocusChain(); widget != &form; widget = widget->nextInFocusChain())
        chain += widget->objectName() + u' ';
    lines << chain;
    return lines;
}

QString flags(const TForm1 &form)
{
    return QStringLiteral("%1%2%3%4%5%6")
        .arg(form.LongLineInvalid).arg(form.TransLineInvalid).arg(form.DesignLoadsInvalid)
        .arg(form.AssessLoadsInvalid).arg(form.DesignEffectsInvalid).arg(form.AssessEffectsInvalid);
}

TEST(WindowStartup, FirstTabShowsExactlyAsInTheWholeWindowAndCompletesToTheSameWindow)
{
    QImage whole;
    std::vector<QImage> wholeTabs;
    QStringList wholeTree;
    {
        WindowFixture built(TForm1::Construction::Whole);
        ASSERT_TRUE(built.form->isWhole());
        whole = shownPicture(*built.form);
        wholeTabs = everyTab(*built.form);
        wholeTree = widgetTree(*built.form);
        EXPECT_EQ(flags(*built.form), QStringLiteral("111111"));
    }

    WindowFixture deferred(TForm1::Construction::FirstTabFirst);
    EXPECT_FALSE(deferred.form->isWhole());
    EXPECT_EQ(deferred.form->StringGrid2, nullptr);
    const QImage first = shownPicture(*deferred.form);
    ASSERT_EQ(first.size(), whole.size());
    EXPECT_TRUE(first == whole) << "the first paint differs from the whole window's";

    // The window's first paint leaves the rest to the event loop's next turn.
    EXPECT_FALSE(deferred.form->isWhole());
    QCoreApplication::processEvents();
    ASSERT_TRUE(deferred.form->isWhole());
    const std::vector<QImage> completedTabs = everyTab(*deferred.form);
    ASSERT_EQ(completedTabs.size(), 6u);
    for (std::size_t tab = 0; tab < completedTabs.size(); ++tab)
        EXPECT_TRUE(completedTabs[tab] == wholeTabs[tab]) << "tab " << tab + 1 << " differs";
    const QStringList completedTree = widgetTree(*deferred.form);
    ASSERT_EQ(completedTree.size(), wholeTree.size());
    for (int i = 0; i < wholeTree.size(); ++i)
        EXPECT_EQ(completedTree[i].toStdString(), wholeTree[i].toStdString());
    EXPECT_EQ(flags(*deferred.form), QStringLiteral("111111"));
}

TEST(WindowStartup, InputBeforeTheWindowIsWholeCompletesItFirstAndIsNotLost)
{
    WindowFixture clicked(TForm1::Construction::FirstTabFirst);
    clicked.form->show();
    // A press reaches the new-table button of tab 1 before the event loop has run at all.
    clicked.dialogs.answerInput(std::nullopt);
    QTest::mouseClick(clicked.form->Button7, Qt::LeftButton);
    EXPECT_TRUE(clicked.form->isWhole());
    EXPECT_EQ(clicked.dialogs.inputPrompts.size(), 1) << "the click was lost";

    WindowFixture typed(TForm1::Construction::FirstTabFirst);
    typed.form->show();
    typed.form->activateWindow();
    QTest::keyClick(typed.form.get(), Qt::Key_Right);
    EXPECT_TRUE(typed.form->isWhole());

    // Closed before it is whole, the window closes without a question.
    WindowFixture closed(TForm1::Construction::FirstTabFirst);
    closed.form->show();
    EXPECT_TRUE(closed.form->close());
    EXPECT_TRUE(closed.dialogs.questions.isEmpty());
}

} // namespace
