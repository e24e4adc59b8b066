#include "app/clippedtexttips.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

namespace {

// The room the style leaves around a text in a cell or a combo box.
constexpr int kTextMargin = 8;

bool clipped(const QString &text, const QFont &font, int room)
{
    return QFontMetrics(font).horizontalAdvance(text) + kTextMargin > room;
}

class ClippedTextTips : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        const auto *help = static_cast<QHelpEvent *>(event);
        QString text;
        if (auto *combo = qobject_cast<QComboBox *>(watched)) {
            const int arrow = combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, combo);
            if (clipped(combo->currentText(), combo->font(), combo->width() - arrow))
                text = combo->currentText();
        } else if (auto *view = qobject_cast<QAbstractItemView *>(watched->parent())) {
            const QModelIndex index = view->indexAt(help->pos());
            const QString cell = index.data(Qt::DisplayRole).toString();
            const QVariant font = index.data(Qt::FontRole);
            if (index.isValid()
                && clipped(cell, font.isValid() ? font.value<QFont>() : view->font(), view->visualRect(index).width()))
                text = cell;
        }
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        QToolTip::showText(help->globalPos(), text, static_cast<QWidget *>(watched));
        return true;
    }
};

} // namespace

void showClippedTextsAsTips(QWidget &root)
{
    auto *tips = new ClippedTextTips(&root);
    for (QAbstractItemView *view : root.findChildren<QAbstractItemView *>())
        view->viewport()->installEventFilter(tips);
    for (QComboBox *combo : root.findChildren<QComboBox *>())
        combo->installEventFilter(tips);
}
