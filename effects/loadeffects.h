#pragma once

#include "common/celltable.h"
#include "effects/patchintegrals.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace tragvel::effects {

// Load-type codes of a load table (column 6).
enum LoadTypeCode : int {
    PermanentLoad = 0,
    VehicleLoad = 1,
    OtherVariableLoad = 2,
    RelievedPermanentLoad = 3,
};

// The effect-table label of a load type ("Stálé", "Vozidlo", ...); empty for an unknown code.
QString loadTypeLabel(int code);

// The load effect E of one patch of load value `load` with the given integrals, for the load
// type `code`, dynamic coefficient `delta` and relieving share `relief` (percent). Types 0 and 3
// ignore delta, type 0 also the relief; an unknown code gives 0.
double patchEffect(int code, double load, const TPatchIntegrals &integrals, double delta,
                   double relief);

// The edit boxes of one load set that the effect computation reads, as typed.
struct EffectBoxes
{
    QString referenceX;
    QString referenceY;
    QString dynamicCoefficient;
    QString reliefShare;
};

// Integrates both influence lines over a patch already shifted by the reference point.
using PatchIntegrator = std::function<TPatchIntegrals(double x1, double x2, double y1, double y2)>;

// The sums of column 9 by load type and their total (stálé, vozidlo, ost.nahod., s odlehčením).
struct EffectSums
{
    double permanent = 0.0;
    double vehicle = 0.0;
    double otherVariable = 0.0;
    double relievedPermanent = 0.0;
    double total = 0.0;
};

// The texts of the five result labels.
struct EffectLabels
{
    QString permanent;
    QString otherVariable;
    QString vehicle;
    QString relievedPermanent;
    QString total;
};

// The effect table's data rows (10 texts each, row i of the load table first) and the labels.
struct EffectSet
{
    std::vector<QStringList> rows;
    EffectLabels labels;
};

// Sums column 9 of the data rows by the label in column 7, from the texts as shown. Throws Error
// when a sum is beyond the range of numbers.
EffectSums sumEffectRows(const std::vector<QStringList> &rows, QChar decimalSeparator);

// The five labels in fixed number text (7 significant digits, 2 decimals).
EffectLabels effectLabels(const EffectSums &sums, QChar decimalSeparator);

// The effects of every patch of a load table (row 0 = header). Every row is computed before
// anything is returned: a text that is not a number throws ConversionError, a value beyond the
// range of numbers throws Error.
EffectSet computeEffectSet(const CellTable &loads, const EffectBoxes &boxes,
                           const PatchIntegrator &integrate, QChar decimalSeparator);

} // namespace tragvel::effects
