// Unknown-metals mode: hidden work functions, metal 4 typed by the user.

#include "app/razorez.h"
#include "app/radiogroup.h"
#include "app/tagbutton.h"
#include "app/tagtimer.h"
#include "metal4.h"
#include "model/formatting.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <exception>

QString Tphotofrm::knownCaption(int metal) const
{
    return QCoreApplication::translate("Window", "&%1 (%2 eV)")
        .arg(metal + 1)
        .arg(formatFixed(state.workfunctions[metal], 4, 2));
}

void Tphotofrm::unknownrbClick()
{
    const bool c = unknownrb->isChecked();
    Zoombt->setVisible(!c);
    slowrb->setVisible(!Zoombt->isHidden());
    ShowFrequency1->setChecked(!c);
    ShowEnergyev1->setChecked(!c);
    flb->setVisible(ShowFrequency1->isChecked());
    elb->setVisible(ShowEnergyev1->isChecked());
    wfeb->setVisible(c);
    if (c) {
        intlb->show();
        intensitysb->show();
        Zoombt->setText(QCoreApplication::translate("Window", "&Zoom In"));
        Zoombt->Tag = 0;
        slowrb->setEnabled(false);
        if (zoomtimer->Enabled())
            photons->setEnabled(true);
        zoomtimer->setEnabled(false);
        wlb->show();
        state.workfunctions[0] = 2.0;
        state.workfunctions[1] = 1.3;
        state.workfunctions[2] = 1.7;
        for (int metal = 0; metal < 4; ++metal)
            metalused->setItem(metal, QCoreApplication::translate("Window", "&%1").arg(metal + 1));
        ShowWavelength1->setEnabled(false);
        flb->hide();
        elb->hide();
        ShowFrequency1->setEnabled(false);
        ShowPhoto->setEnabled(false);
        ShowEnergyev1->setEnabled(false);
        ShowWavelength1->setChecked(true);
        ShowFrequency1->setChecked(false);
        ShowEnergyev1->setChecked(false);
        // Metal 4 comes last, so that text that is no number leaves the mode
        // switched on in full, with metal 4 as it was, before the error
        // is reported.
        state.workfunctions[3] = metal4FromText(wfeb->text(), seams().decimalSeparator);
    } else {
        state.workfunctions = knownWorkFunctions;
        for (int metal = 0; metal < 4; ++metal)
            metalused->setItem(metal, knownCaption(metal));
        for (QAction* item : {ShowWavelength1, ShowFrequency1, ShowPhoto, ShowEnergyev1})
            item->setEnabled(true);
    }
}

void Tphotofrm::wfebChange()
{
    state.workfunctions[3] = metal4FromText(wfeb->text(), seams().decimalSeparator);
}

void Tphotofrm::wfebEnter()
{
    metalused->setItemIndex(3);
}
