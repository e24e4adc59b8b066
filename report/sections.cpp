#include "report/sections.h"

#include "report/fields.h"

namespace tragvel::report {

namespace {

constexpr int kHeadingHeight = 12;
constexpr int kLineTableHeight = 10;
// Every section sets bold and underline with its heading and never removes them.
constexpr TextStyle kSectionStyle{true, false, true, false};

void emit(const LineSink &sink, const QString &text, int height)
{
    sink(ReportLine{text, height, kSectionStyle});
}

const QString &blankLine()
{
    static const QString line(1, u' ');
    return line;
}

void influenceLineSection(const QString &heading, const CellTable &table, const LineSink &sink)
{
    emit(sink, heading, kHeadingHeight);
    emit(sink, QStringLiteral("Staničení       Pořadnice"), kLineTableHeight);
    for (int row = 1; row < table.rowCount(); ++row) {
        // The ordinate is written whole, neither cut nor padded.
        emit(sink, paddedField(table.cell(1, row), 15) + u' ' + table.cell(2, row), kLineTableHeight);
    }
    emit(sink, blankLine(), kLineTableHeight);
}

void loadSection(const QString &heading, const CellTable &table, const LineSink &sink)
{
    emit(sink, heading, kHeadingHeight);
    emit(sink, QStringLiteral("Pol. x1        x2        y1        y2        Síla      Typ"), kHeadingHeight);
    for (int row = 1; row < table.rowCount(); ++row) {
        QString line = rowNumberField(row);
        for (int column = 1; column <= 6; ++column)
            line += paddedField(table.cell(column, row), 10);
        emit(sink, line, kHeadingHeight);
    }
    emit(sink, blankLine(), kHeadingHeight);
    emit(sink, QStringLiteral("Typy zatížení : 0 - Zatížení stálé"), kHeadingHeight);
    emit(sink, QStringLiteral("                1 - Zatížení nahodilé - počítané do zatížitelnosti"), kHeadingHeight);
    emit(sink, QStringLiteral("                2 - Zatížení ostatní nahodilé - nepočítané do zatížitelnosti"), kHeadingHeight);
    emit(sink, QStringLiteral("                3 - Zatížení stálé s uvažováním odlehčujcích účinků"), kHeadingHeight);
    emit(sink, blankLine(), kHeadingHeight);
}

void effectSection(const QString &heading, const CellTable &table, const EffectSums &sums,
                   const LineSink &sink)
{
    emit(sink, heading, kHeadingHeight);
    emit(sink, QStringLiteral("Pol. Síla      NyX+      NyX-      NyY+      NyY-      Účinnost  Delta     Celkem"),
         kHeadingHeight);
    for (int row = 1; row < table.rowCount(); ++row) {
        QString line = rowNumberField(row);
        for (int column = 1; column <= 5; ++column)
            line += numberField(table.cell(column, row), 3);
        line += paddedField(leadingCharacters(table.cell(6, row), 9), 10);
        line += numberField(table.cell(8, row), 3);
        line += numberField(table.cell(9, row), 4);
        emit(sink, line, kHeadingHeight);
    }
    emit(sink, blankLine(), kHeadingHeight);
    emit(sink, QStringLiteral("Účinky zatížení stálého         : ") + sums.permanent, kHeadingHeight);
    emit(sink, QStringLiteral("Účinky ostatního nahod.zatížení : ") + sums.otherVariable, kHeadingHeight);
    emit(sink, QStringLiteral("Účinky zatížení vozidly         : ") + sums.vehicles, kHeadingHeight);
    emit(sink, QStringLiteral("Účinky stálého zat.s odlehčením : ") + sums.permanentWithRelief, kHeadingHeight);
    emit(sink, QStringLiteral("Účinky zatížení celkem          : ") + sums.total, kHeadingHeight);
    emit(sink, blankLine(), kHeadingHeight);
}

void capacitySection(const QString &heading, const CapacityInputs &inputs, bool withResistance,
                     const LineSink &sink)
{
    emit(sink, heading, kHeadingHeight);
    emit(sink, QStringLiteral("Celkový účinek zatížení pro návrh objektu            :  Sp,c = ") + inputs.spc, kHeadingHeight);
    emit(sink, QStringLiteral("Účinek stálého zatížení pro posouzení objektu        :  Sn,g = ") + inputs.sng, kHeadingHeight);
    emit(sink, QStringLiteral("Účinek zatížení vozidly pro posouzení objektu        :  Sn,v = ") + inputs.snv, kHeadingHeight);
    emit(sink, QStringLiteral("Účinek ost.nahodilého zatížení pro posouzení objektu :  Sn,r = ") + inputs.snr, kHeadingHeight);
    emit(sink, QStringLiteral("Hmotnost vozidla v zatížení pro posouzení            :  Tn   = ") + inputs.tn + QStringLiteral(" t"), kHeadingHeight);
    emit(sink, QStringLiteral("Součinitel stavu konstrukce                          :  alfa = ") + inputs.alfa, kHeadingHeight);
    emit(sink, QStringLiteral("Součinitel pevnosti materiálu                        :  beta = ") + inputs.beta, kHeadingHeight);
    if (withResistance)
        emit(sink, QStringLiteral("Únosnost průřezu stanovenná podle nového předpisu    :  Sn,u = ") + inputs.snu, kHeadingHeight);
    // Unlike the other sections: a line without any character, and no closing blank line.
    emit(sink, QString(), kHeadingHeight);
    emit(sink, QStringLiteral("... zatížitelnost konstrukce                         :  V..  = ") + inputs.result + QStringLiteral(" t"),
         kHeadingHeight);
}

} // namespace

void longitudinalLineSection(const CellTable &table, const LineSink &sink)
{
    influenceLineSection(QStringLiteral("Příčinková čára ... v podéném směru mostu :"), table, sink);
}

void transverseLineSection(const CellTable &table, const LineSink &sink)
{
    influenceLineSection(QStringLiteral("Příčinková čára ... v příčném směru :"), table, sink);
}

void designLoadSection(const CellTable &table, const LineSink &sink)
{
    loadSection(QStringLiteral("Zatižení konstrukce podle původní návrhové normy - ... :"), table, sink);
}

void assessLoadSection(const CellTable &table, const LineSink &sink)
{
    loadSection(QStringLiteral("Zatižení konstrukce podle nové návrhové normy - ... :"), table, sink);
}

void designEffectSection(const CellTable &table, const EffectSums &sums, const LineSink &sink)
{
    effectSection(QStringLiteral("Účinky zatížení podle původní návrhové normy - ... :"), table, sums, sink);
}

void assessEffectSection(const CellTable &table, const EffectSums &sums, const LineSink &sink)
{
    effectSection(QStringLiteral("Účinky zatížení podle nové návrhové normy - ... :"), table, sums, sink);
}

void comparisonCapacitySection(const CapacityInputs &inputs, const LineSink &sink)
{
    capacitySection(QStringLiteral("Zatížitelnost konstrukce stanovená porovnávacím výpočtem :"), inputs, false, sink);
}

void staticCapacitySection(const CapacityInputs &inputs, const LineSink &sink)
{
    capacitySection(QStringLiteral("Zatížitelnost konstrukce stanovená porovnávacím statickým výpočtem :"), inputs,
                    true, sink);
}

QString longitudinalLineRefusal()
{
    return QStringLiteral("Chyba#19 - Chyba zadání/kontroly podélné příčinkové čáry !!!");
}

QString transverseLineRefusal()
{
    return QStringLiteral("Chyba#20 - Chyba zadání/kontroly příčinkové čáry příčného roznosu !!!");
}

QString designLoadRefusal()
{
    return QStringLiteral("Chyba#21 - Chyba zadání/kontroly původního zatížení konstrukce !!!");
}

QString assessLoadRefusal()
{
    return QStringLiteral("Chyba#22 - Chyba zadání/kontroly nového zatížení konstrukce !!!");
}

QString designEffectRefusal()
{
    return QStringLiteral("Chyba#26 - Výpočet účinků zatížení podle původního předpisu nebyl proveden nebo není aktuální!!!");
}

QString assessEffectRefusal()
{
    return QStringLiteral("Chyba#27 - Výpočet účinků zatížení podle nového předpisu nebyl proveden nebo není aktuální!!!");
}

} // namespace tragvel::report
