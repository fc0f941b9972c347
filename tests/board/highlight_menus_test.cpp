// The kind menus that the circles add to the menu bar.
#include "board_fixture.h"

namespace {

class HighlightMenusTest : public BoardFixture {};

TEST_F(HighlightMenusTest, KindMenusStandBeforeHelpInAFixedOrderWhateverThePaintOrder) {
    AddCircle("Trim", htCalibration, Bounds(10, 10, 40, 40));
    AddCircle("Bus", htOptions, Bounds(60, 10, 40, 40));
    AddCircle("Switch", htSettings, Bounds(110, 10, 40, 40));
    EXPECT_EQ(Captions(Menu->Items()),
              (std::vector<std::string>{"&File", "&Settings", "&Calibration", "&Options", "&Help"}));
    EXPECT_EQ(Captions(Menu->Items()->Items(1)), std::vector<std::string>{"Switch"});
    EXPECT_EQ(Menu->Items()->Items(1)->Name(), "Settings1");
    EXPECT_EQ(Menu->Items()->Items(2)->Name(), "Calibration1");
    EXPECT_EQ(Menu->Items()->Items(3)->Name(), "Options1");
    EXPECT_EQ(Entry("&Settings", "Switch")->Name(), "Switch1");
    EXPECT_EQ(Entry("&Settings", "Switch")->Owner(), &Owner);
}

TEST_F(HighlightMenusTest, ABarWithoutHelpTakesTheKindMenusAtItsEnd) {
    Menu->Items()->Remove(Help);
    AddCircle("Bus", htOptions, Bounds(60, 10, 40, 40));
    AddCircle("Switch", htSettings, Bounds(110, 10, 40, 40));
    AddCircle("Trim", htCalibration, Bounds(10, 10, 40, 40));
    EXPECT_EQ(Captions(Menu->Items()), (std::vector<std::string>{"&File", "&Settings", "&Calibration", "&Options"}));
}

TEST_F(HighlightMenusTest, NamesTakeTheSmallestFreeNumber) {
    (new TComponent(&Owner))->SetName("Options1");
    (new TComponent(&Owner))->SetName("Header11");
    AddCircle("Header 1", htOptions, Bounds(10, 10, 40, 40));
    AddCircle("Header 1", htSettings, Bounds(60, 10, 40, 40)); // same title, other kind: its own entry
    EXPECT_EQ(Menu->Items()->Items(2)->Name(), "Options2");
    EXPECT_EQ(Entry("&Options", "Header 1")->Name(), "Header12");
    EXPECT_EQ(Entry("&Settings", "Header 1")->Name(), "Header13");
}

TEST_F(HighlightMenusTest, EntriesFollowTheBoardOrderAndAGroupHasOne) {
    AddCircle("PCI/104 Connector", htOptions, Bounds(10, 10, 40, 40));
    AddCircle("Header 1", htOptions, Bounds(60, 10, 40, 40));
    AddCircle("Header 1", htOptions, Bounds(110, 10, 40, 40));
    AddCircle("", htOptions, Bounds(160, 10, 40, 40)); // no title: no entry
    EXPECT_EQ(Captions(Menu->Items()->Items(1)), (std::vector<std::string>{"PCI/104 Connector", "Header 1"}));
}

TEST_F(HighlightMenusTest, ChoosingAnEntryShowsPinsAndChecksAndAgainCloses) {
    TRadioPanel* panel = AddPanel("P1", Bounds(24, 304, 200, 20));
    TBoardHighlight* c = AddCircle("Bus", htOptions, Bounds(10, 10, 40, 40), panel);
    TMenuItem* entry = Entry("&Options", "Bus");
    entry->Click();
    ASSERT_NE(c->Popup(), nullptr);
    EXPECT_TRUE(c->Popup()->Visible());
    EXPECT_TRUE(c->Pinned());
    EXPECT_TRUE(entry->Checked());
    entry->Click();
    EXPECT_FALSE(c->Popup()->Visible());
    EXPECT_FALSE(entry->Checked());
    EXPECT_FALSE(c->Lit());
}

TEST_F(HighlightMenusTest, ChoosingTheEntryOfAnOpenUnpinnedPopupPinsItWithoutShowingItAgain) {
    TBoardHighlight* c = AddCircle("Bus", htOptions, Bounds(10, 10, 40, 40), AddPanel("P1", Bounds(24, 304, 200, 20)));
    Enter(c);
    TPopupForm* popup = c->Popup();
    int shows = 0;
    struct Counter {
        int& n;
        void Shown(TObject*) { ++n; }
    } counter{shows};
    popup->OnShow = TNotifyEvent::Of<&Counter::Shown>(&counter);
    Entry("&Options", "Bus")->Click();
    EXPECT_EQ(shows, 0);
    EXPECT_TRUE(c->Pinned());
    EXPECT_TRUE(Entry("&Options", "Bus")->Checked());
}

TEST_F(HighlightMenusTest, CircleOffTheBoardImageAddsNoMenu) {
    auto* c = new TBoardHighlight(&Owner);
    c->SetParent(Form);
    c->SetTitle("Loose");
    c->Paint();
    EXPECT_EQ(c->MainMenu(), nullptr);
    EXPECT_EQ(Captions(Menu->Items()), (std::vector<std::string>{"&File", "&Help"}));
    c->MenuEntryClick(c); // still opens its own popup
    ASSERT_NE(c->Popup(), nullptr);
    EXPECT_TRUE(c->Popup()->Visible());
    c->Popup()->NextButton->Click(); // no menu: nothing happens
    EXPECT_TRUE(c->Popup()->Visible());
}

} // namespace
