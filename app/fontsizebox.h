#pragma once

#include <QSpinBox>

// The font size box of the document tab: a whole number from 8 to 20. A text that is not a whole
// number counts as 8; a number outside the range is brought to the nearer bound when the box loses
// focus.
class FontSizeBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit FontSizeBox(QWidget *parent);

    // The size a text in the box stands for.
    static int sizeOf(const QString &text);
    // The size the box stands for now, whatever state its text is in.
    int fontSize() const { return sizeOf(text()); }

    void fixup(QString &input) const override;
    QValidator::State validate(QString &input, int &position) const override;

    static constexpr int smallest = 8;
    static constexpr int largest = 20;
};
