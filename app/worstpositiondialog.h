#pragma once

#include "effects/worstposition.h"

#include <QDialog>
#include <QImage>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class PictureBox;

namespace tragvel {
class UserDialogs;
}

// The picture of the vehicle effect against dx at the best dy, the best point marked in red.
QImage drawEffectCurve(const tragvel::effects::WorstPositionTask &task,
                       const tragvel::effects::WorstPosition &best, QSize size);

// Searches the most unfavourable shift of one load set's vehicle and hands it to `apply`.
class WorstPositionDialog : public QDialog
{
    Q_OBJECT

public:
    using Apply = std::function<void(double dx, double dy)>;

    WorstPositionDialog(tragvel::effects::WorstPositionTask task, tragvel::UserDialogs &dialogs,
                        Apply apply, QWidget *parent);

    // Reads the ranges and the sense and searches; a range that is not a number is refused with a
    // message and keeps the previous result.
    void search();
    // Hands the best shift on and closes the dialog.
    void applyBest();

    const std::optional<tragvel::effects::WorstPosition> &best() const { return m_best; }

private:
    tragvel::effects::WorstPositionTask m_task;
    tragvel::UserDialogs &m_dialogs;
    Apply m_apply;
    std::optional<tragvel::effects::WorstPosition> m_best;
    QLineEdit *m_dxFrom, *m_dxTo, *m_dyFrom, *m_dyTo;
    QComboBox *m_sense;
    QLabel *m_result;
    PictureBox *m_picture;
    QPushButton *m_applyButton;
};
