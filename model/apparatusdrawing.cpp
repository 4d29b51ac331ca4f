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
    const int W = controls.tube.width();
    const int H = controls.tube.height();
    const Experiment& s = state_;
    const ApparatusGeometry g = apparatusGeometry(s, H);
    const double quarterPi = std::numbers::pi / 4;

    canvas.Pen.Color = clBlack;
    canvas.Brush.Color = clWhite;
    canvas.Rectangle(0, 0, W, H);

    canvas.Pen.Width = 2;
    canvas.MoveTo(s.emitterx, s.platetop);
    canvas.LineTo(s.emitterx, g.B);
    canvas.MoveTo(g.XC, s.platetop);
    canvas.LineTo(g.XC, g.B);

    canvas.Pen.Width = 1;
    canvas.MoveTo(s.emitterx, g.Y0);
    canvas.LineTo(g.XL, g.Y0);
    canvas.LineTo(g.XL, g.YW);
    canvas.LineTo(g.XR, g.YW);
    canvas.LineTo(g.XR, g.Y0);
    canvas.LineTo(g.XC, g.Y0);

    canvas.Rectangle(g.XD - 20, H - 35, g.XD + 20, H - 5);
    canvas.MoveTo(truncated(g.XDreal - 25 * std::sin(quarterPi)), truncated(H - 10 - 25 * std::cos(quarterPi)));
    canvas.LineTo(g.XD, g.YD);

    const double a = dialAngle(controls.retardsb.value(), controls.retardsb.maximum());
    canvas.Pen.Color = clRed;
    canvas.Pen.Width = 2;
    canvas.LineTo(truncated(g.XDreal + 18 * std::sin(a)), truncated(H - 10 - 18 * std::cos(a)));
    canvas.Pen.Width = 1;
    canvas.Pen.Color = clBlack;

    canvas.TextOut(g.XR + 20, g.B + 25, texts::photocurrent());
    canvas.Ellipse(g.XR - 15, g.B + 10, g.XR + 15, truncated(s.plateheight * s.scale + s.platetop + 40));
    canvas.MoveTo(truncated(s.emitterx / 2 + s.collectorx - 15 * std::sin(quarterPi)) + g.S,
                  truncated(s.plateheight * s.scale + s.platetop + 25 - 15 * std::cos(quarterPi)));
    canvas.LineTo(g.XR, g.YM);

    const double b = meterAngle(controls.intensitysb.value(), s.currentflowing);
    canvas.Pen.Color = clRed;
    canvas.Pen.Width = 2;
    canvas.LineTo(truncated(s.emitterx / 2 + s.collectorx + 11 * std::sin(b)) + g.S, truncated(g.YM - 11 * std::cos(b)));
    canvas.Pen.Width = 1;

    canvas.TextOut(g.XD - 20, H - 60, texts::voltageReading(retardingVoltage(controls.retardsb.value())));

    state_.colourindex = colourIndexAt(controls.coloursb.value());
    state_.colourcanvas = &canvas;
    if (controls.photons.isEnabled()) {
        controls.colourbt.invoke();
        canvas.CopyMode = RasterOp::SRCAND;
        const TRect whole{0, 0, W, H};
        canvas.CopyRect(whole, pictures_.colourim, whole);
    }
}
