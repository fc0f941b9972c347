// The setup supporter: its texts, the help and support windows, the title line and its timer.
#include "setupctrls/support/help_forms.h"
#include "setupctrls/support/setup_supporter.h"

#include "platform/form.h"
#include "platform/rich_edit.h"
#include "platform/rtf_reader.h"
#include "platform/screen.h"
#include "platform/std_controls.h"
#include "platform/timer_window.h"
#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// ---------------------------------------------------------------- texts

const std::string CRLF = "\r\n";
const std::string Head =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Verdana;}}{\\colortbl\\red255"
    "\\green255\\blue255;\\red255\\green255\\blue64;\\red64\\green64\\blue255;\\red255\\green64\\blue64;}\\viewkind4\\uc1"
    "\\pard\\f0\\fs24\\cf0" + CRLF;
const std::string Body =
    "This program will help you configure the option jumpers and settings associated with this product. You should "
    "have the product in-hand when first using this program.\\par\\par" + CRLF +
    "{\\cf1\\fs32\\b Yellow circles} provide information on configuring jumpers and switches.\\par\\par" + CRLF +
    "{\\cf2\\fs32\\b Blue circles} are informational only. They provide information on standard and optional features "
    "of the product family.\\par\\par" + CRLF +
    "{\\cf3\\fs32\\b Red circles} handle calibration and types of configuration that require actually controlling the "
    "hardware device. Run this setup program again once the card is installed. " +
    "Repeat the {\\cf1 setup circles} (using the same settings) to configure this program, then perform the {\\cf3 "
    "calibration circles}.\\par\\par" + CRLF +
    "{\\fs32\\b General Tips:} Recommended monitor resolution for this setup program is 1280x960 or larger. On a lower "
    "resolution the screen will get crowded quickly. On a higher resolution you will probably want to resize these "
    "screens larger.\\par\\par" + CRLF +
    "Mouse over the highlight circles to see configuration or information popups for {\\cf1 setup}, {\\cf2 features}, "
    "and {\\cf3 calibration}. Click a highlight circle to make its popup remain on-screen. " +
    "You can have all or as many of these popups onscreen at the same time as you desire.\\par\\par" + CRLF;
const std::string MultiPortNote =
    "{\\fs32\\b Note:} Make sure to set the jumpers for each option group \\emdash  the configuration options for each "
    "port are handled identically; this program only shows the setup once, but you need to perform this setup for "
    "each group of options on your device.\\par\\par" + CRLF;

std::string CardsParagraph(const std::string& card) {
    return "To see a list of " + card + " cards installed, click \"Display " + card +
           " Cards Installed\" under the File menu.\\par\\par" + CRLF;
}

struct TCardNamer {
    std::string Name(TObject*, PPCI_COMMON_CONFIG) { return "card"; }
};

struct TextCase {
    const char* Name;
    std::string Company, CardA, CardB;
    bool UseB, Series, MultiPort, Cards;
    std::string Expected;
};

TEST(SupporterTexts, HelpTextIsComposedPieceByPiece) {
    TCardNamer namer;
    const TextCase cases[] = {
        {"this program", "Halvern", "HX-OCTSER", "HX-OCTSER", false, true, false, false,
         Head + "Halvern HX-OCTSER Series Setup Program\\par\\par" + CRLF + Body + "}"},
        {"no Series", "Halvern", "HX-OCTSER", "", false, false, false, false,
         Head + "Halvern HX-OCTSER Setup Program\\par\\par" + CRLF + Body + "}"},
        {"multi-port and cards", "Acme", "A1", "B2", true, true, true, true,
         Head + "Acme B2 Series Setup Program\\par\\par" + CRLF + Body + MultiPortNote + CardsParagraph("B2") + "}"},
        {"empty names", "", "", "", false, true, false, false,
         Head + "  Series Setup Program\\par\\par" + CRLF + Body + "}"},
    };
    for (const TextCase& c : cases) {
        TSetupSupporter s(nullptr);
        s.CompanyName = c.Company;
        s.CardNameA = c.CardA;
        s.CardNameB = c.CardB;
        s.UseCardNameB = c.UseB;
        s.bSeries = c.Series;
        s.MultiPort = c.MultiPort;
        if (c.Cards) s.OnGetCardString = TPCIEvent::Of<&TCardNamer::Name>(&namer);
        EXPECT_EQ(s.HelpText(), c.Expected) << c.Name;
    }
}

TEST(SupporterTexts, SupportTextNamesTheMakerAndTheHours) {
    TSetupSupporter s(nullptr);
    s.CompanyName = "Halvern";
    s.CallHow = "between 8 am and 5 pm Pacific Time at 1-800-555-0147";
    EXPECT_EQ(s.SupportText(),
              "There are several ways to get technical support. First and fastest is to skim the relevant sections of "
              "the manual. However, some questions require personal assistance, and Halvern stands ready to provide "
              "that help. You can call us between 8 am and 5 pm Pacific Time at 1-800-555-0147 for any of your product "
              "questions.\r\n\r\nIn order to provide the best and fastest support possible, we ask that you be at your "
              "computer when you call, and have the Halvern product manual and Software Master CD at hand.");
    TSetupSupporter empty(nullptr);
    EXPECT_NE(empty.SupportText().find("assistance, and  stands ready"), std::string::npos);
}

// ---------------------------------------------------------------- the rich-text reader

TEST(RtfReader, HelpTextComesOutInItsColoursSizesAndWeights) {
    TSetupSupporter s(nullptr);
    s.CompanyName = "Halvern";
    s.CardNameA = "HX-OCTSER";
    s.MultiPort = true;
    TRichText text = ParseRtf(s.HelpText());
    ASSERT_GE(text.Paragraphs.size(), 14u);
    const TRichRun& title = text.Paragraphs[0].Runs.at(0);
    EXPECT_EQ(title.Text, "Halvern HX-OCTSER Series Setup Program");
    EXPECT_EQ(title.Color, RGB(255, 255, 255));
    EXPECT_EQ(title.HalfPoints, 24);
    EXPECT_FALSE(title.Bold);
    EXPECT_EQ(title.FontName, "Verdana");
    EXPECT_TRUE(text.Paragraphs[1].Runs.empty());
    struct Heading {
        size_t Paragraph;
        const char* Text;
        TColor Color;
    } headings[] = {{4, "Yellow circles", RGB(255, 255, 64)},
                    {6, "Blue circles", RGB(64, 64, 255)},
                    {8, "Red circles", RGB(255, 64, 64)},
                    {10, "General Tips:", RGB(255, 255, 255)}};
    for (const Heading& h : headings) {
        const TRichRun& run = text.Paragraphs.at(h.Paragraph).Runs.at(0);
        EXPECT_EQ(run.Text, h.Text);
        EXPECT_EQ(run.Color, h.Color) << h.Text;
        EXPECT_EQ(run.HalfPoints, 32) << h.Text;
        EXPECT_TRUE(run.Bold) << h.Text;
        const TRichRun& after = text.Paragraphs.at(h.Paragraph).Runs.at(1);
        EXPECT_EQ(after.HalfPoints, 24);
        EXPECT_FALSE(after.Bold);
        EXPECT_EQ(after.Color, RGB(255, 255, 255));
    }
    const auto& red = text.Paragraphs[8].Runs;
    auto setup = std::find_if(red.begin(), red.end(), [](const TRichRun& r) { return r.Text == "setup circles"; });
    ASSERT_NE(setup, red.end());
    EXPECT_EQ(setup->Color, RGB(255, 255, 64));
    EXPECT_FALSE(setup->Bold);
    EXPECT_NE(text.PlainText().find("option group \u2014 the configuration"), std::string::npos);
    EXPECT_EQ(text.PlainText().find('\\'), std::string::npos);
    EXPECT_EQ(text.PlainText().find('{'), std::string::npos);
}

TEST(RtfReader, DamagedInputGivesWhatTextItCan) {
    struct Case {
        const char* Name;
        std::string Rtf;
        std::string Plain;
    } cases[] = {
        {"unclosed groups", "{\\rtf1 {\\b bold", "bold"},
        {"too many closing braces", "{\\rtf1 text}}}} more", "text"},
        {"truncated control word", "{\\rtf1 abc\\f", "abc"},
        {"truncated hex escape", "{\\rtf1 abc\\'4", "abc"},
        {"huge numbers", "{\\rtf1\\fs99999999999999999999\\cf4294967296 big}", "big"},
        {"unknown words and ignorable groups", "{\\rtf1\\frobnicate7 a{\\*\\secret hidden}b}", "ab"},
        {"escapes", "{\\rtf1 caf\\'e9 \\{x\\} \\\\ \\u8212? end}", "caf\u00e9 {x} \\ \u2014 end"},
        {"colour index beyond the table", "{\\rtf1{\\colortbl\\red1\\green2\\blue3;}\\cf9 x}", "x"},
        {"empty", "", ""},
        {"not rtf at all", "plain words", "plain words"},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseRtf(c.Rtf).PlainText(), c.Plain) << c.Name;
    std::string deep(100000, '{');
    EXPECT_EQ(ParseRtf(deep + "x" + std::string(100000, '}')).PlainText(), "");
}

// ---------------------------------------------------------------- the windows

class SupporterTest : public testing::Test {
protected:
    SupporterTest() {
        Main = new TForm(&Owner);
        Main->SetName("MainForm");
        Supporter = new TSetupSupporter(Main);
        Supporter->SetName("SetSup");
        Supporter->CompanyName = "Halvern";
        Supporter->CardNameA = "HX-OCTSER";
        Supporter->CardNameB = "HX-OCTSER";
        Supporter->CallHow = "between 8 am and 5 pm Pacific Time at 1-800-555-0147";
    }
    ~SupporterTest() override { TTimerWindow::RefuseTimers(false); }
    TComponent Owner{nullptr};
    TForm* Main;
    TSetupSupporter* Supporter;
};

TEST_F(SupporterTest, HelpWindowLayoutAndScaling) {
    Supporter->DeferredSetup();
    THelpForm* help = Supporter->HelpForm();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Caption(), "Help");
    EXPECT_EQ(help->FormStyle(), fsStayOnTop);
    EXPECT_FALSE(help->Visible());
    struct Case {
        int Screen, Width, Height;
    } cases[] = {{300, 305, 138}, {200, 305, 138}, {768, 781, 353}, {1024, 1041, 471}};
    for (const Case& c : cases) {
        help->ScaleToScreen(c.Screen);
        EXPECT_EQ(help->ClientWidth(), c.Width) << c.Screen;
        EXPECT_EQ(help->ClientHeight(), c.Height) << c.Screen;
    }
    help->ScaleToScreen(300);
    EXPECT_EQ(help->HelpRich->BoundsRect(), Bounds(0, 24, 305, 73));
    EXPECT_EQ(help->CloseButton->BoundsRect(), Bounds(65, 105, 73, 25));
    EXPECT_EQ(help->StartButton->BoundsRect(), Bounds(167, 105, 73, 25));
    EXPECT_EQ(help->HelpLabel->Width(), 305);
    EXPECT_EQ(help->HelpLabel->Caption(), "How to use this program");
    EXPECT_EQ(help->HelpRich->Anchors(), TAnchors({akLeft, akTop, akRight, akBottom}));
    EXPECT_EQ(help->CloseButton->Anchors(), TAnchors({akBottom}));
    EXPECT_TRUE(help->CloseButton->Cancel());
    EXPECT_TRUE(help->StartButton->Cancel());
    EXPECT_EQ(help->StartButton->TabOrder(), 0);
    EXPECT_EQ(help->CloseButton->TabOrder(), 1);
    EXPECT_EQ(help->HelpRich->TabOrder(), 2);
    EXPECT_EQ(help->HelpRich->Color(), RGB(0, 32, 0));
    help->ScaleToScreen(1024); // the anchored children follow
    EXPECT_EQ(help->HelpRich->BoundsRect(), Bounds(0, 24, 1041, 406));
    EXPECT_EQ(help->CloseButton->Top(), 471 - 33);
    EXPECT_EQ(help->HelpLabel->Width(), 1041);
}

