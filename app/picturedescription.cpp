#include "picturedescription.h"

#include "core/formatting.h"
#include "core/viewmode.h"
#include "light/spectrum.h"
#include "razorez.h"

#include <QStringList>
#include <cmath>

QString pictureDescription(const PictureFacts& facts)
{
    QStringList sentences;
    if (!facts.lightOn)
        sentences << QStringLiteral("The light is off.");
    else if (facts.wavelength)
        sentences << QStringLiteral("The light is on, wavelength %1 nm.").arg(*facts.wavelength);
    else
        sentences << QStringLiteral("The light is on.");
    if (facts.zoomed)
        sentences << QStringLiteral("Zoomed in on the emitting plate.");
    sentences << QStringLiteral("Metal %1.").arg(facts.metal);
    sentences << QStringLiteral("Retarding voltage %1 V.").arg(facts.retardingVoltage);
    if (facts.lightOn && facts.electronsShown) {
        sentences << (facts.electronsLeave ? QStringLiteral("Photoelectrons leave the emitting plate.")
                                           : QStringLiteral("No photoelectrons leave the emitting plate."));
        if (facts.zoomed && facts.electronsLeave && facts.slowerMarked)
            sentences << QStringLiteral("Slower photoelectrons are drawn hollow.");
    }
    if (facts.lightOn && !facts.zoomed)
        sentences << (facts.currentFlowing ? QStringLiteral("A photocurrent flows.")
                                           : QStringLiteral("No photocurrent flows."));
    return sentences.join(u' ');
}

QString Tphotofrm::pictureDescription() const
{
    PictureFacts facts;
    facts.lightOn = isLightOn(controls);
    if (!controls.wlb.isHidden())
        facts.wavelength = static_cast<int>(std::trunc(wavelengthOf(controls.coloursb.value())));
    facts.zoomed = isZoomed(controls);
    const int metal = controls.metalused.itemIndex();
    facts.metal = metal < 0 ? QString() : QString(controls.metalused.items().at(metal)).remove(u'&').trimmed();
    facts.retardingVoltage = formatFixed(retardingVoltage(controls.retardsb.value()), 0, 3);
    facts.electronsShown = showsPhotoelectrons(controls);
    facts.electronsLeave = metal >= 0 && kineticEnergy(state, metal) > 0;
    facts.slowerMarked = controls.slowrb.isChecked();
    facts.currentFlowing = state.currentflowing != 0;
    return ::pictureDescription(facts);
}
