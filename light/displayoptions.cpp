// The Options menu: which photon properties show, and the photoelectrons.

#include "core/controls.h"
#include "light.h"

// The label's visibility is what counts; the check mark follows it.
void LightSource::toggleLabel(Control& label, MenuItem& item)
{
    label.setVisible(label.isHidden());
    item.setChecked(!label.isHidden());
}

void LightSource::ShowWavelength1Click()
{
    toggleLabel(controls_.wlb, controls_.ShowWavelength1);
}

void LightSource::ShowFrequency1Click()
{
    toggleLabel(controls_.flb, controls_.ShowFrequency1);
}

void LightSource::ShowEnergyev1Click()
{
    toggleLabel(controls_.elb, controls_.ShowEnergyev1);
}

void LightSource::ShowPhotoClick()
{
    controls_.ShowPhoto.setChecked(!controls_.ShowPhoto.isChecked());
}