TEST_F(SupporterTest, SupportWindowLayout) {
    Supporter->DeferredSetup();
    TTechForm* tech = Supporter->TechForm();
    ASSERT_NE(tech, nullptr);
    EXPECT_EQ(tech->Caption(), "Technical Support");
    EXPECT_EQ(tech->ClientWidth(), 305);
    EXPECT_EQ(tech->ClientHeight(), 122);
    EXPECT_EQ(tech->TechMemo->BoundsRect(), Bounds(0, 0, 305, 89));
    EXPECT_EQ(tech->CloseButton->BoundsRect(), Bounds(116, 97, 73, 25));
    EXPECT_EQ(tech->CloseButton->TabOrder(), 0);
    EXPECT_EQ(tech->TechMemo->Text(), Supporter->SupportText().replace(Supporter->SupportText().find("\r\n\r\n"), 4, "\n\n"));
}

TEST_F(SupporterTest, TitleLineFollowsTheCardName) {
    struct Case {
        bool Series, UseB;
        const char* Title;
    } cases[] = {{true, false, "HX-OCTSER Series Setup Program"},
                 {false, false, "HX-OCTSER Setup Program"},
                 {true, true, "HX-B Series Setup Program"}};
    for (const Case& c : cases) {
        TComponent owner(nullptr);
        auto* main = new TForm(&owner);
        auto* s = new TSetupSupporter(main);
        s->CardNameA = "HX-OCTSER";
        s->CardNameB = "HX-B";
        s->bSeries = c.Series;
        s->UseCardNameB = c.UseB;
        s->DeferredSetup();
        ASSERT_NE(s->HeaderLabel(), nullptr);
        EXPECT_EQ(s->HeaderLabel()->Caption(), c.Title);
        EXPECT_EQ(s->HeaderLabel()->Name(), "HeaderLabel");
        EXPECT_EQ(s->HeaderLabel()->Align(), alTop);
        EXPECT_EQ(s->HeaderLabel()->Alignment(), taCenter);
        EXPECT_EQ(s->HeaderLabel()->Font().Name(), "Arial");
        EXPECT_EQ(s->HeaderLabel()->Font().Size(), 18);
        EXPECT_TRUE(s->HeaderLabel()->Font().Style().Contains(fsBold));
        EXPECT_EQ(s->HeaderLabel()->Parent(), main);
    }
}

