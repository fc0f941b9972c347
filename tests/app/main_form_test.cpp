// The main window as the embedded board description builds it.
#include "app/main_form.h"

#include "platform/combo_box.h"
#include "platform/menus.h"
#include "platform/reader.h"
#include "setupctrls/board/board_highlight.h"
#include "setupctrls/board/board_image.h"
#include "setupctrls/settings/dip_switch.h"
#include "setupctrls/settings/radio_panel.h"
#include "setupctrls/support/setup_supporter.h"
#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <memory>

namespace {

class MainFormTest : public testing::Test {
protected:
    std::unique_ptr<TMainForm> Form = std::make_unique<TMainForm>(nullptr);
};

TEST_F(MainFormTest, DescriptionCreatesEveryComponentInStreamOrder) {
    std::vector<std::string> names;
    for (int i = 0; i < Form->ComponentCount(); ++i) names.push_back(Form->Components(i)->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"BoardImage1", "PCI104Highlight", "PC104Highlight", "header1highlight",
                                               "header2highlight", "dipSwitchHighlight", "PCI104Panel", "PC104Panel",
                                               "Header1Panel", "Header2Panel", "switchPanel", "DipSwitch1", "ComboBox1",
                                               "MainMenu1", "File1", "Exit2", "Help1", "Howtousethisprogram1",
                                               "TechnicalSupport1", "SetSup"}));
    EXPECT_EQ(Form->Name(), "MainForm");
}

TEST_F(MainFormTest, WindowSettingsComeFromTheDescription) {
    EXPECT_EQ(Form->Caption(), "Setup");
    EXPECT_EQ(Form->Color(), clWhite);
    EXPECT_EQ(Form->Font().Name(), "MS Sans Serif");
    EXPECT_EQ(Form->Font().Height(), -11);
    EXPECT_EQ(Form->WindowState(), wsMaximized);
    EXPECT_EQ(Form->Align(), alClient);
    EXPECT_EQ(Form->Menu(), Form->MainMenu1);
    EXPECT_EQ(Form->TextHeight(), 13);
}

TEST_F(MainFormTest, BoardImageAndCirclesAreLinkedAfterTheTreeIsRead) {
    TBoardImage* image = Form->BoardImage1;
    EXPECT_EQ(image->Parent(), Form.get());
    EXPECT_EQ(image->BoundsRect(), Bounds(134, 34, 600, 561)); // AutoSize off before the picture
    EXPECT_TRUE(image->Stretch());
    EXPECT_EQ(image->First(), Form->dipSwitchHighlight);
    EXPECT_EQ(image->Menu(), Form->MainMenu1);
    EXPECT_EQ(image->Picture().Width(), 600);
    EXPECT_EQ(image->Picture().Height(), 561);
    struct Circle {
        TBoardHighlight* Highlight;
        TRect Bounds;
        THighlightType Type;
        TRadioPanel* Panel;
        const char* Title;
    } circles[] = {
        {Form->PCI104Highlight, Bounds(128, 24, 353, 57), htOptions, Form->PCI104Panel, "PCI/104 Connector"},
        {Form->PC104Highlight, Bounds(72, 472, 473, 65), htOptions, Form->PC104Panel, "PC/104 Connector"},
        {Form->header1highlight, Bounds(504, 104, 97, 305), htOptions, Form->Header1Panel, "Header 1"},
        {Form->header2highlight, Bounds(8, 120, 81, 289), htOptions, Form->Header2Panel, "Header 2"},
        {Form->dipSwitchHighlight, Bounds(416, 96, 33, 25), htSettings, Form->switchPanel, "Dip Switches"},
    };
    for (const Circle& c : circles) {
        EXPECT_EQ(c.Highlight->Parent(), image) << c.Title;
        EXPECT_EQ(c.Highlight->BoundsRect(), c.Bounds) << c.Title;
        EXPECT_EQ(c.Highlight->HighlightType(), c.Type) << c.Title;
        EXPECT_EQ(c.Highlight->RadioPanel(), c.Panel) << c.Title;
        EXPECT_EQ(c.Highlight->Title(), c.Title);
        EXPECT_TRUE(c.Highlight->CreatePopup()) << c.Title;
    }
}

