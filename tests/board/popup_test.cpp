// Popup windows on the real board description: layout, placement, and the sequences the mouse,
// the menus and the tour drive.
#include "board_fixture.h"

#include "app/main_form.h"
#include "platform/std_controls.h"
#include "tests/test_support.h"

#include <functional>

namespace {

class PopupTest : public testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TMainForm>(nullptr);
        Form->SetVisible(true);
        Circles = {Form->PCI104Highlight, Form->PC104Highlight, Form->header1highlight, Form->header2highlight,
                   Form->dipSwitchHighlight};
        ASSERT_TRUE(WaitUntil([&] {
            for (TBoardHighlight* c : Circles)
                if (!c->Rendered()) return false;
            return true;
        }));
        Screen->SetCursorPos({1279, 1023});
    }
    void TearDown() override { Form.reset(); }

    TMenuItem* Entry(const std::string& kind, const std::string& title) {
        TMenuItem* bar = Form->MainMenu1->Items();
        for (int k = 0; k < bar->Count(); ++k)
            if (bar->Items(k)->Caption() == kind)
                for (int i = 0; i < bar->Items(k)->Count(); ++i)
                    if (bar->Items(k)->Items(i)->Caption() == title) return bar->Items(k)->Items(i);
        return nullptr;
    }
    static bool Shown(TBoardHighlight* c) { return c->Popup() && c->Popup()->Visible(); }

    std::unique_ptr<TMainForm> Form;
    std::vector<TBoardHighlight*> Circles;
};

struct Layout {
    const char* Circle;
    int ClientWidth, ClientHeight;
    TRect Memo;
    int ButtonTop, Previous, Next, Done;
    TRect Status;
    const char* Caption;
};

TEST_F(PopupTest, LayoutFollowsThePanelToThePixel) {
    const Layout layouts[] = {
        {"PCI104Highlight", 233, 118, Bounds(6, 10, 221, 58), 74, 6, 87, 169, Bounds(0, 99, 233, 19),
         "PCI/104 Connector"},
        {"dipSwitchHighlight", 313, 206, Bounds(6, 98, 301, 58), 162, 6, 127, 249, Bounds(0, 187, 313, 19),
         "Dip Switches"},
    };
    for (const Layout& l : layouts) {
        auto* circle = static_cast<TBoardHighlight*>(Form->FindComponent(l.Circle));
        Enter(circle);
        TPopupForm* popup = circle->Popup();
        ASSERT_NE(popup, nullptr) << l.Circle;
        EXPECT_EQ(popup->Caption(), l.Caption);
        EXPECT_EQ(popup->ClientWidth(), l.ClientWidth) << l.Circle;
        EXPECT_EQ(popup->ClientHeight(), l.ClientHeight) << l.Circle;
        EXPECT_EQ(popup->StatusMemo->BoundsRect(), l.Memo) << l.Circle;
        EXPECT_EQ(popup->PreviousButton->BoundsRect(), Bounds(l.Previous, l.ButtonTop, 58, 25)) << l.Circle;
        EXPECT_EQ(popup->NextButton->BoundsRect(), Bounds(l.Next, l.ButtonTop, 58, 25)) << l.Circle;
        EXPECT_EQ(popup->DoneButton->BoundsRect(), Bounds(l.Done, l.ButtonTop, 58, 25)) << l.Circle;
        EXPECT_EQ(popup->PopupStatus->BoundsRect(), l.Status) << l.Circle;
        EXPECT_EQ(popup->Tag(), static_cast<int>(circle->HighlightType()));
        EXPECT_EQ(popup->BorderStyle(), bsSizeToolWin);
        EXPECT_EQ(popup->FormStyle(), fsStayOnTop);
        EXPECT_EQ(popup->Constraints().MinWidth, popup->Width());
        EXPECT_EQ(popup->Constraints().MinHeight, popup->Height());
        EXPECT_EQ(popup->StatusMemo->Lines(), circle->RadioPanel()->Lines());
        EXPECT_TRUE(popup->StatusMemo->ReadOnly());
        EXPECT_EQ(circle->RadioPanel()->Parent(), popup);
        EXPECT_EQ(circle->RadioPanel()->BoundsRect().Left, 0);
        EXPECT_TRUE(circle->RadioPanel()->Visible());
        EXPECT_TRUE(circle->RadioPanel()->Hosted());
        EXPECT_EQ(circle->RadioPanel()->StatusMemo(), popup->StatusMemo);
    }
}

