// The zoomed view of the emitting plate and its animation.

#include "zoomview.h"

#include "core/controls.h"
#include "core/experiment.h"
#include "core/texts.h"
#include "core/viewmode.h"
#include "render/pictures.h"
#include "zoom.h"

#include <array>
#include <cmath>

void ZoomedView::ZoombtClick()
{
    Controls& controls = controls_;
    if (!isZoomed(controls)) {
        controls.Zoombt.setCaption(texts::zoomOut());
        controls.intlb.hide();
        controls.intensitysb.hide();
        controls.Zoombt.setTag(1);
        controls.photons.setEnabled(false);
        controls.slowrb.setEnabled(true);
        controls.zoomtimer.setEnabled(true);
    } else {
        leaveZoomedView(controls);
        controls.photons.setEnabled(true);
        controls.zoomtimer.setEnabled(false);
    }
}

void ZoomedView::zoomtubebtClick()
{
    Controls& controls = controls_;
    Canvas& canvas = pictures_.tube;
    const int width = controls.tube.width();
    const int height = controls.tube.height();
    canvas.Pen.Width = 1;
    canvas.Pen.Color = colours::white;
    state_.colourindex = colourIndexAt(controls.coloursb.value());
    state_.colourcanvas = &canvas;
    canvas.Brush.Color = colours::white;
    canvas.Rectangle(0, 0, width, height);
    state_.meterreading = 0; // the close-up has no meter
    controls.colourbt.invoke();
    const std::array<QPoint, 3> beam = {QPoint(width, 0), QPoint(state_.emitterx + 1, 0),
                                        QPoint(state_.emitterx + 1, height)};
    canvas.Polygon(beam);
    canvas.Pen.Color = colours::black;
    canvas.Pen.Width = 4;
    canvas.MoveTo(state_.emitterx, 0);
    canvas.LineTo(state_.emitterx, height);
}

void ZoomedView::zoomtimerTimer()
{
    Controls& controls = controls_;
    const Experiment& state = state_;
    // Stretches the lanes, which span the plate, over the whole picture.
    const double stretch = controls.tube.height() / (state.plateheight * state.scale);
    zoomtubebtClick();
    state_.currentflowing = 0;
    Canvas& canvas = pictures_.tube;
    canvas.Pen.Color = colours::black;
    canvas.Pen.Width = 1;
    controls.photons.setTag(controls.photons.tag() + 1);
    const int tick = controls.photons.tag();
    const double kineticEnergy = ::kineticEnergy(state, controls.metalused.itemIndex());
    if (kineticEnergy < 0)
        controls.photons.setTag(0);

    const int retarding = controls.retardsb.value();
    const bool slower = controls.slowrb.isChecked();
    const bool drawElectrons = showsPhotoelectrons(controls);
    const int size = static_cast<int>(std::trunc(3 * state.scale));
    for (int emitted = tick; emitted >= 1 && tick - emitted < 1000 && kineticEnergy > 0; --emitted) {
        canvas.Brush.Color = colours::black;
        if (emitted % 6 != 3 && slower)
            canvas.Brush.Color = colours::white;
        const ZoomedElectron electron = zoomedElectron(emitted, tick - emitted, kineticEnergy, retarding, state.scale,
                                                       state.emitterx);
        if (state.emitterx <= electron.x && electron.x <= 3 * state.collectorx && drawElectrons) {
            const int lane = state.electronoffsets[emitted % 97];
            canvas.Ellipse(electron.x, electron.dy + static_cast<int>(std::trunc(stretch * state.scale * lane)),
                           electron.x + size,
                           electron.dy + static_cast<int>(std::trunc(size + stretch * state.scale * lane)));
        }
    }
}
