#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>

namespace tragvel::capacity {

// The box texts of one load-capacity formula as typed. `first` is Sp,c for the comparison
// calculation and Sn,u for the comparison static calculation.
struct CapacityInputs
{
    QString first;
    QString vehicleEffect;  // Sn,v
    QString otherEffect;    // Sn,r
    QString vehicleMass;    // Tn
    QString permanentEffect; // Sn,g
    QString stateFactor;    // a
    QString materialFactor; // b
};

// What a formula command shows: its messages in order, and the new result text when V was
// evaluated (otherwise the result label keeps its text).
struct CapacityOutcome
{
    QStringList messages;
    std::optional<QString> result;
};

// V = (first - Sn,g - Sn,r) / Sn,v * Tn * a * b as fixed number text (5 digits, 2 decimals).
// a or b not a number throws ConversionError; a V beyond the range of numbers throws Error.
CapacityOutcome evaluateCapacity(const CapacityInputs &inputs, QChar decimalSeparator);

// What a copy command writes into its box, or the message it shows instead.
struct CopyOutcome
{
    std::optional<QString> text;
    QString message;
};

// Copies a result label of the design set's effects (Sp,c) as shown.
CopyOutcome copyDesignEffect(bool effectsCurrent, const QString &labelText);
// Copies a result label of the assessment set's effects (Sn,v, Sn,r) as shown.
CopyOutcome copyAssessmentEffect(bool effectsCurrent, const QString &labelText);
// Sn,g: the sum of the shown permanent effect and permanent effect with relief, general text.
// A sum beyond the range of numbers throws Error.
CopyOutcome copyPermanentEffects(bool effectsCurrent, const QString &permanentText,
                                 const QString &relievedText, QChar decimalSeparator);

} // namespace tragvel::capacity
