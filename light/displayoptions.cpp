// The Options menu: which photon properties show, and the photoelectrons.

#include "app/razorez.h"

#include <QAction>
#include <QLabel>

namespace {

// The label's visibility is what counts; the check mark follows it.
void toggleLabel(QLabel* label, QAction* item)
{
    label->setVisible(label->isHidden());
    item->setChecked(!label->isHidden());
}

} // namespace

void Tphotofrm::ShowWavelength1Click()
{
    toggleLabel(wlb, ShowWavelength1);
}

void Tphotofrm::ShowFrequency1Click()
{
    toggleLabel(flb, ShowFrequency1);
}

void Tphotofrm::ShowEnergyev1Click()
{
    toggleLabel(elb, ShowEnergyev1);
}

void Tphotofrm::ShowPhotoClick()
{
    ShowPhoto->setChecked(!ShowPhoto->isChecked());
}
