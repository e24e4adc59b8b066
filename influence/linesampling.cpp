#include "influence/linesampling.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tragvel::influence {

namespace {

// Between neighbouring supports and the section the exact line is one cubic in the load station;
// it is held as c0 + c1 t + c2 t² + c3 t³ with t measured from the piece's start.
struct Piece
{
    double start;
    double length;
    bool rightOfSection;
    double c[4];

    double value(double t) const { return ((c[3] * t + c[2]) * t + c[1]) * t + c[0]; }
    double slope(double t) const { return (3.0 * c[3] * t + 2.0 * c[2]) * t + c[1]; }
};

Piece fitPiece(const ContinuousBeam &beam, const BeamSection &section, double start, double end)
{
    Piece piece{start, end - start, section.station <= start, {}};
    const double h = piece.length;
    const double t[4] = {0.0, h / 3.0, 2.0 * h / 3.0, h};
    double f[4];
    for (int i = 0; i < 4; ++i)
        f[i] = influenceOrdinate(beam, section, i == 3 ? end : start + t[i], piece.rightOfSection);
    // Newton's divided differences of the four values, then the power form.
    const double d01 = (f[1] - f[0]) / (t[1] - t[0]);
    const double d12 = (f[2] - f[1]) / (t[2] - t[1]);
    const double d23 = (f[3] - f[2]) / (t[3] - t[2]);
    const double d012 = (d12 - d01) / (t[2] - t[0]);
    const double d123 = (d23 - d12) / (t[3] - t[1]);
    const double d0123 = (d123 - d012) / (t[3] - t[0]);
    piece.c[0] = f[0];
    piece.c[1] = d01 - d012 * t[1] + d0123 * t[1] * t[2];
    piece.c[2] = d012 - d0123 * (t[1] + t[2]);
    piece.c[3] = d0123;
    return piece;
}

// The largest distance between the piece and its chord from p to q (0 <= p < q <= length): at the
// stationary points of the difference, the roots of a quadratic.
double chordDeviation(const Piece &piece, double p, double q)
{
    const double fp = piece.value(p);
    const double chord = (piece.value(q) - fp) / (q - p);
    const auto deviationAt = [&](double t) {
        return (t > p && t < q) ? std::abs(piece.value(t) - (fp + chord * (t - p))) : 0.0;
    };
    const double a = 3.0 * piece.c[3];
    const double b = 2.0 * piece.c[2];
    const double c = piece.c[1] - chord;
    if (a == 0.0)
        return b == 0.0 ? 0.0 : deviationAt(-c / b);
    const double discriminant = b * b - 4.0 * a * c;
    if (discriminant < 0.0)
        return 0.0;
    const double root = std::sqrt(discriminant);
    return std::max(deviationAt((-b + root) / (2.0 * a)), deviationAt((-b - root) / (2.0 * a)));
}

// Inner points of one piece for the allowed deviation, each as far from the previous one as the
// deviation allows; stops once more than the budget would be needed.
std::vector<double> innerPoints(const Piece &piece, double allowed, size_t budget)
{
    std::vector<double> points;
    double position = 0.0;
    while (chordDeviation(piece, position, piece.length) > allowed) {
        if (points.size() >= budget) {
            points.push_back(piece.length); // marks the budget as exceeded
            break;
        }
        double reached = position;
        double beyond = piece.length;
        for (int step = 0; step < 40; ++step) {
            const double middle = 0.5 * (reached + beyond);
            if (chordDeviation(piece, position, middle) <= allowed)
                reached = middle;
            else
                beyond = middle;
        }
        if (!(reached > position))
            reached = beyond;
        points.push_back(reached);
        position = reached;
    }
    return points;
}

// All inner points for the allowed deviation, or nothing when they exceed the budget.
std::optional<std::vector<std::vector<double>>> placeInnerPoints(const std::vector<Piece> &pieces,
                                                                 double allowed, size_t budget)
{
    std::vector<std::vector<double>> placed;
    size_t used = 0;
    for (const Piece &piece : pieces) {
        placed.push_back(innerPoints(piece, allowed, budget - used));
        used += placed.back().size();
        if (used > budget)
            return std::nullopt;
    }
    return placed;
}

double cleanZero(double value)
{
    return value == 0.0 ? 0.0 : value; // no negative zero in the table
}

} // namespace

SampledLine sampleBeamLine(const ContinuousBeam &beam, const BeamSection &section, int maxPoints)
{
    std::vector<double> breaks = supportStations(beam);
    const bool hasSection = section.effect != BeamEffect::Reaction;
    if (hasSection)
        breaks.push_back(section.station);
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());

    std::vector<Piece> pieces;
    for (size_t i = 0; i + 1 < breaks.size(); ++i)
        pieces.push_back(fitPiece(beam, section, breaks[i], breaks[i + 1]));

    const bool jumps = section.effect == BeamEffect::Shear;
    const size_t fixedPoints = breaks.size() + (jumps ? 1 : 0);
    const size_t budget = size_t(std::max(0, maxPoints - int(fixedPoints)));

    // Rounding noise of the exact formulas is no deviation.
    double scale = 0.0;
    for (const Piece &piece : pieces)
        scale = std::max({scale, std::abs(piece.value(0.0)), std::abs(piece.value(piece.length)),
                          std::abs(piece.value(piece.length / 2.0))});
    const double noise = 1e-12 * scale;

    double worst = 0.0;
    for (const Piece &piece : pieces)
        worst = std::max(worst, chordDeviation(piece, 0.0, piece.length));
    std::vector<std::vector<double>> inner(pieces.size());
    if (worst > noise) {
        // The smallest allowed deviation whose points fit the budget, by bisection.
        double low = 0.0;
        double high = worst;
        for (int step = 0; step < 40; ++step) {
            const double middle = 0.5 * (low + high);
            if (placeInnerPoints(pieces, std::max(middle, noise), budget))
                high = middle;
            else
                low = middle;
        }
        inner = *placeInnerPoints(pieces, std::max(high, noise), budget);
    }

    SampledLine line;
    const auto add = [&](double station, bool rightOfSection) {
        line.points.push_back(
            {station, cleanZero(influenceOrdinate(beam, section, station, rightOfSection))});
    };
    for (size_t i = 0; i < breaks.size(); ++i) {
        const double station = breaks[i];
        const bool onSection = hasSection && station == section.station;
        if (onSection && jumps) {
            add(station, false);
            add(station, true);
        } else {
            add(station, station >= section.station);
        }
        if (i < pieces.size()) {
            const Piece &piece = pieces[i];
            double previous = 0.0;
            for (const double t : inner[i]) {
                line.deviation = std::max(line.deviation, chordDeviation(piece, previous, t));
                add(piece.start + t, piece.rightOfSection);
                previous = t;
            }
            line.deviation = std::max(line.deviation, chordDeviation(piece, previous, piece.length));
        }
    }
    if (line.deviation <= noise)
        line.deviation = 0.0;
    return line;
}

} // namespace tragvel::influence
