#include "app/transversegenerator.h"

#include "app/widgetfactory.h"

#include "common/numbertext.h"
#include "influence/numberlist.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace tragvel::influence;

TransverseGeneratorDialog::TransverseGeneratorDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TransverseGeneratorDialog"));
    setWindowTitle(QStringLiteral("Čára příčného roznosu nosníku"));
    auto *layout = new QVBoxLayout(this);
    auto *holder = new QWidget(this);
    auto *form = new QFormLayout(holder);
    layout->addWidget(holder);
    m_width = addFormEdit(*form, "editWidth", QStringLiteral("Šířka mostovky [m]:"), QStringLiteral("8"));
    m_girders = addFormEdit(*form, "editGirders",
                        QStringLiteral("Polohy nosníků od okraje [m], oddělené středníkem:"),
                        QStringLiteral("1; 4; 7"));
    m_wanted = addFormEdit(*form, "editGirder", QStringLiteral("Číslo nosníku (od okraje = 1):"),
                       QStringLiteral("1"));
    m_method = new QComboBox(holder);
    m_method->setObjectName(QStringLiteral("comboMethod"));
    m_method->addItems({QStringLiteral("Páková metoda (prosté desky mezi nosníky)"),
                        QStringLiteral("Tuhé příčníky")});
    form->addRow(QStringLiteral("Metoda:"), m_method);
    m_stiffnesses = addFormEdit(*form, "editGirderStiffnesses",
                            QStringLiteral("Tuhosti nosníků (prázdné = stejné):"), QString());
    auto *note = new QLabel(
        QStringLiteral("Čára se upraví na plochu 1. Únosnost průřezu Sn,u pak zadejte ve stejném měřítku: "
                       "únosnost nosníku násobená měřítkem čáry."),
        this);
    note->setObjectName(QStringLiteral("labelScaleNote"));
    note->setWordWrap(true);
    layout->addWidget(note);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("labelStatus"));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TransverseGeneratorDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    for (QLineEdit *edit : {m_width, m_girders, m_wanted, m_stiffnesses})
        connect(edit, &QLineEdit::textChanged, this, [this] { recompute(); });
    connect(m_method, &QComboBox::currentIndexChanged, this, [this] { recompute(); });
    recompute();
}

bool TransverseGeneratorDialog::recompute()
{
    const QChar separator = tragvel::programDecimalSeparator();
    const auto fail = [this](const QString &message) {
        m_line = {};
        m_status->setText(message);
        return false;
    };
    Deck deck;
    deck.method = DistributionMethod(m_method->currentIndex());
    m_stiffnesses->setEnabled(deck.method == DistributionMethod::RigidCrossBeams);
    const std::optional<double> width = tragvel::parseReal(m_width->text(), separator);
    if (!width)
        return fail(QStringLiteral("Zadejte šířku mostovky jako číslo."));
    deck.width = *width;
    const NumberList girders = parseNumberList(m_girders->text(), separator);
    if (!girders.error.isEmpty())
        return fail(girders.error);
    deck.girders = girders.values;
    const std::optional<int> wanted = tragvel::parseWhole(m_wanted->text().trimmed());
    if (!wanted)
        return fail(QStringLiteral("Zadejte číslo nosníku jako celé číslo."));
    deck.wantedGirder = *wanted - 1;
    if (deck.method == DistributionMethod::RigidCrossBeams) {
        const NumberList stiffnesses = parseNumberList(m_stiffnesses->text(), separator);
        if (!stiffnesses.error.isEmpty())
            return fail(stiffnesses.error);
        deck.stiffnesses = stiffnesses.values;
    }
    const QString error = deckInputError(deck);
    if (!error.isEmpty())
        return fail(error);
    m_line = distributionLine(deck);
    if (m_line.points.empty())
        return fail(QStringLiteral("Plocha pod čárou nosníku je nulová, čáru nelze upravit na plochu 1."));
    QString text = QStringLiteral("Bodů tabulky: %1. Měřítko čáry (pořadnice = podíl nosníku × měřítko): %2.")
                       .arg(m_line.points.size())
                       .arg(tragvel::generalText(m_line.scale, separator));
    if (m_line.zeroCrossing)
        text += QStringLiteral(" Čára prochází nulou ve vzdálenosti %1 m od okraje.")
                    .arg(tragvel::generalText(*m_line.zeroCrossing, 6, separator));
    m_status->setText(text);
    return true;
}

void TransverseGeneratorDialog::accept()
{
    if (recompute())
        QDialog::accept();
}
