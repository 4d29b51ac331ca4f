#pragma once

// Makes the window's font names resolve: "Arial" to a metric-compatible
// sans, "MS Sans Serif" and "System" to a small bitmap sans where one is
// installed.
void registerFonts();
