#pragma once

#include "influence/linesampling.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// Generates the longitudinal influence line of a continuous beam. Every change of an input is
// computed at once: the dialog shows the largest deviation of the table from the exact line, or what
// to correct; OK is refused with that message while an input is wrong.
class LongitudinalGeneratorDialog : public QDialog
{
public:
    explicit LongitudinalGeneratorDialog(QWidget *parent);

    // The points of the last correct input.
    const std::vector<tragvel::influence::LinePoint> &points() const { return m_line.points; }

    void accept() override;

private:
    bool recompute();

    QLineEdit *m_spans;
    QLineEdit *m_stiffnesses;
    QCheckBox *m_fixedStart;
    QCheckBox *m_fixedEnd;
    QComboBox *m_effect;
    QLineEdit *m_station;
    QLineEdit *m_support;
    QLabel *m_status;
    tragvel::influence::SampledLine m_line;
};
