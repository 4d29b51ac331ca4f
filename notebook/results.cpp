#include "results.h"

#include <algorithm>
#include <map>
#include <tuple>

bool MetalKey::operator<(const MetalKey& other) const
{
    return std::make_tuple(unknown, metal, metal4Number) < std::make_tuple(other.unknown, other.metal, other.metal4Number);
}

namespace {

// A colour within a metal: frequency groups come first, in rising frequency;
// then the colours known by wavelength alone, in rising frequency too.
struct ColourKey
{
    bool byWavelength;
    double order;

    bool operator<(const ColourKey& other) const
    {
        return std::tie(byWavelength, order) < std::tie(other.byWavelength, other.order);
    }
};

void bracket(ColourResult& colour)
{
    if (!colour.highestWithCurrent)
        colour.stopping = ColourResult::Stopping::NoCurrent;
    else if (!colour.lowestWithout)
        colour.stopping = ColourResult::Stopping::NoneWithout;
    else if (*colour.highestWithCurrent >= *colour.lowestWithout)
        colour.stopping = ColourResult::Stopping::Contradicting;
    else {
        colour.stopping = ColourResult::Stopping::Found;
        colour.stoppingVoltage = (*colour.highestWithCurrent + *colour.lowestWithout) / 2;
    }
}

} // namespace

std::vector<MetalResults> analyse(const std::vector<Measurement>& rows)
{
    std::map<MetalKey, std::map<ColourKey, ColourResult>> grouped;
    for (const Measurement& row : rows) {
        if (!row.frequency && !row.wavelength)
            continue;
        const MetalKey metal{row.metal, row.unknown, row.metal4Number};
        const ColourKey key = row.frequency ? ColourKey{false, *row.frequency} : ColourKey{true, -*row.wavelength * 1.0};
        ColourResult& colour = grouped[metal][key];
        if (colour.readings++ == 0) {
            colour.frequency = row.frequency;
            colour.wavelength = row.wavelength;
        }
        std::optional<double>& edge = row.current > 0 ? colour.highestWithCurrent : colour.lowestWithout;
        const bool further = row.current > 0 ? (!edge || row.voltage > *edge) : (!edge || row.voltage < *edge);
        if (further)
            edge = row.voltage;
    }
    std::vector<MetalResults> results;
    for (auto& [metal, colours] : grouped) {
        MetalResults result;
        result.metal = metal;
        for (auto& [key, colour] : colours) {
            bracket(colour);
            result.colours.push_back(colour);
        }
        if (!metal.unknown) {
            std::vector<ErrorBar> bars;
            for (std::size_t i = 0; i < result.colours.size(); ++i)
                if (result.colours[i].frequency && result.colours[i].stopping == ColourResult::Stopping::Found) {
                    bars.push_back(result.colours[i].errorBar());
                    result.fitted.push_back(i);
                }
            result.fit = leastSquares(bars);
            result.lines = linesThroughBars(bars);
        }
        results.push_back(std::move(result));
    }
    return results;
}

const MetalResults* knownMetal(const std::vector<MetalResults>& results, int metal)
{
    for (const MetalResults& result : results)
        if (!result.metal.unknown && result.metal.metal == metal)
            return &result;
    return nullptr;
}

std::optional<LineFit> fitOfKnownMetal(const std::vector<MetalResults>& results, int metal)
{
    const MetalResults* found = knownMetal(results, metal);
    return found ? found->fit : std::nullopt;
}

double percentFrom(double value, double accepted)
{
    return (value - accepted) / accepted * 100;
}
