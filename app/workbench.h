#pragma once

#include "core/controls.h"
#include "core/experiment.h"
#include "light/light.h"
#include "model/animation.h"
#include "notebook/notebook.h"
#include "output/copyprint.h"
#include "render/pictures.h"
#include "unknown/unknownmetals.h"
#include "zoom/zoomview.h"

// The experiment without a window: its controls, state and pictures, every
// subsystem, and the handlers, each bound to its control's event here and
// nowhere else. The main window adds the widgets that show it; tests drive
// it as it is.
class Workbench
{
public:
    Workbench(QChar decimalSeparator, PrinterPort& printer, CopyAndPrint::Clipboard clipboard);
    Workbench(const Workbench&) = delete;
    Workbench& operator=(const Workbench&) = delete;
    virtual ~Workbench() = default;

    Controls controls;
    Experiment state;
    Pictures pictures;
    Notebook notebook;

    // Apparatus and animation.
    void tubebtClick() { apparatus_.tubebtClick(); }
    void photonbtClick() { apparatus_.photonbtClick(); }
    void photonsTimer() { apparatus_.photonsTimer(); }

    // Light and controls.
    void colourbtClick() { light_.colourbtClick(); }
    void coloursbChange() { light_.coloursbChange(); }
    void retardsbChange() { light_.retardsbChange(); }
    void intensitysbChange() { light_.intensitysbChange(); }
    void ShowWavelength1Click() { light_.ShowWavelength1Click(); }
    void ShowFrequency1Click() { light_.ShowFrequency1Click(); }
    void ShowEnergyev1Click() { light_.ShowEnergyev1Click(); }
    void ShowPhotoClick() { light_.ShowPhotoClick(); }

    // Zoomed view.
    void ZoombtClick() { zoom_.ZoombtClick(); }
    void zoomtubebtClick() { zoom_.zoomtubebtClick(); }
    void zoomtimerTimer() { zoom_.zoomtimerTimer(); }

    // Unknown metals.
    void unknownrbClick() { unknown_.unknownrbClick(); }
    void wfebChange() { unknown_.wfebChange(); }
    void wfebEnter() { unknown_.wfebEnter(); }

    // Copy and print.
    void Copy1Click() { output_.Copy1Click(); }
    void Print1Click() { output_.Print1Click(); }

    // The notebook: a row of what the window shows now.
    virtual void Record1Click();
    // While on, each change of the user's controls with the light on in the
    // full view records a row two ticks later, once the meter shows the new
    // state.
    void setRecordAsIGo(bool on);

    // Options > Sound: a check mark and, while it is on, each full-view
    // tick heard with a click for each electron that reached the collector
    // on it. The workbench itself is silent.
    virtual void Sound1Click() { controls.Sound1.setChecked(!controls.Sound1.isChecked()); }
    virtual void heardTick(int /*arrivals*/) { }

    // The window's own: closing it, the About dialog and the notebook's window.
    virtual void Exit1Click() { }
    virtual void BitBtn1Click() { }
    virtual void About1Click() { }
    virtual void ShowNotebook1Click() { }

private:
    void bindHandlers();
    void followRecordAsIGo();

    // What the student set, as record-as-I-go compares it tick by tick.
    struct Settings
    {
        int retarding, intensity, colour, metal;
        bool unknown;
        QString metal4;
        bool operator==(const Settings&) const = default;
    };
    Settings settings() const;
    bool recordAsIGo_ = false;
    Settings lastSettings_{};
    int ticksToRecord_ = 0; // a row is due when this comes down to 0; none while it is 0 already

    ApparatusAnimation apparatus_{controls, state, pictures};
    LightSource light_{controls, state, pictures};
    ZoomedView zoom_{controls, state, pictures};
    UnknownMetals unknown_;
    CopyAndPrint output_;
};
