#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

// Small helpers that create a control under its program name at a fixed place on its tab.

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, int x, int y, int width = -1);
// A bold, underlined section heading.
QLabel *makeHeading(QWidget *parent, const QString &name, const QString &text, int x, int y, int width = -1);
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, QRect geometry);
QLineEdit *makeEdit(QWidget *parent, const QString &name, const QString &text, QRect geometry);
// A raised frame around an area, or a sunken horizontal rule when the height is at most 2.
QFrame *makeBevel(QWidget *parent, const QString &name, QRect geometry);

class QFormLayout;
// A named edit box with its label as a new row of a dialog's form.
QLineEdit *addFormEdit(QFormLayout &form, const char *name, const QString &label, const QString &text);

template<typename Widget>
Widget *placed(Widget *widget, const QString &name, QRect geometry)
{
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}
