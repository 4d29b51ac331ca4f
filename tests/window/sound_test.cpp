// Options > Sound: the check item, what it keeps across activation, and the
// ticks that the window hands to the click player.

#include "app/clicksound.h"
#include "app/razorez.h"
#include "support/recordingprinter.h"
#include "support/testwindow.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Stands in for the sound server: what it was asked to play.
class HeardClicks : public ClickSound
{
public:
    std::vector<bool> switched;
    int ticks = 0;
    int clicks = 0;
    void setOn(bool on) override { switched.push_back(on); }
    void tick(int arrivals) override
    {
        ++ticks;
        clicks += arrivals;
    }
};

TEST(Sound, ACheckItemThatOnlyTheFullViewWithTheLightOnIsHeardThrough)
{
    RecordingPrinter printer;
    HeardClicks heard;
    std::vector<bool> remembered;
    Seams seams = testSeams(printer, [](const QString&, const QString&) {});
    seams.clicks = &heard;
    seams.rememberSound = [&remembered](bool on) { remembered.push_back(on); };
    const auto window = startedWindow(seams);
    WindowWidgets& w = window->widgets;

    // Last in the Options menu, after a separator; off at the start.
    const QList<QAction*> options = w.Options1->actions();
    ASSERT_GE(options.size(), 2);
    EXPECT_EQ(options.back(), w.Sound1);
    EXPECT_TRUE(options[options.size() - 2]->isSeparator());
    EXPECT_EQ(w.Sound1->text(), QStringLiteral("&Sound"));
    EXPECT_TRUE(w.Sound1->isCheckable());
    EXPECT_FALSE(w.Sound1->isChecked());

    // Off: the ticks are not heard, and no player was asked for anything.
    window->controls.photonbt.invoke();
    for (int n = 0; n < 220; ++n)
        window->controls.photons.tick();
    EXPECT_TRUE(heard.switched.empty());
    EXPECT_EQ(heard.ticks, 0);

    // On: kept, and a preference that activation leaves as it is.
    w.Sound1->trigger();
    EXPECT_TRUE(w.Sound1->isChecked());
    EXPECT_EQ(heard.switched, std::vector<bool>{true});
    EXPECT_EQ(remembered, std::vector<bool>{true});
    window->FormActivate();
    EXPECT_TRUE(window->controls.Sound1.isChecked());
    EXPECT_TRUE(w.Sound1->isChecked());

    // Every full-view tick is heard; the stream arrives on the 211th.
    window->controls.photonbt.invoke();
    for (int n = 0; n < 210; ++n)
        window->controls.photons.tick();
    EXPECT_EQ(heard.ticks, 210);
    EXPECT_EQ(heard.clicks, 0);
    for (int n = 0; n < 70; ++n)
        window->controls.photons.tick();
    EXPECT_EQ(heard.clicks, 10); // one every 7 ticks at intensity 5

    // The close-up and a minimised window are silent.
    window->controls.Zoombt.invoke();
    for (int n = 0; n < 50; ++n)
        window->controls.zoomtimer.tick();
    window->controls.Zoombt.invoke();
    EXPECT_EQ(heard.ticks, 280);
    window->showMinimized();
    for (int n = 0; n < 50; ++n)
        window->controls.photons.tick();
    EXPECT_EQ(heard.ticks, 280);

    w.Sound1->trigger();
    EXPECT_FALSE(window->controls.Sound1.isChecked());
    EXPECT_EQ(heard.switched, (std::vector<bool>{true, false}));
    EXPECT_EQ(remembered, (std::vector<bool>{true, false}));
}

} // namespace
