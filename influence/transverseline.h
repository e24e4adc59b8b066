#pragma once

#include "influence/linesampling.h"

#include <QString>

#include <optional>

#include <vector>

namespace tragvel::influence {

enum class DistributionMethod {
    LeverRule,       // slab strips simply supported between neighbouring girders
    RigidCrossBeams, // the deck stays straight across: shares from the girders' stiffnesses
};

struct Deck
{
    double width = 0.0;
    std::vector<double> girders;     // distances from the near edge, left to right, 2 to 12 of them
    std::vector<double> stiffnesses; // of every girder for rigid cross-beams; empty: all equal
    int wantedGirder = 0;            // numbered from 0 at the near edge
    DistributionMethod method = DistributionMethod::LeverRule;
};

constexpr int minGirders = 2;
constexpr int maxGirders = 12;

// A Czech message telling what to correct, or an empty text when the deck is usable.
QString deckInputError(const Deck &deck);

// The share of the wanted girder in a unit load at the distance y from the near edge.
double girderShare(const Deck &deck, double y);

// The transverse distribution line of the wanted girder scaled to the area 1 as the table holds it,
// with the factor that scales shares to it.
struct DistributionLine
{
    std::vector<LinePoint> points; // deck edges and girders; the line is straight in between
    double scale = 0.0;            // ordinate = share · scale
    std::optional<double> zeroCrossing; // where the share changes sign inside the deck, if it does
};

// The line of a usable deck. An area of 0 cannot be scaled: the result then has no points.
DistributionLine distributionLine(const Deck &deck);

} // namespace tragvel::influence
