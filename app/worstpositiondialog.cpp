#include "app/worstpositiondialog.h"

#include "app/picturebox.h"

#include "common/canvas.h"
#include "common/numbertext.h"
#include "common/userdialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

using namespace tragvel::effects;

QImage drawEffectCurve(const WorstPositionTask &task, const WorstPosition &best, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    tragvel::Canvas canvas(image);
    canvas.setBrush(tragvel::colors::white);
    canvas.setPen(tragvel::colors::white);
    canvas.fillRect(0, 0, size.width(), size.height());
    const int margin = 10;
    const int columns = size.width() - 2 * margin;
    const double from = std::min(task.dx.from, task.dx.to);
    const double to = std::max(task.dx.from, task.dx.to);
    std::vector<double> values(size_t(columns) + 1);
    double low = std::min(0.0, best.effect), high = std::max(0.0, best.effect);
    for (int i = 0; i <= columns; ++i) {
        values[size_t(i)] = vehicleEffect(task, from + (to - from) * i / columns, best.dy);
        low = std::min(low, values[size_t(i)]);
        high = std::max(high, values[size_t(i)]);
    }
    const double span = high > low ? high - low : 1.0;
    const int bottom = size.height() - margin;
    const auto rowOf = [&](double value) {
        return bottom - int(std::lround((value - low) / span * (size.height() - 2 * margin)));
    };
    canvas.setPen(tragvel::colors::black);
    canvas.moveTo(margin, rowOf(0.0));
    canvas.lineTo(margin + columns + 1, rowOf(0.0));
    canvas.setPen(tragvel::colors::blue);
    canvas.moveTo(margin, rowOf(values[0]));
    for (int i = 1; i <= columns; ++i)
        canvas.lineTo(margin + i, rowOf(values[size_t(i)]));
    const int bestColumn =
        margin + (to > from ? int(std::lround((best.dx - from) / (to - from) * columns)) : 0);
    canvas.setPen(tragvel::colors::red);
    canvas.setBrush(tragvel::colors::red);
    canvas.ellipse(bestColumn - 4, rowOf(best.effect) - 4, bestColumn + 5, rowOf(best.effect) + 5);
    return image;
}

namespace {

QLineEdit *rangeEdit(QWidget *parent, const char *name, double value)
{
    auto *edit = new QLineEdit(tragvel::generalText(value, tragvel::programDecimalSeparator()), parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

} // namespace

WorstPositionDialog::WorstPositionDialog(WorstPositionTask task, tragvel::UserDialogs &dialogs, Apply apply,
                                         QWidget *parent)
    : QDialog(parent), m_task(std::move(task)), m_dialogs(dialogs), m_apply(std::move(apply))
{
    setObjectName(QStringLiteral("WorstPositionDialog"));
    setWindowTitle(QStringLiteral("Nejnepříznivější poloha vozidla"));
    auto *layout = new QGridLayout(this);
    m_dxFrom = rangeEdit(this, "EditDxFrom", m_task.dx.from);
    m_dxTo = rangeEdit(this, "EditDxTo", m_task.dx.to);
    m_dyFrom = rangeEdit(this, "EditDyFrom", m_task.dy.from);
    m_dyTo = rangeEdit(this, "EditDyTo", m_task.dy.to);
    layout->addWidget(new QLabel(QStringLiteral("Posun podél mostu dx od :"), this), 0, 0);
    layout->addWidget(m_dxFrom, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("do :"), this), 0, 2);
    layout->addWidget(m_dxTo, 0, 3);
    layout->addWidget(new QLabel(QStringLiteral("Posun napříč mostem dy od :"), this), 1, 0);
    layout->addWidget(m_dyFrom, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("do :"), this), 1, 2);
    layout->addWidget(m_dyTo, 1, 3);
    m_sense = new QComboBox(this);
    m_sense->setObjectName(QStringLiteral("ComboSense"));
    m_sense->addItems({QStringLiteral("Účinek větší absolutní hodnoty"), QStringLiteral("Největší kladný účinek"),
                       QStringLiteral("Největší záporný účinek")});
    layout->addWidget(new QLabel(QStringLiteral("Hledaný účinek :"), this), 2, 0);
    layout->addWidget(m_sense, 2, 1, 1, 3);
    auto *searchButton = new QPushButton(QStringLiteral("Vyhledat"), this);
    searchButton->setObjectName(QStringLiteral("ButtonSearch"));
    layout->addWidget(searchButton, 3, 0);
    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("LabelResult"));
    layout->addWidget(m_result, 3, 1, 1, 3);
    m_picture = new PictureBox(QSize(600, 240), this);
    m_picture->setObjectName(QStringLiteral("ImageWorstCurve"));
    layout->addWidget(m_picture, 4, 0, 1, 4);
    m_applyButton = new QPushButton(QStringLiteral("Použít"), this);
    m_applyButton->setObjectName(QStringLiteral("ButtonApply"));
    auto *closeButton = new QPushButton(QStringLiteral("Zavřít"), this);
    closeButton->setObjectName(QStringLiteral("ButtonClose"));
    layout->addWidget(m_applyButton, 5, 2);
    layout->addWidget(closeButton, 5, 3);
    connect(searchButton, &QPushButton::clicked, this, &WorstPositionDialog::search);
    connect(m_applyButton, &QPushButton::clicked, this, &WorstPositionDialog::applyBest);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    search();
}

void WorstPositionDialog::search()
{
    const QChar sep = tragvel::programDecimalSeparator();
    WorstPositionTask task = m_task;
    double *targets[] = {&task.dx.from, &task.dx.to, &task.dy.from, &task.dy.to};
    QLineEdit *edits[] = {m_dxFrom, m_dxTo, m_dyFrom, m_dyTo};
    for (int i = 0; i < 4; ++i) {
        const QString text = edits[i]->text();
        const std::optional<double> value = tragvel::parseReal(text, sep);
        if (!value) {
            m_dialogs.showMessage(QStringLiteral("Rozsah posunu vozidla '%1' není číslo, opravte jej a hledejte znovu !!!")
                                      .arg(text));
            return;
        }
        *targets[i] = *value;
    }
    const EffectSense senses[] = {EffectSense::Larger, EffectSense::Positive, EffectSense::Negative};
    task.sense = senses[std::max(0, m_sense->currentIndex())];
    const WorstPosition best = findWorstPosition(task);
    m_task = task;
    m_best = best;
    m_result->setText(QStringLiteral("Nejnepříznivější poloha: dx = %1, dy = %2, účinek vozidla = %3")
                          .arg(tragvel::generalText(best.dx, sep), tragvel::generalText(best.dy, sep),
                               tragvel::generalText(best.effect, sep)));
    m_picture->setImage(drawEffectCurve(task, best, m_picture->size()));
}

void WorstPositionDialog::applyBest()
{
    if (!m_best)
        return;
    const WorstPosition best = *m_best;
    accept();
    m_apply(best.dx, best.dy);
}