TEST_F(PopupTest, AnchorsKeepTheLayoutWhenTheUserEnlargesThePopup) {
    Enter(Form->PCI104Highlight);
    TPopupForm* popup = Form->PCI104Highlight->Popup();
    popup->SetClientWidth(333);
    popup->SetClientHeight(218);
    EXPECT_EQ(popup->StatusMemo->BoundsRect(), Bounds(6, 10, 321, 158));
    EXPECT_EQ(popup->PreviousButton->BoundsRect(), Bounds(6, 174, 58, 25));
    EXPECT_EQ(popup->DoneButton->BoundsRect(), Bounds(269, 174, 58, 25));
    EXPECT_EQ(popup->NextButton->Left(), 116 * 333 / 233 - 29); // the centre keeps its fraction
    EXPECT_EQ(popup->PopupStatus->BoundsRect(), Bounds(0, 199, 333, 19));
    EXPECT_EQ(Form->PCI104Panel->BoundsRect(), Bounds(0, 0, 233, 9));
}

TEST_F(PopupTest, OpensAtThePanelsPlaceMovedWithTheBoard) {
    // Maximised on 1280 x 1024 the board image sits at (340, 231); its design place is (134, 34).
    ASSERT_EQ(Form->BoardImage1->Left(), 340);
    ASSERT_EQ(Form->BoardImage1->Top(), 231);
    Enter(Form->PCI104Highlight);
    EXPECT_EQ(Form->PCI104Highlight->Popup()->Left(), 584 + 340 - 134);
    EXPECT_EQ(Form->PCI104Highlight->Popup()->Top(), 16 + 231 - 34);
    Enter(Form->dipSwitchHighlight);
    EXPECT_EQ(Form->dipSwitchHighlight->Popup()->Left(), 24 + 340 - 134);
    EXPECT_EQ(Form->dipSwitchHighlight->Popup()->Top(), 304 + 231 - 34);
}

TEST_F(PopupTest, LeavingForElsewhereClosesAndUnlights) {
    TBoardHighlight* c = Form->PCI104Highlight;
    Enter(c);
    EXPECT_TRUE(Shown(c));
    EXPECT_TRUE(c->Lit());
    LeaveElsewhere(c);
    EXPECT_FALSE(Shown(c));
    EXPECT_FALSE(c->Lit());
    EXPECT_FALSE(Entry("&Options", "PCI/104 Connector")->Checked());
}

TEST_F(PopupTest, LeavingIntoThePopupKeepsItUntilTheMouseLeavesThePopup) {
    TBoardHighlight* c = Form->PC104Highlight;
    Enter(c);
    TPopupForm* popup = c->Popup();
    LeaveInto(c, popup);
    EXPECT_TRUE(Shown(c));
    EXPECT_TRUE(popup->CloseOnLeave());
    EXPECT_TRUE(c->Pinned());
    EXPECT_TRUE(Entry("&Options", "PC/104 Connector")->Checked());
    // Moving between the popup's own controls keeps it.
    Screen->SetCursorPos({popup->Left() + 20, popup->Top() + 30});
    popup->DoneButton->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(Shown(c));
    Screen->SetCursorPos({1279, 1023});
    popup->DoneButton->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(Shown(c));
    EXPECT_FALSE(popup->CloseOnLeave());
    EXPECT_FALSE(Entry("&Options", "PC/104 Connector")->Checked());
}

TEST_F(PopupTest, ClickPinsThePopupThroughALeave) {
    TBoardHighlight* c = Form->header1highlight;
    Enter(c);
    c->Click();
    LeaveElsewhere(c);
    EXPECT_TRUE(Shown(c));
    EXPECT_TRUE(c->Pinned());
    EXPECT_TRUE(c->Lit());
    EXPECT_TRUE(Entry("&Options", "Header 1")->Checked());
    EXPECT_FALSE(c->Popup()->CloseOnLeave());
}

TEST_F(PopupTest, DoneCloseBoxAndCheckedEntryAllCloseUncheckAndUnlight) {
    TBoardHighlight* c = Form->header2highlight;
    TMenuItem* entry = Entry("&Options", "Header 2");
    std::vector<std::pair<const char*, std::function<void()>>> closers = {
        {"Done", [&] { c->Popup()->DoneButton->Click(); }},
        {"close box", [&] { c->Popup()->WindowCloseRequested(); }},
        {"checked entry", [&] { entry->Click(); }},
    };
    for (auto& [name, close] : closers) {
        entry->Click(); // an unchecked entry shows and pins
        ASSERT_TRUE(Shown(c)) << name;
        ASSERT_TRUE(entry->Checked()) << name;
        close();
        EXPECT_FALSE(Shown(c)) << name;
        EXPECT_FALSE(entry->Checked()) << name;
        EXPECT_FALSE(c->Lit()) << name;
    }
    EXPECT_EQ(PopupCount(), 1);
}

