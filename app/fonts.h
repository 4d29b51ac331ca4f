#pragma once

#include <QString>

// Makes the window's font names resolve: "Arial" to a metric-compatible
// sans, "MS Sans Serif" and "System" to a small bitmap sans where one is
// installed; and each of them to a CJK sans for the characters it lacks,
// the application's font too where the program shows Chinese.
void registerFonts(bool chineseShown = false);

// The sans that Chinese texts fall back to (Debian's fonts-noto-cjk).
extern const QString kChineseSans;
