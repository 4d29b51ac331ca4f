// The controls' rules, with no window: a programmatic change runs a handler
// only when the value really changes, invoking a button always runs its
// handler, and an error ends up in the report text the window shows.

#include "core/errors.h"
#include "render/canvas.h"
#include "support/drawingcounter.h"
#include "support/testbench.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(Controls, ProgrammaticChangesRunAHandlerOnlyWhenTheValueChanges)
{
    DrawingCounter drawing;
    TestBench lab(&drawing);
    Controls& c = lab.controls;
    drawing.reset();

    // The same position, or one that clamps to it, runs nothing.
    c.coloursb.setValue(700);
    c.retardsb.setValue(0);
    c.retardsb.setValue(-5);
    c.intensitysb.setValue(5);
    EXPECT_EQ(drawing.operations, 0);
    EXPECT_EQ(c.retardsb.pageStep(), 20) << "the voltage handler ran";

    // Beyond the range: clamped, and the handler runs once for the change.
    c.coloursb.setValue(5000);
    EXPECT_EQ(c.coloursb.value(), 1279);
    EXPECT_EQ(drawing.tubeRedraws, 1);
    drawing.reset();
    c.coloursb.setValue(99999);
    EXPECT_EQ(drawing.operations, 0);

    // A check box set to the state it has runs nothing: the mode-off path
    // would rewrite the third caption without its trailing blank.
    c.unknownrb.setChecked(false);
    EXPECT_EQ(c.metalused.items().at(2), QStringLiteral("&3 (2.10 eV) "));
    c.unknownrb.setChecked(true);
    EXPECT_FALSE(c.wfeb.isHidden());
    EXPECT_DOUBLE_EQ(lab.state.workfunctions[3], 1.06);
    lab.state.workfunctions[3] = 9.0;
    c.unknownrb.setChecked(true);
    EXPECT_DOUBLE_EQ(lab.state.workfunctions[3], 9.0) << "the unknown-metals handler ran again";
}

TEST(Controls, InvokingRunsTheHandlersOfHiddenAndDisabledButtons)
{
    DrawingCounter drawing;
    TestBench lab(&drawing);
    Controls& c = lab.controls;
    drawing.reset();

    ASSERT_TRUE(c.tubebt.isHidden());
    c.tubebt.invoke();
    EXPECT_EQ(drawing.tubeRedraws, 1);

    ASSERT_FALSE(c.Zoombt.isEnabled());
    c.Zoombt.invoke();
    EXPECT_EQ(c.Zoombt.tag(), 1);
    EXPECT_TRUE(c.zoomtimer.isEnabled());
}

TEST(ErrorReport, AFullStopFollowsALastCharacterThatSortsAfterIt)
{
    EXPECT_EQ(errorReportText(QStringLiteral("Cannot open clipboard")), QStringLiteral("Cannot open clipboard."));
    EXPECT_EQ(errorReportText(QStringLiteral("value 7")), QStringLiteral("value 7."));
    EXPECT_EQ(errorReportText(QStringLiteral("a/b/")), QStringLiteral("a/b/."));
    EXPECT_EQ(errorReportText(QStringLiteral("f \u0192")), QStringLiteral("f \u0192."));
    // The full stop itself and everything that sorts before it.
    EXPECT_EQ(errorReportText(QStringLiteral("Done.")), QStringLiteral("Done."));
    EXPECT_EQ(errorReportText(QStringLiteral("ends ")), QStringLiteral("ends "));
    EXPECT_EQ(errorReportText(QStringLiteral("(x)")), QStringLiteral("(x)"));
    EXPECT_EQ(errorReportText(QStringLiteral("a-")), QStringLiteral("a-"));
    EXPECT_EQ(errorReportText(QString()), QString());
}

} // namespace
