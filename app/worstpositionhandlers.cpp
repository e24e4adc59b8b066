// Tab 4: the most unfavourable position of a set's vehicle. The search is a pure function over
// the tables as they stand; "Použít" moves the vehicle rows of the load table and recomputes.

#include "app/tform1.h"

#include "app/gridcells.h"
#include "app/stringgrid.h"
#include "app/worstpositiondialog.h"

#include "common/numbertext.h"
#include "effects/loadeffects.h"

#include <QLineEdit>

namespace {

struct WorstTab
{
    StringGrid &loads;
    const QLineEdit &referenceX, &referenceY, &dynamicCoefficient, &reliefShare;
    const uint8_t &loadsInvalid;
    QString loadsMessage;
    void (TForm1::*cellEdited)(int, int, const QString &);
    void (TForm1::*check)();
    void (TForm1::*compute)();
};

tragvel::effects::InfluenceLine readLine(const StringGrid &grid, QChar sep)
{
    tragvel::effects::InfluenceLine line;
    for (int row = 1; row < grid.rowCount(); ++row)
        line.push_back({tragvel::toReal(grid.cell(1, row), sep), tragvel::toReal(grid.cell(2, row), sep)});
    return line;
}

void openWorstPosition(TForm1 &form, const WorstTab &tab)
{
    QStringList refusals;
    if (form.LongLineInvalid != 0)
        refusals << QStringLiteral("Chyba#19 - Chyba zadání/kontroly podélné příčinkové čáry !!!");
    if (form.TransLineInvalid != 0)
        refusals << QStringLiteral("Chyba#20 - Chyba zadání/kontroly příčinkové čáry příčného roznosu !!!");
    if (tab.loadsInvalid != 0)
        refusals << tab.loadsMessage;
    if (!refusals.isEmpty()) {
        for (const QString &text : refusals)
            form.dialogs().showMessage(text);
        return;
    }
    const QChar sep = tragvel::programDecimalSeparator();
    const double xr = tragvel::toReal(tab.referenceX.text(), sep);
    const double yr = tragvel::toReal(tab.referenceY.text(), sep);
    tragvel::effects::WorstPositionTask task;
    std::vector<int> vehicleRows;
    for (int row = 1; row < tab.loads.rowCount(); ++row) {
        if (tragvel::toWhole(tab.loads.cell(6, row)) != tragvel::effects::VehicleLoad)
            continue;
        vehicleRows.push_back(row);
        task.vehicle.push_back({tragvel::toReal(tab.loads.cell(1, row), sep) - xr,
                                tragvel::toReal(tab.loads.cell(2, row), sep) - xr,
                                tragvel::toReal(tab.loads.cell(3, row), sep) - yr,
                                tragvel::toReal(tab.loads.cell(4, row), sep) - yr,
                                tragvel::toReal(tab.loads.cell(5, row), sep)});
    }
    if (task.vehicle.empty()) {
        form.dialogs().showMessage(QStringLiteral(
            "Zatížení nemá žádný řádek typu 1 (vozidlo), není čím posouvat. Zadejte vozidlo do tabulky zatížení !!!"));
        return;
    }
    task.longitudinal = readLine(*form.StringGrid1, sep);
    task.transverse = readLine(*form.StringGrid2, sep);
    task.delta = tragvel::toReal(tab.dynamicCoefficient.text(), sep);
    task.relief = tragvel::toReal(tab.reliefShare.text(), sep);
    task.dx = tragvel::effects::passingRange(task.longitudinal, task.vehicle);

    // The shift is applied to the vehicle rows as one change, then the set is checked and its
    // effects computed again as the user would by the two buttons.
    TForm1 *window = &form;
    StringGrid *grid = &tab.loads;
    const auto cellEdited = tab.cellEdited;
    const auto check = tab.check;
    const auto compute = tab.compute;
    const auto apply = [window, grid, cellEdited, check, compute, vehicleRows, sep](double dx, double dy) {
        TForm1 &form = *window;
        StringGrid &loads = *grid;
        form.runGuarded([&] {
            for (const int row : vehicleRows) {
                for (int column = 1; column <= 4; ++column) {
                    const double shift = column <= 2 ? dx : dy;
                    loads.setCell(column, row,
                                  tragvel::generalText(tragvel::toReal(loads.cell(column, row), sep) + shift, sep));
                }
            }
            (form.*cellEdited)(1, vehicleRows.front(), loads.cell(1, vehicleRows.front()));
            (form.*check)();
            (form.*compute)();
        });
    };
    auto *dialog = new WorstPositionDialog(std::move(task), form.dialogs(), apply, &form);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

} // namespace

void TForm1::ButtonWorstDesignClick()
{
    openWorstPosition(*this, {*StringGrid3, *Edit1, *Edit2, *Edit5, *Edit7, DesignLoadsInvalid,
                              QStringLiteral("Chyba#21 - Chyba zadání/kontroly původního zatížení konstrukce !!!"),
                              &TForm1::StringGrid3SetEditText, &TForm1::Button19Click, &TForm1::Button18Click});
}

void TForm1::ButtonWorstAssessmentClick()
{
    openWorstPosition(*this, {*StringGrid4, *Edit3, *Edit4, *Edit6, *Edit8, AssessLoadsInvalid,
                              QStringLiteral("Chyba#22 - Chyba zadání/kontroly nového zatížení konstrukce !!!"),
                              &TForm1::StringGrid4SetEditText, &TForm1::Button24Click, &TForm1::Button23Click});
}