TEST_F(PopupTest, ClosedPopupComesBackTheSameWindowUnpinned) {
    TBoardHighlight* c = Form->PCI104Highlight;
    Enter(c);
    c->Click();
    TPopupForm* popup = c->Popup();
    popup->DoneButton->Click();
    Enter(c);
    EXPECT_EQ(c->Popup(), popup);
    EXPECT_TRUE(popup->Visible());
    EXPECT_FALSE(c->Pinned());
    EXPECT_EQ(popup->StatusMemo->Lines(), Form->PCI104Panel->Lines());
}

TEST_F(PopupTest, NextAndPreviousWalkTheKindMenuAndWrap) {
    Entry("&Options", "PCI/104 Connector")->Click();
    std::vector<TBoardHighlight*> order = {Form->PC104Highlight, Form->header1highlight, Form->header2highlight,
                                           Form->PCI104Highlight};
    TBoardHighlight* current = Form->PCI104Highlight;
    for (TBoardHighlight* next : order) {
        current->Popup()->NextButton->Click();
        EXPECT_FALSE(Shown(current) && current != next);
        EXPECT_TRUE(Shown(next)) << next->Title();
        EXPECT_TRUE(next->Pinned());
        current = next;
    }
    current->Popup()->PreviousButton->Click(); // before the first comes the last
    EXPECT_TRUE(Shown(Form->header2highlight));
    EXPECT_FALSE(Shown(Form->PCI104Highlight));
    // The only Settings entry shows its own popup again, pinned.
    Entry("&Settings", "Dip Switches")->Click();
    Form->dipSwitchHighlight->Popup()->NextButton->Click();
    EXPECT_TRUE(Shown(Form->dipSwitchHighlight));
    EXPECT_TRUE(Form->dipSwitchHighlight->Pinned());
}

TEST_F(PopupTest, StartTourOpensAndPinsTheFirstCircleOnce) {
    EXPECT_EQ(Form->BoardImage1->Perform(WM_STARTTOUR, 0, 0), 0);
    TBoardHighlight* first = Form->dipSwitchHighlight;
    EXPECT_TRUE(Shown(first));
    EXPECT_TRUE(first->Pinned());
    EXPECT_TRUE(Entry("&Settings", "Dip Switches")->Checked());
    Form->BoardImage1->Perform(WM_STARTTOUR, 0, 0);
    EXPECT_EQ(PopupCount(), 1);
    EXPECT_TRUE(Shown(first));
    EXPECT_TRUE(first->Pinned());
}

TEST_F(PopupTest, StartTourWithoutAFirstCircleDoesNothing) {
    Form->BoardImage1->SetFirst(nullptr);
    EXPECT_EQ(Form->BoardImage1->Perform(WM_STARTTOUR, 0, 0), 0);
    EXPECT_EQ(PopupCount(), 0);
}

