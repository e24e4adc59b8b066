#include "capacity/loadcapacity.h"

#include "common/errors.h"
#include "common/numbertext.h"

#include <cmath>

namespace tragvel::capacity {

namespace {

QString numberExpected()
{
    return QString::fromUtf8(
        "Chyba#23 - Chyba vstupních hodnot pro výpočet zatížitelnosti, očekává se číslo!!!");
}
QString massNotPositive()
{
    return QString::fromUtf8("Chyba#24 - Hmotnost vozidla musí být nenulová !!!");
}
QString vehicleEffectZero()
{
    return QString::fromUtf8("Chyba#25 - Účinky zatížení vozidly nemohou být nulové !!!");
}
QString designEffectsMissing()
{
    return QString::fromUtf8("Chyba#26 - Výpočet účinků zatížení podle původního předpisu nebyl "
                             "proveden nebo není aktuální!!!");
}
QString assessmentEffectsMissing()
{
    return QString::fromUtf8("Chyba#27 - Výpočet účinků zatížení podle nového předpisu nebyl "
                             "proveden nebo není aktuální!!!");
}

} // namespace

CapacityOutcome evaluateCapacity(const CapacityInputs &in, QChar sep)
{
    CapacityOutcome outcome;
    const std::optional<double> first = parseReal(in.first, sep);
    const std::optional<double> snv = first ? parseReal(in.vehicleEffect, sep) : std::nullopt;
    const std::optional<double> snr = snv ? parseReal(in.otherEffect, sep) : std::nullopt;
    const std::optional<double> tn = snr ? parseReal(in.vehicleMass, sep) : std::nullopt;
    const std::optional<double> sng = tn ? parseReal(in.permanentEffect, sep) : std::nullopt;
    if (!sng) {
        outcome.messages << numberExpected();
        return outcome;
    }
    if (*tn > 0.0 && *snv != 0.0) {
        const double a = toReal(in.stateFactor, sep);
        const double b = toReal(in.materialFactor, sep);
        const double v = (*first - *sng - *snr) / *snv * *tn * a * b;
        if (!std::isfinite(v))
            throw Error(QString::fromUtf8("Zatížitelnost nelze vyčíslit, hodnota překračuje rozsah "
                                          "čísel !!!"));
        outcome.result = fixedText(v, 5, 2, sep);
        return outcome;
    }
    if (*tn <= 0.0)
        outcome.messages << massNotPositive();
    if (*snv == 0.0)
        outcome.messages << vehicleEffectZero();
    return outcome;
}

CopyOutcome copyDesignEffect(bool effectsCurrent, const QString &labelText)
{
    if (!effectsCurrent)
        return CopyOutcome{std::nullopt, designEffectsMissing()};
    return CopyOutcome{labelText, QString()};
}

CopyOutcome copyAssessmentEffect(bool effectsCurrent, const QString &labelText)
{
    if (!effectsCurrent)
        return CopyOutcome{std::nullopt, assessmentEffectsMissing()};
    return CopyOutcome{labelText, QString()};
}

CopyOutcome copyPermanentEffects(bool effectsCurrent, const QString &permanentText,
                                 const QString &relievedText, QChar sep)
{
    const std::optional<double> permanent = effectsCurrent ? parseReal(permanentText, sep) : std::nullopt;
    const std::optional<double> relieved = permanent ? parseReal(relievedText, sep) : std::nullopt;
    if (!relieved)
        return CopyOutcome{std::nullopt, assessmentEffectsMissing()};
    const double sum = *permanent + *relieved;
    if (!std::isfinite(sum))
        throw Error(QString::fromUtf8("Součet účinků stálého zatížení nelze vyčíslit, hodnota "
                                      "překračuje rozsah čísel !!!"));
    return CopyOutcome{generalText(sum, sep), QString()};
}

} // namespace tragvel::capacity
