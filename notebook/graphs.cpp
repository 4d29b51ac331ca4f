#include "graphs.h"

#include <algorithm>
#include <map>

namespace {

// A row's colour: its frequency where shown, else its wavelength; a row
// that shows neither has none and is plotted nowhere.
std::optional<Condition> conditionOf(const Measurement& row)
{
    if (!row.frequency && !row.wavelength)
        return std::nullopt;
    Condition condition{{row.metal, row.unknown, row.metal4Number}, row.frequency, std::nullopt};
    if (!row.frequency)
        condition.wavelength = row.wavelength;
    return condition;
}

// One series of current against a setting for each condition and value of
// another setting, the points sorted and each x once (the latest reading).
// A lone reading is no series: it draws no line, and a sweep of the voltage
// would otherwise fill the intensity graph's legend with one a row.
std::vector<CurrentSeries> currentSeries(const std::vector<std::pair<int, Measurement>>& rows, bool againstVoltage)
{
    std::map<std::pair<int, double>, std::map<double, double>> grouped;
    for (const auto& [condition, row] : rows) {
        const double setting = againstVoltage ? row.intensity : row.voltage;
        const double x = againstVoltage ? row.voltage : row.intensity;
        grouped[{condition, setting}][x] = row.current;
    }
    std::vector<CurrentSeries> series;
    for (const auto& [key, points] : grouped) {
        if (points.size() < 2)
            continue;
        CurrentSeries one{key.first, key.second, {}};
        for (const auto& [x, y] : points)
            one.points.push_back({x, y});
        series.push_back(std::move(one));
    }
    return series;
}

} // namespace

Graphs graphsOf(const std::vector<Measurement>& rows)
{
    Graphs graphs;
    std::vector<std::pair<int, Measurement>> placed;
    for (const Measurement& row : rows) {
        std::optional<Condition> condition = conditionOf(row);
        if (!condition)
            continue;
        // A frequency's first reading names its wavelength, as the results do.
        const auto same = [&](const Condition& known) {
            return known.metal == condition->metal && known.frequency == condition->frequency
                && (condition->frequency || known.wavelength == condition->wavelength);
        };
        auto found = std::find_if(graphs.conditions.begin(), graphs.conditions.end(), same);
        if (found == graphs.conditions.end()) {
            if (condition->frequency)
                condition->wavelength = row.wavelength;
            graphs.conditions.push_back(*condition);
            found = graphs.conditions.end() - 1;
        }
        placed.emplace_back(static_cast<int>(found - graphs.conditions.begin()), row);
    }
    for (const MetalResults& metal : analyse(rows)) {
        StoppingSeries series{metal.metal, {}, {}, metal.fit, metal.lines, {}, {}};
        for (const ColourResult& colour : metal.colours) {
            if (colour.stopping != ColourResult::Stopping::Found)
                continue;
            if (colour.frequency) {
                series.byFrequency.push_back({*colour.frequency, colour.stoppingVoltage});
                series.byFrequencyErrors.push_back(colour.errorBar().halfWidth());
            } else {
                series.byWavelength.push_back({static_cast<double>(*colour.wavelength), colour.stoppingVoltage});
                series.byWavelengthErrors.push_back(colour.errorBar().halfWidth());
            }
        }
        if (!series.byFrequency.empty() || !series.byWavelength.empty())
            graphs.stopping.push_back(std::move(series));
    }
    graphs.currentAgainstVoltage = currentSeries(placed, true);
    graphs.currentAgainstIntensity = currentSeries(placed, false);
    return graphs;
}
