// Highlight circles: their kinds, names, groups and panel links.
#include "board_fixture.h"

namespace {

class TSpyHighlight : public TBoardHighlight {
public:
    using TBoardHighlight::TBoardHighlight;
    void Invalidate() override {
        ++Invalidations;
        TBoardHighlight::Invalidate();
    }
    int Invalidations = 0;
};

TEST(BoardHighlight, NewCircleIsAYellowSettingsCircle) {
    TSpyHighlight circle(nullptr);
    EXPECT_EQ(circle.BoundsRect(), Bounds(0, 0, 65, 65));
    EXPECT_EQ(circle.HighlightType(), htSettings);
    EXPECT_EQ(circle.RingColor(), clYellow);
    EXPECT_TRUE(circle.CreatePopup());
    EXPECT_FLOAT_EQ(circle.NormalStrength(), 0.5f);
    EXPECT_FLOAT_EQ(circle.BrightStrength(), 0.75f);
    EXPECT_FLOAT_EQ(circle.GlowStrength(), 1.0f);
    EXPECT_FALSE(circle.Lit());
    EXPECT_EQ(circle.Popup(), nullptr);
    EXPECT_EQ(circle.RadioPanel(), nullptr);
}

TEST(BoardHighlight, KindSetsColourAndStrengthsAndTheSameKindChangesNothing) {
    TSpyHighlight circle(nullptr);
    circle.SetHighlightType(htSettings);
    EXPECT_EQ(circle.Invalidations, 0);
    circle.SetHighlightType(htOptions);
    EXPECT_EQ(circle.Invalidations, 1);
    EXPECT_EQ(circle.RingColor(), clBlue);
    EXPECT_FLOAT_EQ(circle.NormalStrength(), 0.25f);
    EXPECT_FLOAT_EQ(circle.BrightStrength(), 0.5f);
    EXPECT_FLOAT_EQ(circle.GlowStrength(), 1.0f);
    circle.SetHighlightType(htCalibration);
    EXPECT_EQ(circle.RingColor(), clRed);
    EXPECT_FLOAT_EQ(circle.NormalStrength(), 0.5f);
    EXPECT_FLOAT_EQ(circle.BrightStrength(), 0.75f);
}

TEST(BoardHighlight, TitleGivesThePopupCaptionAndTheNameStem) {
    struct Case {
        const char* Title;
        const char* Caption;
        const char* Stem;
    } cases[] = {
        {"PCI/104 Connector", "PCI/104 Connector", "PCI104Connector"},
        {"PC/104 Connector", "PC/104 Connector", "PC104Connector"},
        {"Header 1", "Header 1", "Header1"},
        {"Dip Switches", "Dip Switches", "DipSwitches"},
        {"&Jumper J3", "Jumper J3", "JumperJ3"},    // "&" cannot start a name; the space goes too
        {"Fish && Chips", "Fish  Chips", "FishChips"}, // doubled marks go too
        {"_Already_OK1", "_Already_OK1", "_Already_OK1"},
        {"12 V supply", "12 V supply", "Vsupply"},
        {"Äpfel 2", "Äpfel 2", "pfel2"}, // only ASCII letters count
        {"", "", ""},
        {"42", "42", ""},
    };
    for (const Case& c : cases) {
        TBoardHighlight circle(nullptr);
        circle.SetTitle(c.Title);
        EXPECT_EQ(circle.PopupCaption(), c.Caption) << c.Title;
        EXPECT_EQ(circle.NameStem(), c.Stem) << c.Title;
    }
}

class HighlightGroupTest : public BoardFixture {};

TEST_F(HighlightGroupTest, GroupsAreSameTitleAndKindOnOneBoard) {
    TBoardHighlight* a = AddCircle("Jumper", htSettings, Bounds(10, 10, 40, 40));
    TBoardHighlight* b = AddCircle("Jumper", htSettings, Bounds(100, 10, 40, 40));
    TBoardHighlight* c = AddCircle("jumper", htSettings, Bounds(200, 10, 40, 40)); // case matters
    TBoardHighlight* d = AddCircle("Jumper", htOptions, Bounds(300, 10, 40, 40));
    EXPECT_EQ(a->Group(), (std::vector<TBoardHighlight*>{a, b}));
    EXPECT_EQ(c->Group(), std::vector<TBoardHighlight*>{c});
    EXPECT_EQ(d->Group(), std::vector<TBoardHighlight*>{d});
}

TEST_F(HighlightGroupTest, PanelOfAnotherGroupIsRefusedQuietly) {
    TRadioPanel* panel = AddPanel("P1", Bounds(10, 10, 100, 20));
    TBoardHighlight* a = AddCircle("Jumper", htSettings, Bounds(10, 10, 40, 40), panel);
    TBoardHighlight* b = AddCircle("Jumper", htSettings, Bounds(100, 10, 40, 40), panel);
    TBoardHighlight* other = AddCircle("Switch", htSettings, Bounds(200, 10, 40, 40));
    EXPECT_EQ(a->RadioPanel(), panel);
    EXPECT_EQ(b->RadioPanel(), panel); // the same group may share it
    other->SetRadioPanel(panel);
    EXPECT_EQ(other->RadioPanel(), nullptr);
    a->SetRadioPanel(nullptr);
    EXPECT_EQ(a->RadioPanel(), nullptr);
}

TEST_F(HighlightGroupTest, ActivationBringsTheWholeGroupToTheFrontOnceEach) {
    TBoardHighlight* a = AddCircle("Jumper", htSettings, Bounds(10, 10, 40, 40));
    TBoardHighlight* x = AddCircle("Other", htSettings, Bounds(60, 10, 40, 40));
    TBoardHighlight* b = AddCircle("Jumper", htSettings, Bounds(100, 10, 40, 40));
    TBoardHighlight* y = AddCircle("Other 2", htSettings, Bounds(160, 10, 40, 40));
    TBoardHighlight* c = AddCircle("Jumper", htSettings, Bounds(200, 10, 40, 40));
    b->SetPopupActive(true, true);
    std::vector<TControl*> order;
    for (int i = 0; i < Board->ControlCount(); ++i) order.push_back(Board->Controls(i));
    EXPECT_EQ(order, (std::vector<TControl*>{x, y, b, a, c}));
    EXPECT_TRUE(a->PopupActive() && b->PopupActive() && c->PopupActive());
    EXPECT_FALSE(x->PopupActive() || y->PopupActive());
}

TEST_F(HighlightGroupTest, LooksAreRenderedOnceFromThePictureUnderTheCircle) {
    TBoardHighlight* a = AddCircle("Jumper", htSettings, Bounds(10, 10, 65, 65));
    ASSERT_TRUE(a->Rendered());
    EXPECT_EQ(a->NormalBitmap().Width(), 65);
    EXPECT_EQ(a->NormalBitmap().Pixel(32, 32), RGB(138, 138, 118)); // grey picture, yellow tint
    EXPECT_EQ(a->GlowBitmap().Pixel(32, 4), RGB(255, 255, 255));
    EXPECT_EQ(a->BrightBitmap().Pixel(32, 4), RGB(223, 223, 32));
    a->SetHighlightType(htOptions); // repaints without new colours
    a->Paint();
    EXPECT_EQ(a->NormalBitmap().Pixel(32, 32), RGB(138, 138, 118));
}

TEST_F(HighlightGroupTest, CircleOnePixelWideRendersWithoutARing) {
    TBoardHighlight* thin = AddCircle("Thin", htSettings, Bounds(10, 10, 1, 30));
    ASSERT_TRUE(thin->Rendered());
    EXPECT_EQ(thin->NormalBitmap().Pixel(0, 15), RGB(128, 128, 128));
    TBoardHighlight* flat = AddCircle("Flat", htSettings, Bounds(10, 60, 30, 1));
    EXPECT_EQ(flat->GlowBitmap().Pixel(15, 0), RGB(128, 128, 128));
}

} // namespace
