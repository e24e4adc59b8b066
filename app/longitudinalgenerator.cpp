#include "app/longitudinalgenerator.h"

#include "app/widgetfactory.h"

#include "common/numbertext.h"
#include "influence/continuousbeam.h"
#include "influence/linekind.h"
#include "influence/numberlist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace tragvel::influence;

namespace {

QCheckBox *addCheck(QFormLayout *form, const char *name, const QString &label)
{
    auto *check = new QCheckBox(label, form->parentWidget());
    check->setObjectName(QString::fromLatin1(name));
    form->addRow(QString(), check);
    return check;
}

} // namespace

LongitudinalGeneratorDialog::LongitudinalGeneratorDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("LongitudinalGeneratorDialog"));
    setWindowTitle(QStringLiteral("Příčinková čára spojitého nosníku"));
    auto *layout = new QVBoxLayout(this);
    auto *holder = new QWidget(this);
    auto *form = new QFormLayout(holder);
    layout->addWidget(holder);
    m_spans = addFormEdit(*form, "editSpans", QStringLiteral("Délky polí [m], oddělené středníkem:"),
                      QStringLiteral("12"));
    m_stiffnesses = addFormEdit(*form, "editStiffnesses",
                            QStringLiteral("Ohybové tuhosti EI polí (prázdné = všechna pole stejná):"),
                            QString());
    m_fixedStart = addCheck(form, "checkFixedStart", QStringLiteral("Začátek nosníku vetknutý"));
    m_fixedEnd = addCheck(form, "checkFixedEnd", QStringLiteral("Konec nosníku vetknutý"));
    m_effect = new QComboBox(holder);
    m_effect->setObjectName(QStringLiteral("comboEffect"));
    m_effect->addItems({QStringLiteral("Ohybový moment v řezu x"), QStringLiteral("Posouvající síla v řezu x"),
                        QStringLiteral("Reakce podpory")});
    form->addRow(QStringLiteral("Účinek:"), m_effect);
    m_station = addFormEdit(*form, "editStation", QStringLiteral("Staničení řezu x [m] od první podpory:"),
                        QStringLiteral("6"));
    m_support = addFormEdit(*form, "editSupport", QStringLiteral("Číslo podpory (první = 1):"), QStringLiteral("1"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("labelStatus"));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &LongitudinalGeneratorDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    for (QLineEdit *edit : {m_spans, m_stiffnesses, m_station, m_support})
        connect(edit, &QLineEdit::textChanged, this, [this] { recompute(); });
    for (QCheckBox *check : {m_fixedStart, m_fixedEnd})
        connect(check, &QCheckBox::toggled, this, [this] { recompute(); });
    connect(m_effect, &QComboBox::currentIndexChanged, this, [this] { recompute(); });
    recompute();
}

bool LongitudinalGeneratorDialog::recompute()
{
    const QChar separator = tragvel::programDecimalSeparator();
    const auto fail = [this](const QString &message) {
        m_line = {};
        m_status->setText(message);
        return false;
    };
    const NumberList spans = parseNumberList(m_spans->text(), separator);
    if (!spans.error.isEmpty())
        return fail(spans.error);
    const NumberList stiffnesses = parseNumberList(m_stiffnesses->text(), separator);
    if (!stiffnesses.error.isEmpty())
        return fail(stiffnesses.error);

    ContinuousBeam beam;
    beam.spans = spans.values;
    beam.stiffnesses = stiffnesses.values.empty() ? std::vector<double>(spans.values.size(), 1.0)
                                                  : stiffnesses.values;
    beam.fixedStart = m_fixedStart->isChecked();
    beam.fixedEnd = m_fixedEnd->isChecked();

    BeamSection section;
    section.effect = BeamEffect(m_effect->currentIndex());
    const bool reaction = section.effect == BeamEffect::Reaction;
    m_station->setEnabled(!reaction);
    m_support->setEnabled(reaction);
    if (reaction) {
        const std::optional<int> support = tragvel::parseWhole(m_support->text().trimmed());
        if (!support)
            return fail(QStringLiteral("Zadejte číslo podpory jako celé číslo."));
        section.support = *support - 1;
    } else {
        const std::optional<double> station = tragvel::parseReal(m_station->text(), separator);
        if (!station)
            return fail(QStringLiteral("Zadejte staničení řezu x jako číslo."));
        section.station = *station;
    }
    const QString error = beamInputError(beam, section);
    if (!error.isEmpty())
        return fail(error);

    m_line = sampleBeamLine(beam, section, tragvel::longitudinalLine().maxPoints);
    m_status->setText(QStringLiteral("Bodů tabulky: %1. Největší odchylka lomené čáry od přesné: %2.")
                          .arg(m_line.points.size())
                          .arg(tragvel::generalText(m_line.deviation, 4, separator)));
    return true;
}

void LongitudinalGeneratorDialog::accept()
{
    if (recompute())
        QDialog::accept();
}
