// The radio panel: its initial state, its text list and its anchors before and after hosting.
#include "setupctrls/settings/radio_panel.h"

#include <gtest/gtest.h>

namespace {

TEST(RadioPanel, StartsHiddenFlatAndEmpty) {
    TRadioPanel panel(nullptr);
    EXPECT_EQ(panel.BoundsRect(), Bounds(0, 0, 194, 100));
    EXPECT_FALSE(panel.Visible());
    EXPECT_EQ(panel.BevelOuter(), bvNone);
    EXPECT_EQ(panel.BevelInner(), bvNone);
    EXPECT_TRUE(panel.Lines().empty());
    EXPECT_EQ(panel.MemoHeight(), 58);
    EXPECT_EQ(panel.FinalAnchors(), TAnchors({akLeft, akTop}));
    EXPECT_EQ(panel.Anchors(), TAnchors({akLeft, akTop}));
    EXPECT_EQ(panel.Color(), clBtnFace);
    EXPECT_FALSE(panel.RadioEnabled());
    EXPECT_FALSE(panel.Hosted());
    EXPECT_TRUE(panel.Caption().empty());
}

TEST(RadioPanel, FinalAnchorsReachTheAnchorsOnlyOnceHosted) {
    TRadioPanel panel(nullptr);
    panel.SetFinalAnchors({akLeft, akTop, akRight});
    EXPECT_EQ(panel.Anchors(), TAnchors({akLeft, akTop}));
    panel.SetHosted(true);
    panel.SetFinalAnchors({akLeft, akRight, akBottom});
    EXPECT_EQ(panel.Anchors(), TAnchors({akLeft, akRight, akBottom}));
    EXPECT_EQ(panel.FinalAnchors(), TAnchors({akLeft, akRight, akBottom}));
    panel.SetHosted(false);
    EXPECT_TRUE(panel.Hosted()); // a hosted panel stays hosted
}

TEST(RadioPanel, AssigningLinesCopiesThem) {
    TRadioPanel panel(nullptr);
    std::vector<std::string> lines{"first", "second"};
    panel.SetLines(lines);
    lines[0] = "changed";
    EXPECT_EQ(panel.Lines(), (std::vector<std::string>{"first", "second"}));
}

} // namespace
