#include "effects/loadeffects.h"

#include "common/errors.h"
#include "common/numbertext.h"

#include <cmath>
#include <optional>

namespace tragvel::effects {

namespace {

const QString &permanentLabel()
{
    static const QString text = QString::fromUtf8("Stálé");
    return text;
}
const QString &vehicleLabel()
{
    static const QString text = QString::fromUtf8("Vozidlo");
    return text;
}
const QString &otherVariableLabel()
{
    static const QString text = QString::fromUtf8("Ost.nahod.");
    return text;
}
const QString &relievedPermanentLabel()
{
    static const QString text = QString::fromUtf8("Stálé s odl.");
    return text;
}

bool usesDynamicCoefficient(int code)
{
    return code == VehicleLoad || code == OtherVariableLoad;
}

bool usesRelief(int code)
{
    return code == VehicleLoad || code == OtherVariableLoad || code == RelievedPermanentLoad;
}

// The loading part plus the relieving part taken with `relief` percent.
double relievedPart(double loading, double relieving, double relief)
{
    return loading + relief * relieving / 100.0;
}

[[noreturn]] void throwRowOutOfRange(int row)
{
    throw Error(QString::fromUtf8("Účinek zatížení v řádku %1 nelze vyčíslit, hodnota překračuje "
                                  "rozsah čísel !!!")
                    .arg(row));
}

[[noreturn]] void throwSumOutOfRange()
{
    throw Error(QString::fromUtf8("Součet účinků zatížení nelze vyčíslit, hodnota překračuje "
                                  "rozsah čísel !!!"));
}

// One data row of the effect table for row `row` of the load table.
QStringList effectRow(int row, const CellTable &loads, const EffectBoxes &boxes,
                      const PatchIntegrator &integrate, QChar sep)
{
    const double x1 = toReal(loads.cell(1, row), sep);
    const double xr = toReal(boxes.referenceX, sep);
    const double x2 = toReal(loads.cell(2, row), sep);
    const double y1 = toReal(loads.cell(3, row), sep);
    const double yr = toReal(boxes.referenceY, sep);
    const double y2 = toReal(loads.cell(4, row), sep);
    const double load = toReal(loads.cell(5, row), sep);
    const int code = toWhole(loads.cell(6, row));

    const TPatchIntegrals integrals = integrate(x1 - xr, x2 - xr, y1 - yr, y2 - yr);

    QStringList cells;
    cells.reserve(10);
    cells << QString::number(row) << generalText(load, sep) << generalText(integrals.NyXPlus, sep)
          << generalText(integrals.NyXMinus, sep) << generalText(integrals.NyYPlus, sep)
          << generalText(integrals.NyYMinus, sep);

    const QString label = loadTypeLabel(code);
    if (label.isEmpty()) {
        // An unknown code has no shares, label, coefficient or effect.
        for (int column = 6; column < 10; ++column)
            cells << QString();
        return cells;
    }
    const double delta = usesDynamicCoefficient(code) ? toReal(boxes.dynamicCoefficient, sep) : 1.0;
    const double relief = usesRelief(code) ? toReal(boxes.reliefShare, sep) : 100.0;
    const double effect = patchEffect(code, load, integrals, delta, relief);

    if (!std::isfinite(integrals.NyXPlus) || !std::isfinite(integrals.NyXMinus)
        || !std::isfinite(integrals.NyYPlus) || !std::isfinite(integrals.NyYMinus)
        || !std::isfinite(effect))
        throwRowOutOfRange(row);

    cells << (code == PermanentLoad ? QStringLiteral("100%/100%")
                                    : QStringLiteral("100%/") + boxes.reliefShare + QLatin1Char('%'))
          << label
          << (usesDynamicCoefficient(code) ? boxes.dynamicCoefficient : QStringLiteral("1,00"))
          << generalText(effect, sep);
    return cells;
}

} // namespace

QString loadTypeLabel(int code)
{
    switch (code) {
    case PermanentLoad:
        return permanentLabel();
    case VehicleLoad:
        return vehicleLabel();
    case OtherVariableLoad:
        return otherVariableLabel();
    case RelievedPermanentLoad:
        return relievedPermanentLabel();
    default:
        return QString();
    }
}

double patchEffect(int code, double load, const TPatchIntegrals &n, double delta, double relief)
{
    if (code == PermanentLoad)
        return (n.NyXPlus + n.NyXMinus) * load * (n.NyYPlus + n.NyYMinus);
    if (!usesRelief(code))
        return 0.0;
    // The parts of the same sign as the load load the structure; the others relieve it.
    const bool positive = load >= 0.0;
    const double xr = positive ? relievedPart(n.NyXPlus, n.NyXMinus, relief)
                               : relievedPart(n.NyXMinus, n.NyXPlus, relief);
    const double yr = positive ? relievedPart(n.NyYPlus, n.NyYMinus, relief)
                               : relievedPart(n.NyYMinus, n.NyYPlus, relief);
    if (code == RelievedPermanentLoad)
        return xr * load * yr;
    return xr * (delta * load) * yr;
}

EffectSums sumEffectRows(const std::vector<QStringList> &rows, QChar sep)
{
    EffectSums sums;
    for (const QStringList &row : rows) {
        const QString &label = row.at(7);
        double *sum = nullptr;
        if (label == permanentLabel())
            sum = &sums.permanent;
        else if (label == vehicleLabel())
            sum = &sums.vehicle;
        else if (label == otherVariableLabel())
            sum = &sums.otherVariable;
        else if (label == relievedPermanentLabel())
            sum = &sums.relievedPermanent;
        if (sum == nullptr)
            continue;
        // The effect as shown; 15 digits of a value next to the largest double may not read back.
        const std::optional<double> effect = parseReal(row.at(9), sep);
        if (!effect)
            throwSumOutOfRange();
        *sum += *effect;
    }
    sums.total = sums.permanent + sums.vehicle + sums.otherVariable + sums.relievedPermanent;
    if (!std::isfinite(sums.permanent) || !std::isfinite(sums.vehicle)
        || !std::isfinite(sums.otherVariable) || !std::isfinite(sums.relievedPermanent)
        || !std::isfinite(sums.total))
        throwSumOutOfRange();
    return sums;
}

EffectLabels effectLabels(const EffectSums &sums, QChar sep)
{
    return EffectLabels{fixedText(sums.permanent, 7, 2, sep), fixedText(sums.otherVariable, 7, 2, sep),
                        fixedText(sums.vehicle, 7, 2, sep), fixedText(sums.relievedPermanent, 7, 2, sep),
                        fixedText(sums.total, 7, 2, sep)};
}

EffectSet computeEffectSet(const CellTable &loads, const EffectBoxes &boxes,
                           const PatchIntegrator &integrate, QChar sep)
{
    EffectSet set;
    const int count = loads.rowCount() - 1;
    if (count > 0)
        set.rows.reserve(size_t(count));
    for (int row = 1; row <= count; ++row)
        set.rows.push_back(effectRow(row, loads, boxes, integrate, sep));
    set.labels = effectLabels(sumEffectRows(set.rows, sep), sep);
    return set;
}

} // namespace tragvel::effects
