// The program's style reads the overflow arrow of menu and tool bars only when it is drawn: it must
// then look exactly as the wrapped style's arrow, and every other icon must be the wrapped style's own.

#include "windowtesting.h"

#include "app/deferredextensionicon.h"

#include <QApplication>
#include <QMenuBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolButton>

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

namespace {

// Every picture of the icon a bar can ask for, each with the size the icon gives for it.
std::vector<std::pair<QSize, QImage>> pictures(const QIcon &icon)
{
    std::vector<std::pair<QSize, QImage>> all;
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
        for (const int side : {12, 16, 24, 32}) {
            const QSize size(side, side);
            all.emplace_back(icon.actualSize(size, mode), icon.pixmap(size, mode, QIcon::Off).toImage());
            all.emplace_back(icon.actualSize(size, mode, QIcon::On), icon.pixmap(size, 2.0, mode, QIcon::On).toImage());
        }
    }
    return all;
}

} // namespace

TEST(DeferredExtensionIconStyleTest, GivesTheWrappedStylesIconsAndArrowInEveryModeSizeAndDirection)
{
    ensureApplication();
    const DeferredExtensionIconStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    QStyleOption rightToLeft;
    rightToLeft.direction = Qt::RightToLeft;
    for (const QStyle::StandardPixmap which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
          QStyle::SP_MessageBoxWarning, QStyle::SP_DirIcon}) {
        for (const QStyleOption *option : std::array<const QStyleOption *, 2>{nullptr, &rightToLeft}) {
            SCOPED_TRACE(testing::Message() << which << (option ? " right to left" : ""));
            const QIcon deferred = style.standardIcon(which, option);
            const QIcon direct = style.baseStyle()->standardIcon(which, option);
            ASSERT_FALSE(direct.isNull());
            EXPECT_EQ(deferred.availableSizes(), direct.availableSizes());
            EXPECT_EQ(pictures(deferred), pictures(direct));
        }
    }

    // The application's own style, through a menu bar too narrow for its menus.
    const auto *applicationStyle = dynamic_cast<DeferredExtensionIconStyle *>(QApplication::style());
    ASSERT_NE(applicationStyle, nullptr);
    QMenuBar bar;
    for (const char *title : {"Projekt", "Úpravy", "Nástroje", "Zobrazení", "Nápověda"})
        bar.addMenu(QString::fromUtf8(title));
    bar.resize(90, bar.sizeHint().height());
    bar.show();
    QCoreApplication::processEvents();
    const auto *arrow = bar.findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button"));
    ASSERT_NE(arrow, nullptr);
    EXPECT_TRUE(arrow->isVisible());
    EXPECT_EQ(pictures(arrow->icon()),
              pictures(applicationStyle->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton,
                                                                   nullptr, &bar)));
}
