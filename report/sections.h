#pragma once

#include "common/celltable.h"
#include "report/reportline.h"

#include <QString>

#include <vector>

namespace tragvel::report {

// The texts of the five result labels of one load set on the effects tab.
struct EffectSums
{
    QString permanent;
    QString otherVariable;
    QString vehicles;
    QString permanentWithRelief;
    QString total;
};

// The load-capacity inputs as typed and the result caption of the formula.
struct CapacityInputs
{
    QString spc;
    QString sng;
    QString snv;
    QString snr;
    QString tn;
    QString alfa;
    QString beta;
    QString snu;    // the static calculation only
    QString result; // "????" until the formula is evaluated
};

// The section builders: each hands the lines of its section to the sink in order. Row 0 of every
// table is its header row; rows 1 .. row count - 1 are written, whatever they hold.
void longitudinalLineSection(const CellTable &table, const LineSink &sink);
void transverseLineSection(const CellTable &table, const LineSink &sink);
void designLoadSection(const CellTable &table, const LineSink &sink);
void assessLoadSection(const CellTable &table, const LineSink &sink);
// These two throw ConversionError at the first numeric cell that is not a number; the lines
// before it have already reached the sink.
void designEffectSection(const CellTable &table, const EffectSums &sums, const LineSink &sink);
void assessEffectSection(const CellTable &table, const EffectSums &sums, const LineSink &sink);
void comparisonCapacitySection(const CapacityInputs &inputs, const LineSink &sink);
void staticCapacitySection(const CapacityInputs &inputs, const LineSink &sink);

// The refusal messages of the sections whose input is not checked or not current.
QString longitudinalLineRefusal();
QString transverseLineRefusal();
QString designLoadRefusal();
QString assessLoadRefusal();
QString designEffectRefusal();
QString assessEffectRefusal();

// Runs a builder and collects its lines.
template<typename Builder>
std::vector<ReportLine> collectLines(Builder &&build)
{
    std::vector<ReportLine> lines;
    build([&lines](const ReportLine &line) { lines.push_back(line); });
    return lines;
}

} // namespace tragvel::report