TEST_F(MainFormTest, PanelsWaitHiddenWithTheirTexts) {
    struct Panel {
        TRadioPanel* P;
        TRect Bounds;
        int TabOrder;
        const char* Text;
    } panels[] = {
        {Form->PCI104Panel, Bounds(584, 16, 233, 9), 1, "This is the PCI/104 connector for the board"},
        {Form->PC104Panel, Bounds(640, 600, 201, 9), 2,
         "This is the PC/104 pass through connector. Any signal passing through this connector is ignored by the board."},
        {Form->Header1Panel, Bounds(736, 240, 201, 9), 3,
         "This is the connector for Ports A through D on the board. For more information please see the manual."},
        {Form->Header2Panel, Bounds(0, 120, 233, 9), 4,
         "This is the connector for Ports E through H on the board. For more information please see the manual."},
        {Form->switchPanel, Bounds(24, 304, 313, 97), 5,
         "The DIP switch MUST be set to reflect the board's position relative to the processor board. For more "
         "information please see the manual."},
    };
    for (const Panel& p : panels) {
        EXPECT_EQ(p.P->Parent(), Form.get());
        EXPECT_EQ(p.P->BoundsRect(), p.Bounds) << p.Text;
        EXPECT_EQ(p.P->TabOrder(), p.TabOrder);
        EXPECT_EQ(p.P->Lines(), std::vector<std::string>{p.Text});
        EXPECT_FALSE(p.P->Visible());
        EXPECT_EQ(p.P->BevelOuter(), bvNone);
        EXPECT_EQ(p.P->MemoHeight(), 58);
    }
}

TEST_F(MainFormTest, PositionSelectorAndSupporterKeepTheirDescribedValues) {
    TDipSwitch* dip = Form->DipSwitch1;
    EXPECT_EQ(dip->Parent(), Form->switchPanel);
    EXPECT_EQ(dip->BoundsRect(), Bounds(24, 24, 41, 41));
    EXPECT_EQ(dip->Orientation(), otLeft);
    EXPECT_EQ(dip->NumSwitches(), 2);
    EXPECT_EQ(dip->BinaryValueStr(), "00");
    EXPECT_EQ(dip->Value(), 0u);
    EXPECT_TRUE(dip->OnMouseDown.Assigned());
    TComboBox* combo = Form->ComboBox1;
    EXPECT_EQ(combo->Parent(), Form->switchPanel);
    EXPECT_EQ(combo->Items(), (std::vector<std::string>{"Position 0 (directly on processor board)", "Position 2",
                                                        "Position 1", "Position 3"}));
    EXPECT_EQ(combo->Text(), "Position 0 (directly on processor board)");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_TRUE(combo->OnChange.Assigned());
    TSetupSupporter* sup = Form->SetSup;
    EXPECT_EQ(sup->CompanyName, "Halvern");
    EXPECT_EQ(sup->CardName(), "HX-OCTSER");
    EXPECT_EQ(sup->CallHow, "between 8 am and 5 pm Pacific Time at 1-800-555-0147");
    EXPECT_EQ(sup->Channels, 0);
    EXPECT_TRUE(sup->ChangeButtons);
    EXPECT_TRUE(sup->bSeries);
    EXPECT_FALSE(sup->MultiPort);
    EXPECT_FALSE(sup->OnGetCardString.Assigned());
}

TEST_F(MainFormTest, MenuBarHoldsFileAndHelp) {
    TMenuItem* bar = Form->MainMenu1->Items();
    ASSERT_EQ(bar->Count(), 2);
    EXPECT_EQ(bar->Items(0)->Caption(), "&File");
    EXPECT_EQ(bar->Items(1)->Caption(), "&Help");
    ASSERT_EQ(Form->File1->Count(), 1);
    EXPECT_EQ(Form->Exit2->Caption(), "&Exit");
    ASSERT_EQ(Form->Help1->Count(), 2);
    EXPECT_EQ(Form->Howtousethisprogram1->Caption(), "H&ow to use this program");
    EXPECT_EQ(Form->TechnicalSupport1->Caption(), "&Technical Support");
    for (TMenuItem* item : {Form->File1, Form->Exit2, Form->Help1, Form->Howtousethisprogram1, Form->TechnicalSupport1})
        EXPECT_FALSE(item->Checked()) << item->Name();
}

