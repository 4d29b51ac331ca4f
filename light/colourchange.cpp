// The colour mapper, the beam picture and the colour scroll bar.

#include "app/imagecontrol.h"
#include "app/razorez.h"
#include "app/tagbutton.h"
#include "colour.h"

#include <QLabel>
#include <QScrollBar>
#include <array>
#include <cmath>

void Tphotofrm::colourbtClick()
{
    Canvas& canvas = *state.colourcanvas;
    canvas.Brush.Color = colourOfIndex(state.colourindex);
    canvas.Pen.Color = canvas.Brush.Color;
}

// The beam enters through a 60-pixel opening in the top edge and covers the
// emitting plate's face but 5 pixels at either end.
void Tphotofrm::paintBeamQuadrilateral(ImageControl* image)
{
    const int W = tube->width();
    const std::array<QPoint, 4> beam = {
        QPoint(W / 2, 0),
        QPoint(W / 2 + 60, 0),
        QPoint(state.emitterx + 1, static_cast<int>(std::trunc(state.plateheight * state.scale + state.platetop - 5.0))),
        QPoint(state.emitterx + 1, state.platetop + 5),
    };
    image->canvas().Polygon(beam);
}

// The beam in the light's colour, darkened by the intensity mask.
void Tphotofrm::rebuildBeam()
{
    state.colourindex = coloursb->value() + 128;
    state.colourcanvas = &colourim->canvas();
    colourbtClick();
    paintBeamQuadrilateral(colourim);
    Canvas& canvas = colourim->canvas();
    canvas.CopyMode = RasterOp::SRCAND;
    const TRect whole{0, 0, tube->width(), tube->height()};
    canvas.CopyRect(whole, intentim->canvas(), whole);
}

void Tphotofrm::coloursbChange()
{
    rebuildBeam();
    const double wavelength = wavelengthOf(coloursb->value());
    wlb->setText(wavelengthText(wavelength));
    state.photonenergy = photonEnergyOf(wavelength);
    elb->setText(energyText(state.photonenergy));
    flb->setText(frequencyText(wavelength));
    for (QLabel* label : {wlb, elb, flb})
        label->adjustSize();
    if (Zoombt->Tag != 0)
        zoomtubebtClick();
    else
        tubebtClick();
}
