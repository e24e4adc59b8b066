#pragma once

#include <QString>

#include <vector>

namespace tragvel::influence {

// A continuous beam on pinned supports at the ends of its spans; the end supports may be fixed.
// Stations are measured from the first support.
struct ContinuousBeam
{
    std::vector<double> spans;       // span lengths, 1 to 10 of them
    std::vector<double> stiffnesses; // bending stiffness EI of every span (only the ratios matter)
    bool fixedStart = false;
    bool fixedEnd = false;
};

enum class BeamEffect { Moment, Shear, Reaction };

// The effect whose influence line is wanted: moment or shear at the station, or the reaction of a
// support (numbered from 0 at the first support). Shear at a support station is that of the span
// to its right (at the last support, of the last span).
struct BeamSection
{
    BeamEffect effect = BeamEffect::Moment;
    double station = 0.0;
    int support = 0;
};

constexpr int maxBeamSpans = 10;

// A Czech message telling what to correct, or an empty text when the beam and section are usable.
QString beamInputError(const ContinuousBeam &beam, const BeamSection &section);

// The stations of the supports, 0 first.
std::vector<double> supportStations(const ContinuousBeam &beam);

// The ordinate of the influence line for a unit load at the load station, computed exactly from the
// three-moment equations. Where the line jumps (shear at its section), rightOfSection tells which
// side of the jump a load standing exactly on the section belongs to. The input must be usable.
double influenceOrdinate(const ContinuousBeam &beam, const BeamSection &section, double loadStation,
                         bool rightOfSection);

} // namespace tragvel::influence
