// The undo line of the current colour.
#include "core/colour/colorhistory.h"

#include <gtest/gtest.h>

using namespace prismara;

TEST(ColorHistory, StepsBackAndForwardAndANewColourDropsWhatWasAhead)
{
    const ColorValue a = MakeColor(1, 0, 0), b = MakeColor(2, 0, 0), c = MakeColor(3, 0, 0);
    ColorHistory history(kWhite);
    EXPECT_FALSE(history.canUndo() || history.canRedo()) << "a fresh history";
    history.record(a);
    history.record(a);
    history.record(b);
    EXPECT_EQ(history.undo(), a) << "a repeated colour is one step";
    history.record(a); // the hub passes the colour it stepped to back: nothing changes
    EXPECT_EQ(history.undo(), kWhite);
    EXPECT_EQ(history.undo(), std::nullopt);
    EXPECT_EQ(history.redo(), a);
    history.record(c);
    EXPECT_EQ(history.redo(), std::nullopt) << "b went when c was recorded after a step back";
    EXPECT_EQ(history.undo(), a);

    ColorHistory live(kWhite);
    for (const ColorValue color : {a, b, c})
        live.record(color, true);
    live.record(a);
    EXPECT_EQ(live.undo(), c) << "a dragged slider is one step";
    EXPECT_EQ(live.undo(), kWhite);
    live.record(b, true);
    live.record(kWhite, true);
    EXPECT_FALSE(live.canRedo() || live.canUndo()) << "a drag back to its start leaves nothing";

    ColorHistory small(kWhite, 2);
    for (const ColorValue color : {a, b, c})
        small.record(color);
    EXPECT_EQ(small.undo(), b);
    EXPECT_EQ(small.undo(), std::nullopt) << "the oldest colours go beyond the capacity";
}
