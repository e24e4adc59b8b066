#include "influence/continuousbeam.h"

#include "common/numbertext.h"
#include "influence/densesolve.h"

#include <cmath>

namespace tragvel::influence {

namespace {

// A point of the beam: the span it lies in and its distance from that span's left support.
struct SpanPoint
{
    size_t span;
    double local;
};

SpanPoint locate(const ContinuousBeam &beam, double station)
{
    double start = 0.0;
    for (size_t k = 0; k + 1 < beam.spans.size(); ++k) {
        if (station <= start + beam.spans[k])
            return {k, station - start};
        start += beam.spans[k];
    }
    return {beam.spans.size() - 1, station - start};
}

// The section's span: for a station on an inner support, the span to its right.
SpanPoint locateSection(const ContinuousBeam &beam, double station)
{
    double start = 0.0;
    for (size_t k = 0; k + 1 < beam.spans.size(); ++k) {
        if (station < start + beam.spans[k])
            return {k, station - start};
        start += beam.spans[k];
    }
    return {beam.spans.size() - 1, station - start};
}

// The load term of the three-moment equation for a unit load in a span, d being the load's distance
// from the span's end away from the support whose equation it is: d (L² − d²) / (L · EI).
double loadTerm(double length, double stiffness, double d)
{
    return d * (length * length - d * d) / (length * stiffness);
}

// The support moments (sagging positive) for a unit load at the span point.
std::vector<double> supportMoments(const ContinuousBeam &beam, const SpanPoint &load)
{
    const size_t n = beam.spans.size();
    const size_t unknowns = n + 1;
    std::vector<double> a(unknowns * unknowns, 0.0);
    std::vector<double> b(unknowns, 0.0);
    const auto flexibility = [&](size_t k) { return beam.spans[k] / beam.stiffnesses[k]; };
    const auto term = [&](size_t k, bool farEndIsLeft) {
        if (load.span != k)
            return 0.0;
        const double d = farEndIsLeft ? load.local : beam.spans[k] - load.local;
        return loadTerm(beam.spans[k], beam.stiffnesses[k], d);
    };
    const auto at = [&](size_t row, size_t column) -> double & { return a[row * unknowns + column]; };

    // A fixed end is a support whose rotation is zero; a pinned end carries no moment.
    if (beam.fixedStart) {
        at(0, 0) = 2.0 * flexibility(0);
        at(0, 1) = flexibility(0);
        b[0] = -term(0, false);
    } else {
        at(0, 0) = 1.0;
    }
    for (size_t i = 1; i < n; ++i) {
        at(i, i - 1) = flexibility(i - 1);
        at(i, i) = 2.0 * (flexibility(i - 1) + flexibility(i));
        at(i, i + 1) = flexibility(i);
        b[i] = -term(i - 1, true) - term(i, false);
    }
    if (beam.fixedEnd) {
        at(n, n - 1) = flexibility(n - 1);
        at(n, n) = 2.0 * flexibility(n - 1);
        b[n] = -term(n - 1, true);
    } else {
        at(n, n) = 1.0;
    }
    return solveDense(std::move(a), std::move(b));
}

QString numberText(double value)
{
    return generalText(value, programDecimalSeparator());
}

} // namespace

QString beamInputError(const ContinuousBeam &beam, const BeamSection &section)
{
    const int n = int(beam.spans.size());
    if (n < 1 || n > maxBeamSpans)
        return QStringLiteral("Zadejte 1 až %1 polí.").arg(maxBeamSpans);
    for (int k = 0; k < n; ++k)
        if (!(beam.spans[size_t(k)] > 0.0) || !std::isfinite(beam.spans[size_t(k)]))
            return QStringLiteral("Délka pole %1 musí být kladná.").arg(k + 1);
    if (int(beam.stiffnesses.size()) != n)
        return QStringLiteral("Zadejte ohybovou tuhost EI pro každé pole (%1 hodnot), nebo žádnou pro "
                              "stejnou tuhost všech polí.")
            .arg(n);
    for (int k = 0; k < n; ++k)
        if (!(beam.stiffnesses[size_t(k)] > 0.0) || !std::isfinite(beam.stiffnesses[size_t(k)]))
            return QStringLiteral("Ohybová tuhost EI pole %1 musí být kladná.").arg(k + 1);
    const double length = supportStations(beam).back();
    if (section.effect == BeamEffect::Reaction) {
        if (section.support < 0 || section.support > n)
            return QStringLiteral("Zadejte číslo podpory 1 až %1.").arg(n + 1);
    } else if (!(section.station >= 0.0 && section.station <= length)) {
        return QStringLiteral("Řez musí ležet na nosníku: zadejte staničení 0 až %1.").arg(numberText(length));
    }
    return {};
}

std::vector<double> supportStations(const ContinuousBeam &beam)
{
    std::vector<double> stations{0.0};
    for (const double span : beam.spans)
        stations.push_back(stations.back() + span);
    return stations;
}

double influenceOrdinate(const ContinuousBeam &beam, const BeamSection &section, double loadStation,
                         bool rightOfSection)
{
    const bool loadOnSection = section.effect != BeamEffect::Reaction && loadStation == section.station;
    const SpanPoint load = loadOnSection ? locateSection(beam, section.station) : locate(beam, loadStation);
    const std::vector<double> moments = supportMoments(beam, load);

    if (section.effect == BeamEffect::Reaction) {
        const size_t i = size_t(section.support);
        double reaction = 0.0;
        if (i > 0) { // the span on the left ends at the support
            const size_t k = i - 1;
            const double length = beam.spans[k];
            const double free = load.span == k ? load.local / length : 0.0;
            reaction += free - (moments[k + 1] - moments[k]) / length;
        }
        if (i < beam.spans.size()) { // the span on the right starts at it
            const size_t k = i;
            const double length = beam.spans[k];
            const double free = load.span == k ? (length - load.local) / length : 0.0;
            reaction += free + (moments[k + 1] - moments[k]) / length;
        }
        return reaction;
    }

    const SpanPoint cut = locateSection(beam, section.station);
    const size_t k = cut.span;
    const double length = beam.spans[k];
    const double left = moments[k];
    const double right = moments[k + 1];
    const bool sameSpan = load.span == k;
    const double a = load.local;
    const double x = cut.local;
    if (section.effect == BeamEffect::Moment) {
        double free = 0.0;
        if (sameSpan)
            free = a <= x ? a * (length - x) / length : x * (length - a) / length;
        return free + left * (1.0 - x / length) + right * (x / length);
    }
    double free = 0.0;
    if (sameSpan) {
        const bool loadRight = a > x || (a == x && rightOfSection);
        free = loadRight ? (length - a) / length : -a / length;
    }
    return free + (right - left) / length;
}

} // namespace tragvel::influence
