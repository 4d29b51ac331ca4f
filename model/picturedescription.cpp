#include "picturedescription.h"

#include "app/radiogroup.h"
#include "app/razorez.h"
#include "app/tagbutton.h"
#include "app/tagtimer.h"
#include "apparatus.h"
#include "formatting.h"
#include "light/colour.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>
#include <QStringList>
#include <cmath>

QString pictureDescription(const PictureFacts& facts)
{
    QStringList sentences;
    if (!facts.lightOn)
        sentences << QCoreApplication::translate("Apparatus", "The light is off.");
    else if (facts.wavelength)
        sentences << QCoreApplication::translate("Apparatus", "The light is on, wavelength %1 nm.").arg(*facts.wavelength);
    else
        sentences << QCoreApplication::translate("Apparatus", "The light is on.");
    if (facts.zoomed)
        sentences << QCoreApplication::translate("Apparatus", "Zoomed in on the emitting plate.");
    sentences << QCoreApplication::translate("Apparatus", "Metal %1.").arg(facts.metal);
    sentences << QCoreApplication::translate("Apparatus", "Retarding voltage %1 V.").arg(facts.retardingVoltage);
    if (facts.lightOn && facts.electronsShown) {
        sentences << (facts.electronsLeave
                          ? QCoreApplication::translate("Apparatus", "Photoelectrons leave the emitting plate.")
                          : QCoreApplication::translate("Apparatus", "No photoelectrons leave the emitting plate."));
        if (facts.zoomed && facts.electronsLeave && facts.slowerMarked)
            sentences << QCoreApplication::translate("Apparatus", "Slower photoelectrons are drawn hollow.");
    }
    if (facts.lightOn && !facts.zoomed)
        sentences << (facts.currentFlowing ? QCoreApplication::translate("Apparatus", "A photocurrent flows.")
                                           : QCoreApplication::translate("Apparatus", "No photocurrent flows."));
    return sentences.join(u' ');
}

QString Tphotofrm::pictureDescription() const
{
    PictureFacts facts;
    facts.lightOn = photons->Enabled() || zoomtimer->Enabled();
    if (!wlb->isHidden())
        facts.wavelength = static_cast<int>(std::trunc(wavelengthOf(coloursb->value())));
    facts.zoomed = Zoombt->Tag != 0;
    const int metal = metalused->ItemIndex();
    facts.metal = metal < 0 ? QString() : QString(metalused->Items().at(metal)).remove(u'&').trimmed();
    facts.retardingVoltage = formatFixed(retardingVoltage(retardsb->value()), 0, 3);
    facts.electronsShown = ShowPhoto->isChecked() && ShowPhoto->isEnabled();
    facts.electronsLeave = metal >= 0 && state.photonenergy - state.workfunctions.at(metal) > 0;
    facts.slowerMarked = slowrb->isChecked();
    facts.currentFlowing = state.currentflowing != 0;
    return ::pictureDescription(facts);
}
