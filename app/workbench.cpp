#include "workbench.h"

#include "core/viewmode.h"

namespace {

// Only the light switch, the zoom button and unknown-metals mode change
// whether the light is on in the full view, where the meter is in the
// picture and a row can be recorded. Their handlers may end in an error:
// recording follows however they end.
template <typename Handler>
void followedByRecordable(Controls& controls, Handler handler)
{
    struct AfterHandler
    {
        Controls& controls;
        ~AfterHandler() { controls.Record1.setEnabled(isLightOn(controls) && !isZoomed(controls)); }
    };
    const AfterHandler after{controls};
    handler();
}

} // namespace

Workbench::Workbench(QChar decimalSeparator, PrinterPort& printer, CopyAndPrint::Clipboard clipboard)
    : pictures(controls)
    , unknown_(controls, state, decimalSeparator)
    , output_(controls, pictures, printer, std::move(clipboard))
{
    bindHandlers();
}

// The one place where the controls' events are bound to their handlers.
// Programmatic changes and invocations run them directly, so an error
// unwinds only through the program's own frames to whoever made the change.
void Workbench::bindHandlers()
{
    Controls& c = controls;
    c.BitBtn1.onClick = [this] { BitBtn1Click(); };
    c.colourbt.onClick = [this] { colourbtClick(); };
    c.tubebt.onClick = [this] { tubebtClick(); };
    c.zoomtubebt.onClick = [this] { zoomtubebtClick(); };
    c.photonbt.onClick = [this] { followedByRecordable(controls, [this] { photonbtClick(); }); };
    c.Zoombt.onClick = [this] { followedByRecordable(controls, [this] { ZoombtClick(); }); };
    c.unknownrb.onClick = [this] { followedByRecordable(controls, [this] { unknownrbClick(); }); };
    c.retardsb.onChange = [this] { retardsbChange(); };
    c.intensitysb.onChange = [this] { intensitysbChange(); };
    c.coloursb.onChange = [this] { coloursbChange(); };
    c.wfeb.onChange = [this] { wfebChange(); };
    c.wfeb.onEnter = [this] { wfebEnter(); };
    c.Copy1.onClick = [this] { Copy1Click(); };
    c.copy2.onClick = [this] { Copy1Click(); };
    c.Print1.onClick = [this] { Print1Click(); };
    c.Print2.onClick = [this] { Print1Click(); };
    c.Exit1.onClick = [this] { Exit1Click(); };
    c.About1.onClick = [this] { About1Click(); };
    c.ShowNotebook1.onClick = [this] { ShowNotebook1Click(); };
    c.Record1.onClick = [this] { Record1Click(); };
    c.ShowWavelength1.onClick = [this] { ShowWavelength1Click(); };
    c.ShowFrequency1.onClick = [this] { ShowFrequency1Click(); };
    c.ShowEnergyev1.onClick = [this] { ShowEnergyev1Click(); };
    c.ShowPhoto.onClick = [this] { ShowPhotoClick(); };
    c.Sound1.onClick = [this] { Sound1Click(); };
    c.photons.onTimer = [this] {
        photonsTimer();
        if (controls.Sound1.isChecked())
            heardTick(apparatus_.arrivals());
        followRecordAsIGo();
    };
    c.zoomtimer.onTimer = [this] { zoomtimerTimer(); };
}

void Workbench::Record1Click()
{
    notebook.record(readMeasurement(controls, state));
}

Workbench::Settings Workbench::settings() const
{
    return {controls.retardsb.value(), controls.intensitysb.value(), controls.coloursb.value(),
            controls.metalused.itemIndex(), controls.unknownrb.isChecked(), controls.wfeb.text()};
}

void Workbench::setRecordAsIGo(bool on)
{
    recordAsIGo_ = on;
    lastSettings_ = settings();
    ticksToRecord_ = 0;
}

// A change shows on the meter at the second tick after it: the first
// computes the new current, the second's redraw shows it.
void Workbench::followRecordAsIGo()
{
    if (!recordAsIGo_)
        return;
    if (const Settings now = settings(); !(now == lastSettings_)) {
        lastSettings_ = now;
        ticksToRecord_ = 2;
    }
    if (ticksToRecord_ > 0 && --ticksToRecord_ == 0 && controls.Record1.isEnabled())
        controls.Record1.invoke();
}
