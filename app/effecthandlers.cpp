// Tab 4: the load effects of both sets. Both sets run the same code over a record of their own
// controls and flags.

#include "app/tform1.h"

#include "app/gridcells.h"
#include "app/stringgrid.h"

#include "common/numbertext.h"
#include "effects/loadeffects.h"
#include "effects/patchintegrals.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

struct EffectTab
{
    const StringGrid &loads;
    const QLineEdit &referenceX;
    const QLineEdit &referenceY;
    const QLineEdit &dynamicCoefficient;
    const QLineEdit &reliefShare;
    StringGrid &effects;
    const uint8_t &loadsInvalid;
    uint8_t &effectsInvalid;
    QString loadsMessage;
    QLabel &permanent;
    QLabel &otherVariable;
    QLabel &vehicle;
    QLabel &relievedPermanent;
    QLabel &total;
};

EffectTab designTab(TForm1 &form)
{
    return {*form.StringGrid3, *form.Edit1, *form.Edit2, *form.Edit5, *form.Edit7, *form.StringGrid5,
            form.DesignLoadsInvalid, form.DesignEffectsInvalid,
            QStringLiteral("Chyba#21 - Chyba zadání/kontroly původního zatížení konstrukce !!!"),
            *form.Label90, *form.Label49, *form.Label93, *form.Label112, *form.Label102};
}

EffectTab assessmentTab(TForm1 &form)
{
    return {*form.StringGrid4, *form.Edit3, *form.Edit4, *form.Edit6, *form.Edit8, *form.StringGrid6,
            form.AssessLoadsInvalid, form.AssessEffectsInvalid,
            QStringLiteral("Chyba#22 - Chyba zadání/kontroly nového zatížení konstrukce !!!"),
            *form.Label96, *form.Label53, *form.Label99, *form.Label115, *form.Label105};
}

// The points of an influence-line table: column 1 the abscissa, column 2 the ordinate.
tragvel::effects::InfluenceLine readLine(const StringGrid &grid, QChar sep)
{
    tragvel::effects::InfluenceLine line;
    line.reserve(size_t(std::max(0, grid.rowCount() - 1)));
    for (int row = 1; row < grid.rowCount(); ++row)
        line.push_back({tragvel::toReal(grid.cell(1, row), sep), tragvel::toReal(grid.cell(2, row), sep)});
    return line;
}

void computeEffects(TForm1 &form, const EffectTab &tab)
{
    const bool longInvalid = form.LongLineInvalid != 0;
    const bool transInvalid = form.TransLineInvalid != 0;
    const bool loadsInvalid = tab.loadsInvalid != 0;
    if (longInvalid || transInvalid || loadsInvalid) {
        if (longInvalid)
            form.dialogs().showMessage(QStringLiteral("Chyba#19 - Chyba zadání/kontroly podélné příčinkové čáry !!!"));
        if (transInvalid)
            form.dialogs().showMessage(
                QStringLiteral("Chyba#20 - Chyba zadání/kontroly příčinkové čáry příčného roznosu !!!"));
        if (loadsInvalid)
            form.dialogs().showMessage(tab.loadsMessage);
        tab.effectsInvalid = 1;
        return;
    }

    const QChar sep = tragvel::programDecimalSeparator();
    // Every row is computed before anything is written: a box that is not a number, or a value
    // beyond the range of numbers, leaves the table, the labels and the flag as they were.
    const tragvel::effects::EffectBoxes boxes{tab.referenceX.text(), tab.referenceY.text(),
                                     tab.dynamicCoefficient.text(), tab.reliefShare.text()};
    // The integral of PricCara over the tables as they stand; nothing changes them while the
    // command runs, so both lines are read once instead of once per patch.
    const tragvel::effects::InfluenceLine longitudinal = readLine(*form.StringGrid1, sep);
    const tragvel::effects::InfluenceLine transverse = readLine(*form.StringGrid2, sep);
    const tragvel::effects::PatchIntegrator integrate = [&](double x1, double x2, double y1, double y2) {
        return tragvel::effects::integratePatch(longitudinal, transverse, x1, x2, y1, y2);
    };
    const tragvel::effects::EffectSet set = tragvel::effects::computeEffectSet(readCells(tab.loads), boxes, integrate, sep);

    const int rows = int(set.rows.size());
    tab.effects.setGridRowCount(std::max(2, rows + 1));
    if (rows == 0) {
        for (int column = 0; column < tab.effects.columnCount(); ++column)
            tab.effects.setCell(column, 1, QString());
    }
    for (int row = 1; row <= rows; ++row) {
        const QStringList &cells = set.rows[size_t(row - 1)];
        for (int column = 0; column < cells.size(); ++column)
            tab.effects.setCell(column, row, cells[column]);
    }
    tab.permanent.setText(set.labels.permanent);
    tab.otherVariable.setText(set.labels.otherVariable);
    tab.vehicle.setText(set.labels.vehicle);
    tab.relievedPermanent.setText(set.labels.relievedPermanent);
    tab.total.setText(set.labels.total);
    tab.effectsInvalid = 0;
}

} // namespace

tragvel::effects::TPatchIntegrals TForm1::PricCara(double x1, double x2, double y1, double y2)
{
    const QChar sep = tragvel::programDecimalSeparator();
    return tragvel::effects::integratePatch(readLine(*StringGrid1, sep), readLine(*StringGrid2, sep), x1, x2, y1, y2);
}

void TForm1::Button18Click()
{
    computeEffects(*this, designTab(*this));
}

void TForm1::Button23Click()
{
    computeEffects(*this, assessmentTab(*this));
}
