// The apparatus redraw: plates, circuit, voltage source and meter, with the
// light beam laid over them while the light is on.

#include "app/imagecontrol.h"
#include "app/razorez.h"
#include "app/tagtimer.h"
#include "apparatus.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <cmath>
#include <numbers>

namespace {

int truncated(double value)
{
    return static_cast<int>(std::trunc(value));
}

} // namespace

void Tphotofrm::tubebtClick()
{
    Canvas& canvas = tube->canvas();
    const int W = tube->width();
    const int H = tube->height();
    const Experiment& s = state;
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

    const double a = dialAngle(retardsb->value(), retardsb->maximum());
    canvas.Pen.Color = clRed;
    canvas.Pen.Width = 2;
    canvas.LineTo(truncated(g.XDreal + 18 * std::sin(a)), truncated(H - 10 - 18 * std::cos(a)));
    canvas.Pen.Width = 1;
    canvas.Pen.Color = clBlack;

    canvas.TextOut(g.XR + 20, g.B + 25, QCoreApplication::translate("Apparatus", "Photocurrent"));
    canvas.Ellipse(g.XR - 15, g.B + 10, g.XR + 15, truncated(s.plateheight * s.scale + s.platetop + 40));
    canvas.MoveTo(truncated(s.emitterx / 2 + s.collectorx - 15 * std::sin(quarterPi)) + g.S,
                  truncated(s.plateheight * s.scale + s.platetop + 25 - 15 * std::cos(quarterPi)));
    canvas.LineTo(g.XR, g.YM);

    const double b = meterAngle(intensitysb->value(), s.currentflowing);
    canvas.Pen.Color = clRed;
    canvas.Pen.Width = 2;
    canvas.LineTo(truncated(s.emitterx / 2 + s.collectorx + 11 * std::sin(b)) + g.S, truncated(g.YM - 11 * std::cos(b)));
    canvas.Pen.Width = 1;

    canvas.TextOut(g.XD - 20, H - 60, voltageReading(retardsb->value()));

    state.colourindex = coloursb->value() + 128;
    state.colourcanvas = &canvas;
    if (photons->Enabled()) {
        colourbtClick();
        canvas.CopyMode = RasterOp::SRCAND;
        const TRect whole{0, 0, W, H};
        canvas.CopyRect(whole, colourim->canvas(), whole);
    }
}
