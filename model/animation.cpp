// The light switch and the full view's animation tick.

#include "app/imagecontrol.h"
#include "app/radiogroup.h"
#include "app/razorez.h"
#include "app/tagbutton.h"
#include "app/tagtimer.h"
#include "photoelectrons.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>
#include <cmath>

void Tphotofrm::photonsTimer()
{
    tubebtClick();
    state.currentflowing = 0;
    Canvas& canvas = tube->canvas();
    canvas.Pen.Color = clBlack;
    const int n = nextTick(photons->Tag);
    photons->Tag = n;
    const double ke = state.photonenergy - state.workfunctions.at(metalused->ItemIndex());
    if (!(ke >= 0))
        photons->Tag = 0;

    const int p = retardsb->value();
    const int period = emissionPeriod(intensitysb->maximum(), intensitysb->value());
    const bool drawElectrons = ShowPhoto->isChecked() && ShowPhoto->isEnabled();
    const bool unknownMetals = unknownrb->isChecked();
    const int size = static_cast<int>(std::trunc(3 * state.scale));
    int x = state.emitterx + 10;
    for (int k = n; k >= 1 && state.emitterx <= x && x <= state.collectorx && ke > 0; --k) {
        if (k % period != 1)
            continue;
        x = electronX(p, ke, photons->Tag - k, state.scale, state.emitterx);
        if (unknownMetals) {
            if (ke - std::sqrt(p / 207.0) > 0)
                state.currentflowing = 1;
        } else if (x > state.collectorx) {
            state.currentflowing = 1;
        }
        canvas.Brush.Color = clBlack;
        if (state.emitterx <= x && x <= state.collectorx && drawElectrons) {
            const int lane = state.electronoffsets[k % 97];
            canvas.Ellipse(x, static_cast<int>(std::trunc(lane * state.scale)) + state.platetop, x + size,
                           static_cast<int>(std::trunc(size + lane * state.scale)) + state.platetop);
        }
    }
}

void Tphotofrm::photonbtClick()
{
    if (photons->Enabled() || zoomtimer->Enabled()) {
        setCaptionWithoutAccessKey(photonbt, QCoreApplication::translate("Window", "Light &On"), lightKey);
        photons->setEnabled(false);
        zoomtimer->setEnabled(false);
    } else {
        photons->setEnabled(true);
        setCaptionWithoutAccessKey(photonbt, QCoreApplication::translate("Window", "Light &Off"), lightKey);
    }
    photons->Tag = 0;
    state.currentflowing = 0;
    if (photons->Enabled()) {
        Zoombt->setEnabled(true);
    } else {
        Zoombt->setEnabled(false);
        slowrb->setEnabled(false);
        intlb->show();
        intensitysb->show();
        Zoombt->setText(QCoreApplication::translate("Window", "&Zoom In"));
        Zoombt->Tag = 0;
        tubebtClick();
    }
}
