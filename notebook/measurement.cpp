#include "measurement.h"

#include "core/controls.h"
#include "core/experiment.h"
#include "core/formatting.h"

#include <QRegularExpression>

std::optional<double> numberIn(const QString& caption)
{
    static const QRegularExpression number(QStringLiteral("[0-9]+(?:[.,][0-9]+)?"));
    const QRegularExpressionMatch match = number.match(caption);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured().replace(u',', u'.').toDouble();
}

namespace {

std::optional<double> shownNumber(const Control& label)
{
    return label.isVisible() ? numberIn(label.caption()) : std::nullopt;
}

} // namespace

Measurement readMeasurement(const Controls& controls, const Experiment& state)
{
    Measurement row;
    row.metal = controls.metalused.itemIndex() + 1;
    row.unknown = controls.unknownrb.isChecked();
    if (row.unknown && row.metal == 4)
        row.metal4Number = controls.wfeb.text();
    if (const std::optional<double> wavelength = shownNumber(controls.wlb))
        row.wavelength = static_cast<int>(*wavelength);
    row.frequency = shownNumber(controls.flb);
    row.energy = shownNumber(controls.elb);
    row.intensity = controls.intensitysb.value();
    // The dial's reading, as the apparatus writes it.
    row.voltage = *numberIn(formatFixed(retardingVoltage(controls.retardsb.value()), 6, 3));
    row.current = state.meterreading;
    return row;
}
