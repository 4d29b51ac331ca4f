// Unknown-metals mode: hidden work functions, metal 4 typed by the user.

#include "unknownmetals.h"

#include "core/controls.h"
#include "core/experiment.h"
#include "core/texts.h"
#include "core/viewmode.h"
#include "metal4.h"

void UnknownMetals::unknownrbClick()
{
    Controls& controls = controls_;
    const bool unknown = controls.unknownrb.isChecked();
    controls.Zoombt.setVisible(!unknown);
    controls.slowrb.setVisible(!controls.Zoombt.isHidden());
    controls.ShowFrequency1.setChecked(!unknown);
    controls.ShowEnergyev1.setChecked(!unknown);
    controls.flb.setVisible(controls.ShowFrequency1.isChecked());
    controls.elb.setVisible(controls.ShowEnergyev1.isChecked());
    controls.wfeb.setVisible(unknown);
    if (unknown) {
        leaveZoomedView(controls);
        if (controls.zoomtimer.isEnabled())
            controls.photons.setEnabled(true);
        controls.zoomtimer.setEnabled(false);
        controls.wlb.show();
        for (std::size_t metal = 0; metal < hiddenWorkFunctions.size(); ++metal)
            state_.workfunctions[metal] = hiddenWorkFunctions[metal];
        for (int metal = 0; metal < 4; ++metal)
            controls.metalused.setItem(metal, texts::unknownMetalCaption(metal));
        controls.ShowWavelength1.setEnabled(false);
        controls.flb.hide();
        controls.elb.hide();
        controls.ShowFrequency1.setEnabled(false);
        controls.ShowPhoto.setEnabled(false);
        controls.ShowEnergyev1.setEnabled(false);
        controls.ShowWavelength1.setChecked(true);
        controls.ShowFrequency1.setChecked(false);
        controls.ShowEnergyev1.setChecked(false);
        // Metal 4 comes last, so that text that is no number leaves the mode
        // switched on in full, with metal 4 as it was, before the error
        // is reported.
        wfebChange();
    } else {
        state_.workfunctions = knownWorkFunctions;
        for (int metal = 0; metal < 4; ++metal)
            controls.metalused.setItem(metal, texts::knownMetalCaption(metal, state_.workfunctions[metal]));
        for (MenuItem* item :
             {&controls.ShowWavelength1, &controls.ShowFrequency1, &controls.ShowPhoto, &controls.ShowEnergyev1})
            item->setEnabled(true);
    }
}

void UnknownMetals::wfebChange()
{
    state_.workfunctions[3] = metal4FromText(controls_.wfeb.text(), decimalSeparator_);
}

void UnknownMetals::wfebEnter()
{
    controls_.metalused.setItemIndex(3);
}
