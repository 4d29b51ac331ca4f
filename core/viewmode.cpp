#include "viewmode.h"

#include "controls.h"
#include "texts.h"

bool isZoomed(const Controls& controls)
{
    return controls.Zoombt.tag() != 0;
}

bool isLightOn(const Controls& controls)
{
    return controls.photons.isEnabled() || controls.zoomtimer.isEnabled();
}

bool showsPhotoelectrons(const Controls& controls)
{
    return controls.ShowPhoto.isChecked() && controls.ShowPhoto.isEnabled();
}

void leaveZoomedView(Controls& controls)
{
    controls.Zoombt.setCaption(texts::zoomIn());
    controls.intlb.show();
    controls.intensitysb.show();
    controls.Zoombt.setTag(0);
    controls.slowrb.setEnabled(false);
}

void resetControls(Controls& controls)
{
    controls.retardsb.setValue(0);
    controls.intensitysb.setValue(5);
    controls.coloursb.setValue(700);
    controls.unknownrb.setChecked(false);
    controls.slowrb.setChecked(false);
    if (controls.zoomtimer.isEnabled())
        controls.Zoombt.invoke();
    if (controls.photons.isEnabled())
        controls.photonbt.invoke();
}
