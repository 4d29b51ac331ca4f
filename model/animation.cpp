// The light switch and the full view's animation tick.

#include "animation.h"

#include "core/controls.h"
#include "core/experiment.h"
#include "core/texts.h"
#include "core/viewmode.h"
#include "photoelectrons.h"
#include "render/pictures.h"

#include <cmath>

void ApparatusAnimation::photonsTimer()
{
    Controls& controls = controls_;
    Experiment& state = state_;
    tubebtClick();
    state.currentflowing = 0;
    Canvas& canvas = pictures_.tube;
    canvas.Pen.Color = colours::black;
    const int tick = nextTick(controls.photons.tag());
    controls.photons.setTag(tick);
    const double kineticEnergy = ::kineticEnergy(state, controls.metalused.itemIndex());
    if (!(kineticEnergy >= 0))
        controls.photons.setTag(0);

    const int retarding = controls.retardsb.value();
    const int period = emissionPeriod(controls.intensitysb.maximum(), controls.intensitysb.value());
    const bool drawElectrons = showsPhotoelectrons(controls);
    const bool unknownMetals = controls.unknownrb.isChecked();
    const int size = static_cast<int>(std::trunc(3 * state.scale));
    int x = state.emitterx + 10;
    arrivals_ = 0;
    for (int emitted = tick; emitted >= 1 && state.emitterx <= x && x <= state.collectorx && kineticEnergy > 0;
         --emitted) {
        if (emitted % period != 1)
            continue;
        const int age = controls.photons.tag() - emitted;
        x = electronX(retarding, kineticEnergy, age, state.scale, state.emitterx);
        if (reachedCollectorNow(x, retarding, kineticEnergy, age, state.scale, state.emitterx, state.collectorx))
            ++arrivals_;
        if (unknownMetals) {
            if (kineticEnergy - retardingVoltage(retarding) > 0)
                state.currentflowing = 1;
        } else if (x > state.collectorx) {
            state.currentflowing = 1;
        }
        canvas.Brush.Color = colours::black;
        if (state.emitterx <= x && x <= state.collectorx && drawElectrons) {
            const int lane = state.electronoffsets[emitted % 97];
            canvas.Ellipse(x, static_cast<int>(std::trunc(lane * state.scale)) + state.platetop, x + size,
                           static_cast<int>(std::trunc(size + lane * state.scale)) + state.platetop);
        }
    }
}

void ApparatusAnimation::photonbtClick()
{
    Controls& controls = controls_;
    if (isLightOn(controls)) {
        controls.photonbt.setCaption(texts::lightOn());
        controls.photons.setEnabled(false);
        controls.zoomtimer.setEnabled(false);
    } else {
        controls.photons.setEnabled(true);
        controls.photonbt.setCaption(texts::lightOff());
    }
    controls.photons.setTag(0);
    state_.currentflowing = 0;
    if (controls.photons.isEnabled()) {
        controls.Zoombt.setEnabled(true);
    } else {
        controls.Zoombt.setEnabled(false);
        leaveZoomedView(controls);
        tubebtClick();
    }
}