TEST_F(PopupTest, ActivationGivesTheGroupTheGlowLook) {
    TBoardHighlight* c = Form->PCI104Highlight;
    Enter(c);
    c->Popup()->Perform(WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_TRUE(c->PopupActive());
    c->Popup()->Perform(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_FALSE(c->PopupActive());
}

// ---------------------------------------------------------------- on a board of our own

class PopupPlacementTest : public BoardFixture {};

TEST_F(PopupPlacementTest, FollowsTheBoardImageMovedSinceLoading) {
    TRadioPanel* panel = AddPanel("P1", Bounds(24, 304, 313, 97));
    TBoardHighlight* c = AddCircle("Dip", htSettings, Bounds(416, 96, 33, 25), panel);
    Board->SetBounds(212, 70, 600, 561);
    Enter(c);
    EXPECT_EQ(c->Popup()->Left(), 102);
    EXPECT_EQ(c->Popup()->Top(), 340);
}

TEST_F(PopupPlacementTest, WithoutAPanelOpensBelowTheBoardWithAnEmptyText) {
    TBoardHighlight* c = AddCircle("Lonely", htOptions, Bounds(10, 10, 40, 40));
    Enter(c);
    TPopupForm* popup = c->Popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Width(), 194);
    EXPECT_EQ(popup->Height(), 141);
    EXPECT_EQ(popup->Left(), 134);
    EXPECT_EQ(popup->Top(), 34 + 561 + 38);
    EXPECT_TRUE(popup->StatusMemo->Lines().empty());
    EXPECT_TRUE(WaitUntil([&] { return popup->DoneButton->Focused(); }));
}

TEST_F(PopupPlacementTest, IsKeptOnTheScreen) {
    struct Case {
        TRect Panel;
        bool ClampLeft, ClampRight, ClampTop, ClampBottom;
    } cases[] = {
        {Bounds(-50, 100, 233, 9), true, false, false, false},
        {Bounds(1200, 100, 233, 9), false, true, false, false},
        {Bounds(100, -30, 233, 9), false, false, true, false},
        {Bounds(100, 1000, 233, 9), false, false, false, true},
    };
    int n = 0;
    for (const Case& k : cases) {
        std::string name = "P" + std::to_string(++n);
        TRadioPanel* panel = AddPanel(name.c_str(), k.Panel);
        TBoardHighlight* c = AddCircle(name, htOptions, Bounds(10 + 50 * n, 10, 40, 40), panel);
        Enter(c);
        TPopupForm* p = c->Popup();
        const int left = k.ClampLeft ? 0 : k.ClampRight ? Screen->Width() - p->Width() : k.Panel.Left;
        const int top = k.ClampTop ? 0 : k.ClampBottom ? Screen->Height() - p->Height() : k.Panel.Top;
        EXPECT_EQ(p->Left(), left);
        EXPECT_EQ(p->Top(), top);
        LeaveElsewhere(c);
    }
}

TEST_F(PopupPlacementTest, CircleTitledLikeAnotherWindowStillGetsItsPopup) {
    // The main window is captioned "Setup" and has Tag 0, as an Options popup titled "Setup" would.
    TBoardHighlight* c = AddCircle("Setup", htOptions, Bounds(10, 10, 40, 40));
    Enter(c);
    ASSERT_NE(c->Popup(), nullptr);
    EXPECT_TRUE(c->Popup()->Visible());
    EXPECT_EQ(c->Popup()->Caption(), "Setup");
}

TEST_F(PopupPlacementTest, GroupOfTwoLightsPinsAndSharesOnePopupAndEntry) {
    TRadioPanel* panel = AddPanel("P1", Bounds(24, 304, 200, 20));
    TBoardHighlight* a = AddCircle("Jumper", htSettings, Bounds(10, 10, 40, 40), panel);
    TBoardHighlight* b = AddCircle("Jumper", htSettings, Bounds(100, 10, 40, 40), panel);
    TMenuItem* settings = Menu->Items()->Items(1);
    ASSERT_EQ(settings->Caption(), "&Settings");
    EXPECT_EQ(Captions(settings), std::vector<std::string>{"Jumper"});
    Enter(b);
    EXPECT_TRUE(a->Lit());
    EXPECT_TRUE(b->Lit());
    EXPECT_EQ(PopupCount(), 1);
    EXPECT_EQ(a->Popup(), nullptr); // b came first and built the group's popup
    TPopupForm* popup = b->Popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->Visible());
    a->Click(); // pins the popup its group member built
    EXPECT_TRUE(b->Pinned());
    EXPECT_TRUE(Entry("&Settings", "Jumper")->Checked());
    LeaveElsewhere(b);
    EXPECT_TRUE(popup->Visible());
    popup->DoneButton->Click();
    EXPECT_FALSE(a->Lit());
    EXPECT_FALSE(b->Lit());
    EXPECT_FALSE(Entry("&Settings", "Jumper")->Checked());
    // A second enter while lit changes nothing, not even for the group.
    Enter(a);
    Enter(a);
    EXPECT_EQ(PopupCount(), 1);
}

TEST_F(PopupPlacementTest, CircleWithoutPopupsLightsAndStaysBright) {
    TBoardHighlight* c = AddCircle("Quiet", htOptions, Bounds(10, 10, 40, 40));
    c->SetCreatePopup(false);
    Enter(c);
    EXPECT_TRUE(c->Lit());
    EXPECT_EQ(c->Popup(), nullptr);
    LeaveElsewhere(c);
    EXPECT_TRUE(c->Lit());
}

} // namespace
