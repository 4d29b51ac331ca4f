#pragma once

class Controls;

// The picture shows the zoomed view while `Zoombt` carries a tag.
bool isZoomed(const Controls& controls);

// The light is on while either animation runs.
bool isLightOn(const Controls& controls);

// Photoelectrons are drawn while "Show Photoelectrons" is checked and in use.
bool showsPhotoelectrons(const Controls& controls);

// The controls as the full view has them: "&Zoom In" on the zoom button,
// the intensity shown again, "Slower Photoelectrons" out of use. The timers
// are left to the caller.
void leaveZoomedView(Controls& controls);

// The controls back at their start positions and both animations stopped,
// as activating the window leaves them.
void resetControls(Controls& controls);
