// A screen reader announces every control a user can reach by the caption
// or label that a sighted user reads.

#include "app/imagecontrol.h"
#include "app/picturedescription.h"
#include "app/razorez.h"
#include "support/recordingprinter.h"
#include "support/testwindow.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

QString accessibleName(QObject* object)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(object);
    return interface ? interface->text(QAccessible::Name) : QString();
}

} // namespace

TEST(Accessibility, EveryControlAUserCanReachHasAName)
{
    RecordingPrinter printer;
    Tphotofrm window(testSeams(printer, [](const QString&, const QString&) {}));

    int controls = 0;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QAbstractSlider*>(widget)
            || qobject_cast<QLineEdit*>(widget) || widget == window.widgets.tube;
        // The hidden action buttons are never shown to anyone; Qt's own parts
        // (the menu bar's overflow button) name themselves.
        const bool hiddenAction = widget == window.widgets.tubebt || widget == window.widgets.colourbt
            || widget == window.widgets.zoomtubebt;
        if (!control || hiddenAction || widget->objectName().startsWith(QStringLiteral("qt_")))
            continue;
        ++controls;
        EXPECT_FALSE(accessibleName(widget).trimmed().isEmpty()) << widget->objectName().toStdString();
    }
    EXPECT_GE(controls, 14);

    EXPECT_EQ(accessibleName(window.widgets.retardsb), QStringLiteral("Retarding Voltage"));
    EXPECT_EQ(accessibleName(window.widgets.intensitysb), QStringLiteral("Intensity"));
    EXPECT_EQ(accessibleName(window.widgets.coloursb), QStringLiteral("Photon Energy"));
    EXPECT_EQ(accessibleName(window.widgets.BitBtn1), QStringLiteral("Exit"));
    EXPECT_EQ(accessibleName(window.widgets.wfeb), QStringLiteral("Metal 4 number"));
    // Captions are read without their access-key ampersand.
    EXPECT_EQ(accessibleName(window.widgets.photonbt), QStringLiteral("Light On"));
    EXPECT_EQ(accessibleName(window.widgets.unknownrb).trimmed(), QStringLiteral("Unknown Metals"));
}

// What a screen reader is told about the picture.
TEST(PictureDescription, SaysWhatThePictureShows)
{
    PictureFacts off;
    off.metal = QStringLiteral("1 (1.50 eV)");
    off.retardingVoltage = QStringLiteral("0.000");
    EXPECT_EQ(pictureDescription(off),
              QStringLiteral("The light is off. Metal 1 (1.50 eV). Retarding voltage 0.000 V."));

    PictureFacts on = off;
    on.lightOn = true;
    on.wavelength = 511;
    on.electronsShown = true;
    on.electronsLeave = true;
    on.currentFlowing = true;
    EXPECT_EQ(pictureDescription(on),
              QStringLiteral("The light is on, wavelength 511 nm. Metal 1 (1.50 eV). Retarding voltage "
                             "0.000 V. Photoelectrons leave the emitting plate. A photocurrent flows."));

    PictureFacts zoomed = on;
    zoomed.zoomed = true;
    zoomed.slowerMarked = true;
    zoomed.wavelength.reset();
    EXPECT_EQ(pictureDescription(zoomed),
              QStringLiteral("The light is on. Zoomed in on the emitting plate. Metal 1 (1.50 eV). "
                             "Retarding voltage 0.000 V. Photoelectrons leave the emitting "
                             "plate. Slower photoelectrons are drawn hollow."));

    PictureFacts unknown = on;
    unknown.metal = QStringLiteral("4");
    unknown.electronsShown = false;
    unknown.currentFlowing = false;
    EXPECT_EQ(pictureDescription(unknown),
              QStringLiteral("The light is on, wavelength 511 nm. Metal 4. Retarding voltage 0.000 V. "
                             "No photocurrent flows."));
}
