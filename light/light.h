#pragma once

class Canvas;
class Control;
class Controls;
class MenuItem;
struct Experiment;
struct Pictures;

// The light source and its controls: the colour mapper, the beam, the
// photon properties, the retarding-voltage and intensity scroll bars and the
// Options menu.
class LightSource
{
public:
    LightSource(Controls& controls, Experiment& state, Pictures& pictures)
        : controls_(controls)
        , state_(state)
        , pictures_(pictures)
    {
    }

    void colourbtClick();
    void coloursbChange();
    void retardsbChange();
    void intensitysbChange();
    void ShowWavelength1Click();
    void ShowFrequency1Click();
    void ShowEnergyev1Click();
    void ShowPhotoClick();

private:
    void paintBeamQuadrilateral(Canvas& canvas);
    void rebuildBeam();
    static void toggleLabel(Control& label, MenuItem& item);

    Controls& controls_;
    Experiment& state_;
    Pictures& pictures_;
};
