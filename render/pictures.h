#pragma once

#include "canvas.h"
#include "core/controls.h"

// The three pictures of the experiment, each the size of its image control:
// `tube`, the one shown, and the off-screen beam `colourim` and its
// intensity mask `intentim`.
struct Pictures
{
    explicit Pictures(const Controls& controls)
        : tube(controls.tube.name(), [&controls] { return controls.tube.geometry().size(); })
        , colourim(controls.colourim.name(), [&controls] { return controls.colourim.geometry().size(); })
        , intentim(controls.intentim.name(), [&controls] { return controls.intentim.geometry().size(); })
    {
    }

    Canvas tube;
    Canvas colourim;
    Canvas intentim;
};
