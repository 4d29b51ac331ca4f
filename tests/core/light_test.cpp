// The light's plain functions: colour of an index, wavelength and its
// texts, the mask grey and the retarding-voltage bar's steps.

#include "core/texts.h"
#include "light/retardsteps.h"
#include "light/spectrum.h"

#include <gtest/gtest.h>

namespace {

TEST(Colour, SixRampsFromBlackThroughRedGreenAndBlueToBlack)
{
    struct Case
    {
        int index;
        Colour colour; // 0x00BBGGRR
    };
    const Case cases[] = {
        {0, 0x000000},    {128, 0x000080},  {255, 0x0000FF},                    // black to red
        {256, 0x0000FF},  {384, 0x0080FF},  {511, 0x00FFFF},                    // red to yellow
        {512, 0x00FFFF},  {628, 0x00FF8B},  {767, 0x00FF00},                    // yellow to green
        {768, 0x00FF00},  {828, 0x3CFF00},  {879, 0x6FFF00},  {1023, 0xFFFF00}, // green to cyan
        {1024, 0xFFFF00}, {1279, 0xFF0000},                                     // cyan to blue
        {1280, 0xFF0000}, {1317, 0xDA0000}, {1407, 0x800000}, {1535, 0x000000}, // blue to black
    };
    for (const Case& c : cases)
        EXPECT_EQ(colourOfIndex(c.index), c.colour) << "index " << c.index;

    // Neighbouring ramps meet without a jump.
    for (int last : {255, 511, 767, 1023, 1279})
        EXPECT_EQ(colourOfIndex(last), colourOfIndex(last + 1)) << "between " << last << " and " << last + 1;
}

TEST(Colour, WavelengthAndPhotonPropertiesAlongTheBar)
{
    struct Case
    {
        int position;
        double wavelength;
        const char* wlb;
        const char* elb;
        const char* flb;
    };
    const Case cases[] = {
        {0, 671.46, "lambda = 671 nm", "Energy =  1.85 eV", "\u0192 = 4.47e14 Hz"},
        {500, 557.31, "lambda = 557 nm", "Energy =  2.23 eV", "\u0192 = 5.38e14 Hz"},
        {700, 511.64, "lambda = 511 nm", "Energy =  2.43 eV", "\u0192 = 5.86e14 Hz"},
        {751, 500.00, "lambda = 500 nm", "Energy =  2.49 eV", "\u0192 = 6.00e14 Hz"},
        {1189, 400.00, "lambda = 400 nm", "Energy =  3.11 eV", "\u0192 = 7.50e14 Hz"},
        {1279, 379.45, "lambda = 379 nm", "Energy =  3.28 eV", "\u0192 = 7.91e14 Hz"},
    };
    for (const Case& c : cases) {
        const double lambda = wavelengthOf(c.position);
        EXPECT_NEAR(lambda, c.wavelength, 0.005) << "position " << c.position;
        EXPECT_EQ(texts::wavelengthReading(lambda), QString::fromUtf8(c.wlb));
        EXPECT_EQ(texts::energyReading(photonEnergyOf(lambda)), QString::fromUtf8(c.elb));
        EXPECT_EQ(texts::frequencyReading(lambda), QString::fromUtf8(c.flb));
    }

    // Truncated, not rounded: 0 and 1 share the wavelength, not the energy.
    EXPECT_EQ(texts::wavelengthReading(wavelengthOf(1)), QStringLiteral("lambda = 671 nm"));
    EXPECT_NEAR(photonEnergyOf(wavelengthOf(0)), 1.8514, 1e-4);
    EXPECT_NEAR(photonEnergyOf(wavelengthOf(1)), 1.8520, 1e-4);
}

TEST(Colour, WholeWavelengthsAreShownExactly)
{
    const int positions[] = {94, 313, 532, 751, 970, 1189};
    int expected = 650;
    for (int position : positions) {
        EXPECT_EQ(wavelengthOf(position), static_cast<double>(expected)) << "position " << position;
        EXPECT_EQ(texts::wavelengthReading(wavelengthOf(position)), QStringLiteral("lambda = %1 nm").arg(expected));
        expected -= 50;
    }
    EXPECT_EQ(texts::energyReading(photonEnergyOf(wavelengthOf(313))), QStringLiteral("Energy =  2.07 eV"));
    EXPECT_EQ(texts::frequencyReading(wavelengthOf(313)), QStringLiteral("\u0192 = 5.00e14 Hz"));
}

TEST(Colour, FixedFieldsOfTheTexts)
{
    // The energy field is five wide: one leading blank for every reachable
    // energy, none lost for a wider number.
    EXPECT_EQ(texts::energyReading(2.4297), QStringLiteral("Energy =  2.43 eV"));
    EXPECT_EQ(texts::energyReading(10.5), QStringLiteral("Energy = 10.50 eV"));
    // The frequency field is four wide and never padded in range.
    EXPECT_EQ(texts::frequencyReading(3000 / 5.0), QStringLiteral("\u0192 = 5.00e14 Hz"));
    EXPECT_EQ(texts::frequencyReading(3000 / 5.0).at(0).unicode(), 0x0192);
}

TEST(Colour, MaskGreyFollowsTheIntensity)
{
    EXPECT_EQ(maskGrey(1), 0x666666u);
    EXPECT_EQ(maskGrey(5), 0xAAAAAAu);
    EXPECT_EQ(maskGrey(10), 0xFFFFFFu);
    // The start colour through the mask.
    EXPECT_EQ(colourOfIndex(828) & maskGrey(1), 0x246600u);
    EXPECT_EQ(colourOfIndex(828) & maskGrey(5), 0x28AA00u);
}

TEST(Controls, RetardingStepsGrowWithTheVoltage)
{
    struct Case
    {
        int position;
        int small;
    };
    const Case cases[] = {{0, 1}, {499, 1}, {500, 2}, {999, 2}, {1000, 3}, {1999, 3}, {2000, 5}, {2999, 5}, {3000, 5}};
    for (const Case& c : cases) {
        const RetardSteps steps = retardStepsAt(c.position);
        EXPECT_EQ(steps.small, c.small) << "position " << c.position;
        EXPECT_EQ(steps.large, 4 * c.small) << "position " << c.position;
    }
}

} // namespace
