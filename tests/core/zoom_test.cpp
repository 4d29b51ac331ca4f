// The zoomed view: electron geometry, and the zoomed animation driven
// through its handlers.

#include "render/canvas.h"
#include "support/testbench.h"
#include "zoom/zoom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <numbers>
#include <string_view>
#include <vector>

namespace {

constexpr double startScale = 2.5;
constexpr int startEmitterX = 40;
// f × scale with the start geometry: 373 / (100 × 2.5) × 2.5.
constexpr double laneScale = 373.0 / (100 * 2.5) * 2.5;

TEST(ZoomedElectron, WorkedValuesAtOneElectronVolt)
{
    struct Row
    {
        int n, t, position, lane;
        std::array<int, 4> ellipse;
    };
    const Row rows[] = {
        {13, 3, 0, 23, {115, 85, 122, 92}},
        {13, 3, 800, 23, {111, 85, 118, 92}},
        {16, 6, 0, 33, {68, 105, 75, 112}},
    };
    for (const Row& row : rows) {
        const ZoomedElectron e = zoomedElectron(row.t, row.n - row.t, 1.0, row.position, startScale, startEmitterX);
        const int top = e.dy + static_cast<int>(std::trunc(laneScale * row.lane));
        const int bottom = e.dy + static_cast<int>(std::trunc(7 + laneScale * row.lane));
        EXPECT_EQ((std::array<int, 4>{e.x, top, e.x + 7, bottom}), row.ellipse)
            << "n " << row.n << " p " << row.position;
    }
}

TEST(ZoomedElectron, SixDirectionsAndAgeZeroOnThePlate)
{
    const double degrees[6] = {-67.5, -41.0, -14.5, 0.0, 26.5, 53.0};
    for (int t = 1; t <= 24; ++t) {
        EXPECT_NEAR(zoomedDirection(t) * 180 / std::numbers::pi, degrees[t % 6], 1e-9) << "t " << t;
        const ZoomedElectron newest = zoomedElectron(t, 0, 2.0, 3000, startScale, startEmitterX);
        EXPECT_EQ(newest.x, startEmitterX);
        EXPECT_EQ(newest.dy, 0);
    }
    // Vertical travel has neither the scale nor the factor 3 and no
    // deceleration: 2 × E × sin θ × age, truncated toward zero.
    EXPECT_EQ(zoomedElectron(6, 10, 1.0, 3000, startScale, startEmitterX).dy, -18);
    EXPECT_EQ(zoomedElectron(5, 10, 1.0, 0, startScale, startEmitterX).dy, 15);
}

// Collects the ellipses drawn on the picture.
class EllipseRecorder : public CanvasObserver
{
public:
    std::vector<std::array<int, 4>> ellipses;

    void shape(const Canvas& canvas, const char* operation, std::span<const int> c) override
    {
        if (canvas.name() == QStringLiteral("tube") && std::string_view(operation) == "Ellipse")
            ellipses.push_back({c[0], c[1], c[2], c[3]});
    }
    void text(const Canvas&, int, int, const QString&) override { }
    void copy(const Canvas&, const TRect&, const Canvas&, const TRect&) override { }
};

class ZoomedView : public testing::Test
{
protected:
    void SetUp() override { lab = std::make_unique<TestBench>(&recorder); }

    void lightOnAndZoomIn()
    {
        lab->workbench.photonbtClick();
        lab->workbench.ZoombtClick();
        ASSERT_TRUE(lab->controls.zoomtimer.isEnabled());
        recorder.ellipses.clear(); // the full view's meter is one
    }

    EllipseRecorder recorder;
    std::unique_ptr<TestBench> lab;
};

TEST_F(ZoomedView, NoKineticEnergyDrawsNothingWhileTheCounterRuns)
{
    lightOnAndZoomIn();
    lab->state.photonenergy = lab->state.workfunctions[0];
    for (int i = 0; i < 3; ++i)
        lab->workbench.zoomtimerTimer();
    EXPECT_TRUE(recorder.ellipses.empty());
    EXPECT_EQ(lab->controls.photons.tag(), 3);

    lab->state.photonenergy = lab->state.workfunctions[0] - 1e-12;
    lab->workbench.zoomtimerTimer();
    EXPECT_EQ(lab->controls.photons.tag(), 0);
    EXPECT_TRUE(recorder.ellipses.empty());
}

TEST_F(ZoomedView, CounterIsSharedAndWrapsOnlyInTheFullView)
{
    lightOnAndZoomIn();
    lab->controls.photons.setTag(32000);
    lab->workbench.zoomtimerTimer();
    EXPECT_EQ(lab->controls.photons.tag(), 32001);
    EXPECT_EQ(lab->state.currentflowing, 0);
    lab->workbench.ZoombtClick();
    ASSERT_TRUE(lab->controls.photons.isEnabled());
    lab->workbench.photonsTimer();
    EXPECT_EQ(lab->controls.photons.tag(), 10000);
}

// Only the 1000 newest electrons are visited. Colour 0 on metal 1 leaves
// about 0.35 eV, slow enough that a steeply upward electron (tick 6) is still
// in range at ages 999 and 1000.
TEST_F(ZoomedView, VisitsAtMostAThousandElectrons)
{
    lab->controls.coloursb.setValue(0);
    lightOnAndZoomIn();
    const double e = lab->state.photonenergy - lab->state.workfunctions[0];
    const auto ellipseOfTick6 = [&](int n) {
        const ZoomedElectron z = zoomedElectron(6, n - 6, e, 0, startScale, startEmitterX);
        const int lane = lab->state.electronoffsets[6];
        const double f = 373.0 / (100 * startScale);
        return std::array<int, 4>{z.x, z.dy + static_cast<int>(std::trunc(f * startScale * lane)), z.x + 7,
                                  z.dy + static_cast<int>(std::trunc(7 + f * startScale * lane))};
    };
    const auto drawn = [&](const std::array<int, 4>& ellipse) {
        return std::find(recorder.ellipses.begin(), recorder.ellipses.end(), ellipse) != recorder.ellipses.end();
    };

    lab->controls.photons.setTag(1004);
    lab->workbench.zoomtimerTimer();
    const std::array<int, 4> age999 = ellipseOfTick6(1005);
    ASSERT_LE(age999[0], 3 * lab->state.collectorx);
    EXPECT_TRUE(drawn(age999));
    EXPECT_LE(recorder.ellipses.size(), 1000u);

    recorder.ellipses.clear();
    lab->workbench.zoomtimerTimer();
    const std::array<int, 4> age1000 = ellipseOfTick6(1006);
    ASSERT_LE(age1000[0], 3 * lab->state.collectorx);
    EXPECT_FALSE(drawn(age1000));
}

} // namespace
