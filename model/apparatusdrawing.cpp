// The apparatus redraw: plates, circuit, voltage source and meter, with the
// light beam laid over them while the light is on.

#include "animation.h"
#include "apparatus.h"
#include "core/controls.h"
#include "core/experiment.h"
#include "core/texts.h"
#include "render/pictures.h"

#include <cmath>
#include <numbers>

namespace {

int truncated(double value)
{
    return static_cast<int>(std::trunc(value));
}

} // namespace

void ApparatusAnimation::tubebtClick()
{
    const Controls& controls = controls_;
    Canvas& canvas = pictures_.tube;
    const int width = controls.tube.width();
    const int height = controls.tube.height();
    const Experiment& state = state_;
    const ApparatusGeometry at = apparatusGeometry(state, height);
    const double quarterPi = std::numbers::pi / 4;

    canvas.Pen.Color = colours::black;
    canvas.Brush.Color = colours::white;
    canvas.Rectangle(0, 0, width, height);

    canvas.Pen.Width = 2;
    canvas.MoveTo(state.emitterx, state.platetop);
    canvas.LineTo(state.emitterx, at.plateBottom);
    canvas.MoveTo(at.collectorPlateX, state.platetop);
    canvas.LineTo(at.collectorPlateX, at.plateBottom);

    canvas.Pen.Width = 1;
    canvas.MoveTo(state.emitterx, at.plateMiddle);
    canvas.LineTo(at.leftWireX, at.plateMiddle);
    canvas.LineTo(at.leftWireX, at.bottomWireY);
    canvas.LineTo(at.rightWireX, at.bottomWireY);
    canvas.LineTo(at.rightWireX, at.plateMiddle);
    canvas.LineTo(at.collectorPlateX, at.plateMiddle);

    canvas.Rectangle(at.dialX - 20, height - 35, at.dialX + 20, height - 5);
    canvas.MoveTo(truncated(at.dialXExact - 25 * std::sin(quarterPi)),
                  truncated(height - 10 - 25 * std::cos(quarterPi)));
    canvas.LineTo(at.dialX, at.dialPivotY);

    const double dial = dialAngle(controls.retardsb.value(), controls.retardsb.maximum());
    canvas.Pen.Color = colours::red;
    canvas.Pen.Width = 2;
    canvas.LineTo(truncated(at.dialXExact + 18 * std::sin(dial)), truncated(height - 10 - 18 * std::cos(dial)));
    canvas.Pen.Width = 1;
    canvas.Pen.Color = colours::black;

    canvas.TextOut(at.rightWireX + 20, at.plateBottom + 25, texts::photocurrent());
    canvas.Ellipse(at.rightWireX - 15, at.plateBottom + 10, at.rightWireX + 15,
                   truncated(state.plateheight * state.scale + state.platetop + 40));
    canvas.MoveTo(truncated(state.emitterx / 2 + state.collectorx - 15 * std::sin(quarterPi)) + at.electronSize,
                  truncated(state.plateheight * state.scale + state.platetop + 25 - 15 * std::cos(quarterPi)));
    canvas.LineTo(at.rightWireX, at.meterY);

    const double meter = meterAngle(controls.intensitysb.value(), state.currentflowing);
    state_.meterreading = controls.intensitysb.value() * state.currentflowing;
    canvas.Pen.Color = colours::red;
    canvas.Pen.Width = 2;
    canvas.LineTo(truncated(state.emitterx / 2 + state.collectorx + 11 * std::sin(meter)) + at.electronSize,
                  truncated(at.meterY - 11 * std::cos(meter)));
    canvas.Pen.Width = 1;

    canvas.TextOut(at.dialX - 20, height - 60, texts::voltageReading(retardingVoltage(controls.retardsb.value())));

    state_.colourindex = colourIndexAt(controls.coloursb.value());
    state_.colourcanvas = &canvas;
    if (controls.photons.isEnabled()) {
        controls.colourbt.invoke();
        canvas.CopyMode = RasterOp::SRCAND;
        const TRect whole{0, 0, width, height};
        canvas.CopyRect(whole, pictures_.colourim, whole);
    }
}