TEST_F(SupporterTest, FirstTickShowsTheHelpWindowOnceAndStopsTheTimer) {
    Application->OnIdle = TIdleEvent::Of<&TSetupSupporter::AppIdle>(Supporter);
    ASSERT_TRUE(WaitUntil([&] { return Supporter->HelpForm() != nullptr; }));
    EXPECT_FALSE(Application->OnIdle.Assigned());
    EXPECT_TRUE(Supporter->HelpPending());
    EXPECT_TRUE(Supporter->TimerRunning());
    ASSERT_TRUE(WaitUntil([&] { return Supporter->HelpForm()->Visible(); }));
    EXPECT_FALSE(Supporter->HelpPending());
    EXPECT_FALSE(Supporter->TimerRunning());
    Supporter->HelpForm()->CloseButton->Click();
    EXPECT_FALSE(Supporter->HelpForm()->Visible());
    ProcessEventsFor(300); // closing it and waiting does not bring it back, nor a second set-up
    EXPECT_FALSE(Supporter->HelpForm()->Visible());
    int helpWindows = 0;
    for (int i = 0; i < Screen->FormCount(); ++i) helpWindows += Screen->Forms(i)->ClassName() == "THelpForm";
    EXPECT_EQ(helpWindows, 1);
}

TEST_F(SupporterTest, DestroyingTheSupporterBeforeItsTickLeavesNoTimer) {
    Supporter->DeferredSetup();
    THelpForm* help = Supporter->HelpForm();
    delete Supporter;
    ProcessEventsFor(300);
    EXPECT_FALSE(help->Visible());
}

