// The retarding-voltage and intensity scroll bars.

#include "controls.h"

#include "app/imagecontrol.h"
#include "app/razorez.h"
#include "app/tagbutton.h"
#include "colour.h"

#include <QScrollBar>

RetardSteps retardStepsAt(int position)
{
    const int small = position < 500 ? 1 : position < 1000 ? 2 : position < 2000 ? 3 : 5;
    return {small, 4 * small};
}

void Tphotofrm::retardsbChange()
{
    if (Zoombt->Tag == 0)
        tubebtClick();
    const RetardSteps steps = retardStepsAt(retardsb->value());
    retardsb->setSingleStep(steps.small);
    retardsb->setPageStep(steps.large);
}

void Tphotofrm::intensitysbChange()
{
    intentim->canvas().Brush.Color = maskGrey(intensitysb->value());
    paintBeamQuadrilateral(intentim);
    rebuildBeam();
}