TEST_F(MainFormTest, OpensMaximisedWithThePictureCentredOnTheWindow) {
    Form->SetVisible(true);
    ASSERT_TRUE(WaitUntil([&] {
        return Form->WindowState() == wsMaximized && Form->BoardImage1->Left() == (Form->Width() - 600) / 2 &&
               Form->BoardImage1->Top() == (Form->Height() - 561) / 2;
    }));
    EXPECT_EQ(Form->Width(), 1280);
    EXPECT_EQ(Form->BoardImage1->DesignLeft(), 134);
    EXPECT_EQ(Form->BoardImage1->DesignTop(), 34);
    Form->SetVisible(false);
}

struct TCloseSpy {
    int Closes = 0;
    void OnClose(TObject*, TCloseAction& action) {
        ++Closes;
        action = caNone;
    }
};

TEST_F(MainFormTest, ExitClosesTheWindow) {
    TCloseSpy spy;
    Form->OnClose = TCloseEvent::Of<&TCloseSpy::OnClose>(&spy);
    Form->Exit2->Action()->trigger();
    EXPECT_EQ(spy.Closes, 1);
}

struct TThrower {
    void Throw(TObject*) { throw Exception("Handler failed"); }
};

TEST_F(MainFormTest, ExceptionFromAHandlerIsReportedAndTheWindowStays) {
    TExceptionRecorder recorder;
    TThrower thrower;
    Form->Howtousethisprogram1->OnClick = TNotifyEvent::Of<&TThrower::Throw>(&thrower);
    Form->SetVisible(true);
    Form->Howtousethisprogram1->Action()->trigger();
    EXPECT_EQ(recorder.Messages(), std::vector<std::string>{"Handler failed"});
    EXPECT_TRUE(Form->Visible());
    Form->SetVisible(false);
}

TEST_F(MainFormTest, CreateHandlerHooksTheSupporterToTheFirstIdleMoment) {
    Form->AfterConstruction();
    EXPECT_EQ(Application->OnIdle, TIdleEvent::Of<&TSetupSupporter::AppIdle>(Form->SetSup));
    ASSERT_TRUE(WaitUntil([&] { return Form->SetSup->HelpForm() != nullptr; }));
    EXPECT_FALSE(Application->OnIdle.Assigned());
}

TEST(Description, ConstructorValuesStandWhereTheDescriptionIsSilent) {
    TForm root(nullptr);
    ReadComponent("object Root: TForm\n"
                  "  object P: TRadioPanel\n  end\n"
                  "  object D: TDipSwitch\n  end\n"
                  "  object H: TBoardHighlight\n  end\n"
                  "  object S: TSetupSupporter\n  end\n"
                  "end\n",
                  root, "TEST");
    auto* panel = dynamic_cast<TRadioPanel*>(root.FindComponent("P"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->BevelOuter(), bvNone); // not the bvRaised of an ordinary panel
    EXPECT_FALSE(panel->Visible());
    EXPECT_EQ(panel->BoundsRect(), Bounds(0, 0, 194, 100));
    EXPECT_EQ(panel->MemoHeight(), 58);
    EXPECT_EQ(panel->FinalAnchors(), TAnchors({akLeft, akTop}));
    auto* dip = dynamic_cast<TDipSwitch*>(root.FindComponent("D"));
    ASSERT_NE(dip, nullptr);
    EXPECT_EQ(dip->NumSwitches(), 3); // not the declared default of 7
    EXPECT_EQ(dip->BinaryValueStr(), "000");
    EXPECT_EQ(dip->Value(), 0u);
    EXPECT_EQ(dip->Orientation(), otUp);
    EXPECT_EQ(dip->BoundsRect(), Bounds(0, 0, 53, 43));
    auto* circle = dynamic_cast<TBoardHighlight*>(root.FindComponent("H"));
    ASSERT_NE(circle, nullptr);
    EXPECT_EQ(circle->HighlightType(), htSettings);
    EXPECT_EQ(circle->BoundsRect(), Bounds(0, 0, 65, 65));
    EXPECT_TRUE(circle->CreatePopup());
    auto* sup = dynamic_cast<TSetupSupporter*>(root.FindComponent("S"));
    ASSERT_NE(sup, nullptr);
    EXPECT_TRUE(sup->ChangeButtons); // not the declared default of False
    EXPECT_EQ(sup->Channels, 8);
    EXPECT_TRUE(sup->bSeries);
}

} // namespace