TEST_F(SupporterTest, RefusedTimerIsReportedFromTheIdleSetUp) {
    TExceptionRecorder recorder;
    TTimerWindow::RefuseTimers(true);
    Application->OnIdle = TIdleEvent::Of<&TSetupSupporter::AppIdle>(Supporter);
    ASSERT_TRUE(WaitUntil([&] { return !recorder.Messages().empty(); }));
    EXPECT_EQ(recorder.Messages()[0], "Not enough timers available");
    EXPECT_EQ(Supporter->HeaderLabel()->Caption(), "HX-OCTSER Series Setup Program");
}

struct TShowFails {
    void Throw(TObject*) { throw Exception("Cannot show"); }
};

TEST_F(SupporterTest, ExceptionInATickIsReportedAndTheTimerStaysAsItWas) {
    TExceptionRecorder recorder;
    TShowFails fails;
    Supporter->DeferredSetup();
    Supporter->HelpForm()->OnShow = TNotifyEvent::Of<&TShowFails::Throw>(&fails);
    ASSERT_TRUE(WaitUntil([&] { return !recorder.Messages().empty(); }));
    EXPECT_EQ(recorder.Messages()[0], "Cannot show");
    EXPECT_TRUE(Supporter->HelpPending());
    EXPECT_TRUE(Supporter->TimerRunning());
    Supporter->HelpForm()->OnShow = {};
    ASSERT_TRUE(WaitUntil([&] { return !Supporter->TimerRunning(); }));
}

TEST_F(SupporterTest, CloseButtonsHideTheirWindow) {
    Supporter->DeferredSetup();
    TTechForm* tech = Supporter->TechForm();
    tech->SetVisible(true);
    tech->CloseButton->Click();
    EXPECT_FALSE(tech->Visible());
    tech->SetVisible(true);
    EXPECT_TRUE(tech->PressDialogKey(true)); // Esc presses the cancel button
    EXPECT_FALSE(tech->Visible());
}

} // namespace
