#pragma once

#include "influence/transverseline.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

// Generates the transverse distribution line of one girder, scaled to the area 1. Every change of
// an input is computed at once; OK is refused with the message while an input is wrong.
class TransverseGeneratorDialog : public QDialog
{
public:
    explicit TransverseGeneratorDialog(QWidget *parent);

    const std::vector<tragvel::influence::LinePoint> &points() const { return m_line.points; }

    void accept() override;

private:
    bool recompute();

    QLineEdit *m_width;
    QLineEdit *m_girders;
    QLineEdit *m_wanted;
    QComboBox *m_method;
    QLineEdit *m_stiffnesses;
    QLabel *m_status;
    tragvel::influence::DistributionLine m_line;
};
