// The apparatus geometry, the needles and the reading, the photoelectrons'
// positions and the animation's stream as its handlers run it.

#include "core/experiment.h"
#include "core/formatting.h"
#include "core/texts.h"
#include "model/animation.h"
#include "model/apparatus.h"
#include "model/photoelectrons.h"
#include "render/canvas.h"
#include "support/testbench.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <numbers>
#include <vector>

namespace {

Experiment sizedState(double scale, int collectorx)
{
    Experiment s;
    s.scale = scale;
    s.emitterx = 40;
    s.collectorx = collectorx;
    s.platetop = 45;
    s.plateheight = 100;
    return s;
}

TEST(Apparatus, GeometryAtBothScales)
{
    struct Case
    {
        double scale;
        int collectorx;
        int electronSize, plateBottom, plateMiddle, collectorPlateX, leftWireX, rightWireX, bottomWireY, dialX;
        double dialXExact;
        int dialPivotY, meterY;
    };
    const Case cases[] = {
        {2.5, 527, 7, 295, 170, 534, 20, 554, 353, 283, 283.5, 363, 320},
        {1.0, 235, 3, 145, 95, 238, 20, 258, 353, 137, 137.5, 363, 170},
    };
    for (const Case& c : cases) {
        const ApparatusGeometry g = apparatusGeometry(sizedState(c.scale, c.collectorx), 373);
        SCOPED_TRACE(c.scale);
        EXPECT_EQ(g.electronSize, c.electronSize);
        EXPECT_EQ(g.plateBottom, c.plateBottom);
        EXPECT_EQ(g.plateMiddle, c.plateMiddle);
        EXPECT_EQ(g.collectorPlateX, c.collectorPlateX);
        EXPECT_EQ(g.leftWireX, c.leftWireX);
        EXPECT_EQ(g.rightWireX, c.rightWireX);
        EXPECT_EQ(g.bottomWireY, c.bottomWireY);
        EXPECT_EQ(g.dialX, c.dialX);
        EXPECT_DOUBLE_EQ(g.dialXExact, c.dialXExact);
        EXPECT_EQ(g.dialPivotY, c.dialPivotY);
        EXPECT_EQ(g.meterY, c.meterY);
    }
}

TEST(Apparatus, NeedleAnglesAndTheReading)
{
    const double q = std::numbers::pi / 4;
    EXPECT_DOUBLE_EQ(dialAngle(0, 3000), -q);
    EXPECT_DOUBLE_EQ(dialAngle(1000, 3000), -q / 3);
    EXPECT_DOUBLE_EQ(dialAngle(1500, 3000), 0);
    EXPECT_DOUBLE_EQ(dialAngle(3000, 3000), q);

    // At rest the intensity does not matter; with current it leans by it.
    EXPECT_DOUBLE_EQ(meterAngle(1, 0), -q);
    EXPECT_DOUBLE_EQ(meterAngle(10, 0), -q);
    EXPECT_DOUBLE_EQ(meterAngle(1, 1), -std::numbers::pi / 5);
    EXPECT_DOUBLE_EQ(meterAngle(5, 1), 0);
    EXPECT_DOUBLE_EQ(meterAngle(10, 1), q);

    // The needle at p = 1000 ends at (278, 345).
    const double a = dialAngle(1000, 3000);
    EXPECT_EQ(static_cast<int>(std::trunc(283.5 + 18 * std::sin(a))), 278);
    EXPECT_EQ(static_cast<int>(std::trunc(373 - 10 - 18 * std::cos(a))), 345);

    struct Reading
    {
        int position;
        const char* text;
    };
    const Reading readings[] = {{0, "V = 0.000 V"}, {207, "V = 1.000 V"}, {1000, "V = 2.198 V"}, {3000, "V = 3.807 V"}};
    for (const Reading& r : readings)
        EXPECT_EQ(texts::voltageReading(retardingVoltage(r.position)), QString::fromLatin1(r.text));
    EXPECT_NEAR(retardingVoltage(3000), 3.807, 5e-4);

    // Each tick formats the same voltage again, and the picture's
    // description formats it in another width between ticks.
    EXPECT_EQ(formatFixed(retardingVoltage(1000), 0, 3), QStringLiteral("2.198"));
    EXPECT_EQ(texts::voltageReading(retardingVoltage(1000)), QStringLiteral("V = 2.198 V"));
    EXPECT_EQ(texts::voltageReading(retardingVoltage(1000)), QStringLiteral("V = 2.198 V"));
    EXPECT_EQ(formatFixed(0.0, 6, 3), QStringLiteral(" 0.000"));
    EXPECT_EQ(formatFixed(-0.0, 6, 3), QStringLiteral("-0.000"));
}

TEST(Photoelectrons, PositionPeriodAndCounter)
{
    const double ke = 1.989e-16 / (1.6e-19 * ((1408 - 700) / 4.38 + 350)) - 1.50; // start values
    struct Case
    {
        int position;
        int age;
        int x;
    };
    const Case cases[] = {
        {0, 0, 40},      {0, 7, 56},      {0, 209, 525},    {0, 210, 528}, // reaches 527 at age 210
        {100, 252, 526}, {100, 253, 528}, {178, 900, -121},                // turned back: -121.05 truncates to -121
    };
    for (const Case& c : cases)
        EXPECT_EQ(electronX(c.position, ke, c.age, 2.5, 40), c.x) << "p " << c.position << " age " << c.age;
    // Truncation toward zero, also below zero.
    EXPECT_EQ(electronX(0, -0.2, 1, 1.0, 0), 0);
    EXPECT_EQ(electronX(0, -1.5, 1, 1.0, 0), -1);

    EXPECT_EQ(emissionPeriod(10, 1), 11);
    EXPECT_EQ(emissionPeriod(10, 5), 7);
    EXPECT_EQ(emissionPeriod(10, 10), 2);

    EXPECT_EQ(nextTick(0), 1);
    EXPECT_EQ(nextTick(31999), 32000);
    EXPECT_EQ(nextTick(32000), 10000);
    EXPECT_EQ(nextTick(45000), 10000); // after zoomed ticks, which do not wrap
}

TEST(Photoelectrons, LanesAreTheSameInEveryRun)
{
    LaneGenerator generator;
    const int first[] = {5, 7, 82, 23, 29, 65, 33, 19, 38, 43};
    for (int lane : first)
        EXPECT_EQ(generator.random(90) + 5, lane);
    for (int i = 10; i < 100; ++i) {
        const int lane = generator.random(90) + 5;
        EXPECT_GE(lane, 5);
        EXPECT_LE(lane, 94);
    }
}

// Counts the electrons drawn on the picture.
class EllipseCounter : public CanvasObserver
{
public:
    int count = 0;
    void shape(const Canvas& canvas, const char* operation, std::span<const int>) override
    {
        if (canvas.name() == QStringLiteral("tube") && std::strcmp(operation, "Ellipse") == 0)
            ++count;
    }
    void text(const Canvas&, int, int, const QString&) override { }
    void copy(const Canvas&, const TRect&, const Canvas&, const TRect&) override { }
};

class Animation : public testing::Test
{
protected:
    void SetUp() override { lab = std::make_unique<TestBench>(&counter); }

