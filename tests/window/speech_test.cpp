// What a screen reader is told: the bars' readings as the window shows them,
// and one phrase for each change in the experiment.

#include "app/razorez.h"
#include "app/spokenwords.h"
#include "support/recordingprinter.h"
#include "support/testwindow.h"

#include <gtest/gtest.h>

TEST(Speech, EachChangeIsToldByOnePhraseAndTheLightSpeaksForTheCurrent)
{
    const ShownExperiment off{}, on{true, false, false}, flowing{true, false, true}, zoomed{true, true, false};
    const struct
    {
        ShownExperiment before, after;
        const char* phrase;
    } cases[] = {
        {off, on, "Light on"},           {on, flowing, "Current flowing"}, {flowing, on, "No current"},
        {flowing, off, "Light off"},     {flowing, zoomed, "Zoomed in"},   {zoomed, on, "Zoomed out"},
        {flowing, flowing, ""},          {off, flowing, "Light on"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(changeSpoken(c.before, c.after), QString::fromUtf8(c.phrase)) << c.phrase;
}

TEST(Speech, TheBarsSpeakWhatTheWindowShowsInTheUsersNumbers)
{
    EXPECT_EQ(spokenVoltage(0, QLocale::c()), "0.000 V");
    EXPECT_EQ(spokenVoltage(3000, QLocale::c()), "3.807 V");
    EXPECT_EQ(spokenVoltage(1, QLocale(QLocale::German)), "0,070 V");

    RecordingPrinter printer;
    Tphotofrm window(testSeams(printer, [](const QString&, const QString&) {}));
    window.controls.coloursb.setValue(700);
    const QLocale c = QLocale::c();
    EXPECT_EQ(spokenColour(window.controls, window.state, c), "511 nm");
    window.controls.ShowWavelength1.invoke();
    EXPECT_EQ(spokenColour(window.controls, window.state, c), QString::fromUtf8("5.86 × 10¹⁴ Hz"));
    window.controls.ShowFrequency1.invoke();
    EXPECT_EQ(spokenColour(window.controls, window.state, c), "2.43 eV");
    window.controls.ShowEnergyev1.invoke();
    EXPECT_EQ(spokenColour(window.controls, window.state, c), "green");
    EXPECT_EQ(colourName(400), "violet");
    EXPECT_EQ(colourName(660), "red");
}
