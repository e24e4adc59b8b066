#pragma once

#include <QProxyStyle>

// The application's style, except that the arrow a menu bar or tool bar shows when its items do
// not fit is read from its image file only when it is first drawn. Reading it as the menu bar is
// made has Qt load every image format plugin, since it asks each of them whether it reads the file
// before it asks its own PNG reader; that cost the start about as much as the menu bar itself.
class DeferredExtensionIconStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