    // Electrons drawn by one tick; the meter's ellipse is not one of them.
    int tick()
    {
        counter.count = 0;
        lab->workbench.photonsTimer();
        return counter.count - 1;
    }

    void lightOn() { lab->workbench.photonbtClick(); }

    EllipseCounter counter;
    std::unique_ptr<TestBench> lab;
};

TEST_F(Animation, ElectronsPerTickAtSteadyState)
{
    struct Case
    {
        int intensity;
        int fewest;
        int most;
    };
    const Case cases[] = {{5, 30, 30}, {10, 105, 105}, {1, 19, 20}};
    for (const Case& c : cases) {
        lab->controls.intensitysb.setValue(c.intensity);
        lightOn();
        for (int i = 0; i < 300; ++i)
            tick();
        int fewest = 1000;
        int most = 0;
        for (int i = 0; i < 100; ++i) {
            const int drawn = tick();
            fewest = std::min(fewest, drawn);
            most = std::max(most, drawn);
            EXPECT_EQ(lab->state.currentflowing, 1);
        }
        EXPECT_EQ(fewest, c.fewest) << "intensity " << c.intensity;
        EXPECT_EQ(most, c.most) << "intensity " << c.intensity;
        lightOn(); // off again
    }
}

TEST_F(Animation, CurrentFlowsOnlyWhileTheRetardingVoltageLetsElectronsThrough)
{
    struct Case
    {
        int position;
        int firstTick; // 0: never within 800 ticks
    };
    const Case cases[] = {{0, 211}, {100, 254}, {177, 411}, {178, 0}, {400, 0}};
    for (const Case& c : cases) {
        lab->controls.retardsb.setValue(c.position);
        lightOn();
        int first = 0;
        for (int n = 1; n <= 800 && first == 0; ++n) {
            tick();
            if (lab->state.currentflowing == 1)
                first = n;
        }
        EXPECT_EQ(first, c.firstTick) << "p " << c.position;
        lightOn();
    }
}

// What the clicks follow: an electron reaches the collector on the tick
// that first finds it past the plate, one every emission period once the
// stream has arrived, and none at or beyond the stopping voltage.
TEST_F(Animation, ElectronsReachTheCollectorOnePerEmissionPeriod)
{
    struct Case
    {
        int intensity;
        int position;
        int firstTick; // 0: none within 1100 ticks
        int period;
    };
    const Case cases[] = {{5, 0, 211, 7}, {10, 0, 211, 2}, {1, 0, 211, 11}, {5, 100, 254, 7},
                          {5, 177, 411, 7}, {5, 178, 0, 0},  {10, 400, 0, 0}};
    ApparatusAnimation animation(lab->controls, lab->state, lab->workbench.pictures);
    for (const Case& c : cases) {
        lab->controls.intensitysb.setValue(c.intensity);
        lab->controls.retardsb.setValue(c.position);
        lightOn();
        std::vector<int> arrivals;
        for (int n = 1; n <= 1100; ++n) {
            animation.photonsTimer();
            ASSERT_LE(animation.arrivals(), 1);
            if (animation.arrivals() == 1) {
                arrivals.push_back(n);
                EXPECT_EQ(lab->state.currentflowing, 1) << "tick " << n;
            }
        }
        EXPECT_EQ(arrivals.empty() ? 0 : arrivals.front(), c.firstTick) << "p " << c.position;
        for (size_t i = 1; i < arrivals.size(); ++i)
            EXPECT_EQ(arrivals[i] - arrivals[i - 1], c.period) << "p " << c.position << " i " << c.intensity;
        lightOn();
    }

    // Past the stopping voltage the stream stops at the next tick; lowered
    // again, the electrons already on their way arrive without a gap.
    lab->controls.intensitysb.setValue(10);
    lab->controls.retardsb.setValue(0);
    lightOn();
    for (int n = 1; n <= 300; ++n)
        animation.photonsTimer();
    lab->controls.retardsb.setValue(400);
    for (int n = 1; n <= 40; ++n) {
        animation.photonsTimer();
        EXPECT_EQ(animation.arrivals(), 0) << "tick " << n << " after the voltage rose";
    }
    lab->controls.retardsb.setValue(0);
    int heard = 0;
    for (int n = 1; n <= 20; ++n) {
        animation.photonsTimer();
        heard += animation.arrivals();
    }
    EXPECT_EQ(heard, 10);
}

TEST_F(Animation, KineticEnergyOfExactlyZeroEmitsNothingButKeepsCounting)
{
    // No colour gives exactly zero against a metal, so set the energy.
    lightOn();
    lab->state.photonenergy = lab->state.workfunctions[0];
    for (int n = 1; n <= 300; ++n) {
        EXPECT_EQ(tick(), 0);
        EXPECT_EQ(lab->state.currentflowing, 0);
        EXPECT_EQ(lab->controls.photons.tag(), n);
    }
    // Just below: the counter is held at 0.
    lab->state.photonenergy = std::nextafter(lab->state.workfunctions[0], 0.0);
    EXPECT_EQ(tick(), 0);
    EXPECT_EQ(lab->controls.photons.tag(), 0);
}

} // namespace

// The picture's description tells only what a sighted user sees: never a
// work function in unknown-metals mode, never electrons that are not drawn,
// never a meter that the zoomed view does not show.
