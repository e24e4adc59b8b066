#include "influence/transverseline.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace tragvel::influence {

namespace {

double stiffness(const Deck &deck, size_t girder)
{
    return deck.stiffnesses.empty() ? 1.0 : deck.stiffnesses[girder];
}

// The rigid cross-beam share as a multiple of a positive common factor, so that lines of whole-metre
// decks come out in exact binary fractions after scaling: share · weightSum · inertia / w_k =
// inertia + weightSum · e_k · (y − centre).
struct RigidForm
{
    double centre;   // stiffness-weighted centre of the girders
    double weightSum;
    double inertia;  // sum of w_i e_i²
    double eccentricity;
    double wanted;   // w_k

    double scaled(double y) const { return inertia + weightSum * eccentricity * (y - centre); }
    double factor() const { return weightSum * inertia / wanted; }
};

RigidForm rigidForm(const Deck &deck)
{
    RigidForm form{};
    double moment = 0.0;
    for (size_t i = 0; i < deck.girders.size(); ++i) {
        form.weightSum += stiffness(deck, i);
        moment += stiffness(deck, i) * deck.girders[i];
    }
    form.centre = moment / form.weightSum;
    for (size_t i = 0; i < deck.girders.size(); ++i) {
        const double e = deck.girders[i] - form.centre;
        form.inertia += stiffness(deck, i) * e * e;
    }
    const size_t k = size_t(deck.wantedGirder);
    form.eccentricity = deck.girders[k] - form.centre;
    form.wanted = stiffness(deck, k);
    return form;
}

// Lever rule: between two neighbouring girders the load goes to both by the lever; on a
// cantilever the two outer girders carry it, the inner one pulled up.
double leverShare(const Deck &deck, double y)
{
    const std::vector<double> &g = deck.girders;
    size_t left = 0;
    while (left + 2 < g.size() && y > g[left + 1])
        ++left;
    const size_t right = left + 1;
    const double towardsRight = (y - g[left]) / (g[right] - g[left]);
    const size_t k = size_t(deck.wantedGirder);
    if (k == left)
        return 1.0 - towardsRight;
    if (k == right)
        return towardsRight;
    return 0.0;
}

} // namespace

QString deckInputError(const Deck &deck)
{
    if (!(deck.width > 0.0) || !std::isfinite(deck.width))
        return QStringLiteral("Šířka mostovky musí být kladná.");
    const int n = int(deck.girders.size());
    if (n < minGirders || n > maxGirders)
        return QStringLiteral("Zadejte polohy %1 až %2 nosníků.").arg(minGirders).arg(maxGirders);
    for (int i = 0; i < n; ++i) {
        const double y = deck.girders[size_t(i)];
        if (!(y >= 0.0 && y <= deck.width))
            return QStringLiteral("Nosník %1 leží mimo mostovku: jeho poloha musí být 0 až šířka mostovky.")
                .arg(i + 1);
    }
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (deck.girders[size_t(i)] == deck.girders[size_t(j)])
                return QStringLiteral("Nosníky %1 a %2 leží na stejném místě.").arg(i + 1).arg(j + 1);
    for (int i = 0; i + 1 < n; ++i)
        if (deck.girders[size_t(i)] > deck.girders[size_t(i + 1)])
            return QStringLiteral("Zadejte polohy nosníků vzestupně od okraje mostovky.");
    if (deck.wantedGirder < 0 || deck.wantedGirder >= n)
        return QStringLiteral("Zadejte číslo nosníku 1 až %1.").arg(n);
    if (deck.method == DistributionMethod::RigidCrossBeams && !deck.stiffnesses.empty()) {
        if (int(deck.stiffnesses.size()) != n)
            return QStringLiteral("Zadejte tuhost každého nosníku (%1 hodnot), nebo žádnou pro stejné tuhosti.")
                .arg(n);
        for (int i = 0; i < n; ++i)
            if (!(deck.stiffnesses[size_t(i)] > 0.0) || !std::isfinite(deck.stiffnesses[size_t(i)]))
                return QStringLiteral("Tuhost nosníku %1 musí být kladná.").arg(i + 1);
    }
    return {};
}

double girderShare(const Deck &deck, double y)
{
    if (deck.method == DistributionMethod::LeverRule)
        return leverShare(deck, y);
    const RigidForm form = rigidForm(deck);
    return form.scaled(y) / form.factor();
}

DistributionLine distributionLine(const Deck &deck)
{
    std::vector<double> stations{0.0};
    stations.insert(stations.end(), deck.girders.begin(), deck.girders.end());
    stations.push_back(deck.width);
    stations.erase(std::unique(stations.begin(), stations.end()), stations.end());

    // Values proportional to the shares, with the factor that turns them into shares.
    std::vector<double> values;
    double factor = 1.0;
    if (deck.method == DistributionMethod::LeverRule) {
        for (const double y : stations)
            values.push_back(leverShare(deck, y));
    } else {
        const RigidForm form = rigidForm(deck);
        for (const double y : stations)
            values.push_back(form.scaled(y));
        factor = form.factor();
    }

    // The area as the table's check forms it, in row order.
    double area = 0.0;
    for (size_t r = 0; r + 1 < stations.size(); ++r)
        area += (stations[r + 1] - stations[r]) * ((values[r] + values[r + 1]) * 0.5);

    DistributionLine line;
    if (area == 0.0)
        return line;
    for (size_t r = 0; r < stations.size(); ++r) {
        const double ordinate = values[r] / area;
        line.points.push_back({stations[r], ordinate == 0.0 ? 0.0 : ordinate});
    }
    line.scale = factor / area;
    for (size_t r = 0; r + 1 < stations.size(); ++r) {
        const double a = values[r];
        const double b = values[r + 1];
        if ((a > 0.0 && b < 0.0) || (a < 0.0 && b > 0.0)) {
            line.zeroCrossing = stations[r] + (stations[r + 1] - stations[r]) * (a / (a - b));
            break;
        }
    }
    return line;
}

} // namespace tragvel::influence
