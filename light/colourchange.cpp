// The colour mapper, the beam picture and the colour scroll bar.

#include "core/controls.h"
#include "core/experiment.h"
#include "core/texts.h"
#include "core/viewmode.h"
#include "light.h"
#include "render/pictures.h"
#include "spectrum.h"

#include <array>
#include <cmath>

void LightSource::colourbtClick()
{
    Canvas& canvas = *state_.colourcanvas;
    canvas.Brush.Color = colourOfIndex(state_.colourindex);
    canvas.Pen.Color = canvas.Brush.Color;
}

// The beam enters through a 60-pixel opening in the top edge and covers the
// emitting plate's face but 5 pixels at either end.
void LightSource::paintBeamQuadrilateral(Canvas& canvas)
{
    const Experiment& state = state_;
    const int width = controls_.tube.width();
    const std::array<QPoint, 4> beam = {
        QPoint(width / 2, 0),
        QPoint(width / 2 + 60, 0),
        QPoint(state.emitterx + 1,
               static_cast<int>(std::trunc(state.plateheight * state.scale + state.platetop - 5.0))),
        QPoint(state.emitterx + 1, state.platetop + 5),
    };
    canvas.Polygon(beam);
}

// The beam in the light's colour, darkened by the intensity mask.
void LightSource::rebuildBeam()
{
    Canvas& canvas = pictures_.colourim;
    state_.colourindex = colourIndexAt(controls_.coloursb.value());
    state_.colourcanvas = &canvas;
    colourbtClick();
    paintBeamQuadrilateral(canvas);
    canvas.CopyMode = RasterOp::SRCAND;
    const TRect whole{0, 0, controls_.tube.width(), controls_.tube.height()};
    canvas.CopyRect(whole, pictures_.intentim, whole);
}

void LightSource::coloursbChange()
{
    Controls& controls = controls_;
    rebuildBeam();
    const double wavelength = wavelengthOf(controls.coloursb.value());
    controls.wlb.setCaption(texts::wavelengthReading(wavelength));
    state_.photonenergy = photonEnergyOf(wavelength);
    controls.elb.setCaption(texts::energyReading(state_.photonenergy));
    controls.flb.setCaption(texts::frequencyReading(wavelength));
    if (isZoomed(controls))
        controls.zoomtubebt.invoke();
    else
        controls.tubebt.invoke();
}
