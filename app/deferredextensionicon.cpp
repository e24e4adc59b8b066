#include "app/deferredextensionicon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>

#include <optional>

namespace {

// Asks the style for the icon the first time anything needs its pictures or sizes.
class DeferredIconEngine : public QIconEngine
{
public:
    DeferredIconEngine(QStyle *style, QStyle::StandardPixmap which, const QStyleOption &option)
        : m_style(style), m_which(which), m_option(option)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    // Asked for the pixels of a picture whose side in points is size / scale.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine *clone() const override { return new DeferredIconEngine(*this); }
    bool isNull() override { return false; }

private:
    const QIcon &icon()
    {
        if (!m_icon)
            m_icon = m_style ? m_style->standardIcon(m_which, &m_option) : QIcon();
        return *m_icon;
    }

    QPointer<QStyle> m_style; // the icon may outlive a style that is replaced
    QStyle::StandardPixmap m_which;
    QStyleOption m_option; // what the icon depends on: the layout direction
    std::optional<QIcon> m_icon;
};

} // namespace

QIcon DeferredExtensionIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                               const QWidget *widget) const
{
    if (standardIcon != SP_ToolBarHorizontalExtensionButton && standardIcon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    QStyleOption kept;
    if (option)
        kept = *option;
    else if (widget)
        kept.initFrom(widget);
    else
        kept.direction = QGuiApplication::layoutDirection();
    return QIcon(new DeferredIconEngine(baseStyle(), standardIcon, kept));
}
