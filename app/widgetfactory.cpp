#include "app/widgetfactory.h"

#include <QFormLayout>

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, int x, int y, int width)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->adjustSize();
    label->move(x, y);
    if (width > 0)
        label->resize(width, label->height());
    return label;
}

QLabel *makeHeading(QWidget *parent, const QString &name, const QString &text, int x, int y, int width)
{
    QLabel *label = makeLabel(parent, name, text, x, y, width);
    QFont font = label->font();
    font.setBold(true);
    font.setUnderline(true);
    font.setPixelSize(16);
    label->setFont(font);
    label->adjustSize();
    if (width > 0)
        label->resize(width, label->height());
    return label;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, QRect geometry)
{
    return placed(new QPushButton(caption, parent), name, geometry);
}

QLineEdit *makeEdit(QWidget *parent, const QString &name, const QString &text, QRect geometry)
{
    return placed(new QLineEdit(text, parent), name, geometry);
}

QFrame *makeBevel(QWidget *parent, const QString &name, QRect geometry)
{
    auto *frame = placed(new QFrame(parent), name, geometry);
    if (geometry.height() <= 2) {
        frame->setFrameShape(QFrame::HLine);
        frame->setFrameShadow(QFrame::Sunken);
    } else {
        frame->setFrameShape(QFrame::Panel);
        frame->setFrameShadow(QFrame::Raised);
    }
    frame->lower();
    return frame;
}

QLineEdit *addFormEdit(QFormLayout &form, const char *name, const QString &label, const QString &text)
{
    auto *edit = new QLineEdit(text, form.parentWidget());
    edit->setObjectName(QString::fromLatin1(name));
    form.addRow(label, edit);
    return edit;
}
