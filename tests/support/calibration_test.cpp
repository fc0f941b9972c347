// The calibration sequencer: passes, result lines, the two message boxes and the buttons.
#include "setupctrls/support/setup_supporter.h"

#include "platform/custom_panel.h"
#include "platform/form.h"
#include "platform/list_box.h"
#include "platform/std_controls.h"
#include "platform/timer_window.h"
#include "tests/test_support.h"

#include <gtest/gtest.h>

namespace {

struct TBox {
    std::string Text, Caption;
    unsigned Flags;
    bool operator==(const TBox&) const = default;
};

const TBox FailureBox{"Total A/D failure. The card may not be installed, or it may be installed at a different "
                      "base address.",
                      "Total A/D failure", 0x50135};
const TBox ErrorBox{"Error: calibration begun, but OnGetCalibString isn't assigned.", "OnGetCalibString Not Assigned",
                    0x50030};

// The application side: two display groups held in its own variables, and handlers that note
// what the sequencer asks.
class CalibrationTest : public testing::Test {
protected:
    CalibrationTest() {
        Main = new TForm(&Owner);
        Supporter = new TSetupSupporter(Main);
        for (int g = 0; g < 2; ++g) {
            Lists[g] = new TListBox(Main);
            Lists[g]->SetItems(std::vector<std::string>(8, "-"));
            Buttons[g] = new TButton(Main);
            Buttons[g]->SetCaption("Stop");
            Buttons[g]->OnClick = TNotifyEvent::Of<&CalibrationTest::StopClick>(this);
            Hidden[g] = new TPanel(Main);
            Hidden[g]->SetVisible(true);
        }
        Supporter->SetCalibGroups({{TControlVar<TListBox>(Lists[0]), TControlVar<TButton>(Buttons[0]),
                                    TControlVar<TControl>(Hidden[0])},
                                   {TControlVar<TListBox>(Lists[1]), TControlVar<TButton>(Buttons[1]),
                                    TControlVar<TControl>(Hidden[1])}});
        Supporter->OnGetCalibString = TCalibEvent::Of<&CalibrationTest::CalibString>(this);
        Supporter->OnStartButtonClick = TNotifyEvent::Of<&CalibrationTest::StartClick>(this);
        Supporter->SetOnBeginCalib(TNotifyEvent::Of<&CalibrationTest::Begin>(this));
        Application->MessageBoxHook = [this](const std::string& text, const std::string& caption, unsigned flags) {
            Boxes.push_back({text, caption, flags});
            // No tick may arrive while a box is open.
            EXPECT_FALSE(Supporter->Calibrating());
            EXPECT_FALSE(Supporter->TimerRunning());
            return Answer;
        };
    }
    ~CalibrationTest() override { Application->MessageBoxHook = {}; }

    void Begin(TObject* Sender) {
        EXPECT_EQ(Sender, Supporter);
        ++Begins;
        if (NestedLoopMs) ProcessEventsFor(NestedLoopMs);
    }
    std::string CalibString(TObject* Sender, std::uint8_t Channel, bool& ItsAllBad) {
        EXPECT_EQ(Sender, Supporter);
        Asked.push_back(Channel);
        if (Channel == ThrowAt) throw Exception("A/D converter does not answer");
        if (Channel == GoodChannel) ItsAllBad = false;
        return Channel == GoodChannel ? "OK" : "bad";
    }
    void StartClick(TObject*) {}
    void StopClick(TObject*) {}
    TNotifyEvent Start() { return TNotifyEvent::Of<&CalibrationTest::StartClick>(this); }
    TNotifyEvent Stop() { return TNotifyEvent::Of<&CalibrationTest::StopClick>(this); }

    std::vector<std::string> Lines(std::initializer_list<int> good = {}) const {
        std::vector<std::string> lines;
        for (int ch = 0; ch < 8; ++ch) {
            bool ok = std::find(good.begin(), good.end(), ch) != good.end();
            lines.push_back("Channel " + std::to_string(ch) + "\t" + (ok ? "OK" : "bad"));
        }
        return lines;
    }

    TComponent Owner{nullptr};
    TForm* Main;
    TSetupSupporter* Supporter;
    TListBox* Lists[2];
    TButton* Buttons[2];
    TPanel* Hidden[2];
    int Begins = 0;
    std::vector<int> Asked;
    int GoodChannel = -1;
    int ThrowAt = -1;
    int NestedLoopMs = 0;
    int Answer = IDCANCEL;
    std::vector<TBox> Boxes;
};

TEST_F(CalibrationTest, PassOutcomes) {
    struct Case {
        const char* Name;
        int Channels;
        int Good;
        bool ChangeButtons;
        int Answer;
        std::vector<int> Asked;
        std::vector<TBox> Boxes;
        bool CalibratingAfter;
        bool ButtonsReset;
    };
    const std::vector<int> all = {0, 1, 2, 3, 4, 5, 6, 7};
    const Case cases[] = {
        {"all bad, Cancel", 8, -1, true, IDCANCEL, all, {FailureBox}, false, true},
        {"all bad, Retry", 8, -1, true, IDRETRY, all, {FailureBox}, true, false},
        {"all bad, box closed", 8, -1, true, 0, all, {FailureBox}, false, true},
        {"one good channel", 8, 5, true, IDCANCEL, all, {}, true, false},
        {"no channels", 0, -1, true, IDCANCEL, {}, {FailureBox}, false, true},
        {"ChangeButtons false, Cancel", 8, -1, false, IDCANCEL, all, {FailureBox}, false, false},
    };
    for (const Case& c : cases) {
        Supporter->Channels = static_cast<std::uint8_t>(c.Channels);
        Supporter->ChangeButtons = c.ChangeButtons;
        GoodChannel = c.Good;
        Answer = c.Answer;
        Asked.clear();
        Boxes.clear();
        Begins = 0;
        for (int g = 0; g < 2; ++g) {
            Lists[g]->SetItems(std::vector<std::string>(8, "-"));
            Buttons[g]->SetCaption("Stop");
            Buttons[g]->OnClick = Stop();
            Hidden[g]->SetVisible(true);
        }
        Supporter->SetCalibrating(true);

        Supporter->CalibrationPass();

        EXPECT_EQ(Begins, 1) << c.Name;
        EXPECT_EQ(Asked, c.Asked) << c.Name;
        EXPECT_EQ(Boxes, c.Boxes) << c.Name;
        EXPECT_EQ(Supporter->Calibrating(), c.CalibratingAfter) << c.Name;
        EXPECT_EQ(Supporter->TimerRunning(), c.CalibratingAfter) << c.Name;
        for (int g = 0; g < 2; ++g) {
            EXPECT_EQ(Lists[g]->Items(), c.Channels ? Lines(c.Good >= 0 ? std::initializer_list<int>{5}
                                                                      : std::initializer_list<int>{})
                                                    : std::vector<std::string>(8, "-"))
                << c.Name;
            EXPECT_FALSE(Hidden[g]->Visible()) << c.Name;
            EXPECT_EQ(Buttons[g]->Caption(), c.ButtonsReset ? "Start" : "Stop") << c.Name;
            EXPECT_EQ(Buttons[g]->OnClick, c.ButtonsReset ? Start() : Stop()) << c.Name;
        }
    }
}

TEST_F(CalibrationTest, BeginWithoutCalibStringShowsTheErrorBoxOnce) {
    Supporter->OnGetCalibString = {};
    Supporter->SetCalibrating(true);
    ASSERT_TRUE(WaitUntil([&] { return !Boxes.empty(); }));
    ProcessEventsFor(300);
    EXPECT_EQ(Begins, 1);
    EXPECT_EQ(Boxes, std::vector<TBox>{ErrorBox});
    EXPECT_FALSE(Supporter->Calibrating());
    EXPECT_FALSE(Supporter->TimerRunning());
    EXPECT_TRUE(Hidden[0]->Visible()) << "the error ends the pass before anything is hidden";
    EXPECT_EQ(Buttons[0]->Caption(), "Start");
    EXPECT_EQ(Buttons[1]->OnClick, Start());
    // Without a start handler the buttons get none.
    Supporter->OnStartButtonClick = {};
    Supporter->CalibrationPass();
    EXPECT_FALSE(Buttons[0]->OnClick.Assigned());
}

TEST_F(CalibrationTest, NoGroupsStillAsksForEveryChannel) {
    Supporter->SetCalibGroups({});
    Supporter->CalibrationPass();
    EXPECT_EQ(Asked, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(Boxes, std::vector<TBox>{FailureBox});
    EXPECT_EQ(Lists[0]->Items(), std::vector<std::string>(8, "-"));
    EXPECT_TRUE(Hidden[0]->Visible());
    EXPECT_EQ(Buttons[0]->Caption(), "Stop");
}

TEST_F(CalibrationTest, GroupsFollowTheApplicationsVariables) {
    GoodChannel = 0;
    Supporter->CalibrationPass();
    auto* replacement = new TListBox(Main);
    replacement->SetItems({"a", "b", "c"}); // too short for channels 3 to 7: those lines are not added
    TListBox* old = Lists[1];
    Lists[1] = replacement;
    Lists[0] = nullptr; // a variable that holds no control is passed over
    Supporter->CalibrationPass();
    EXPECT_EQ(replacement->Items(), (std::vector<std::string>{"Channel 0\tOK", "Channel 1\tbad", "Channel 2\tbad"}));
    EXPECT_EQ(old->Items(), Lines({0}));
}

TEST_F(CalibrationTest, PassesRepeatOnTheTimerAndRetryStartsThemAgain) {
    GoodChannel = 2;
    Supporter->SetCalibrating(true);
    ASSERT_TRUE(WaitUntil([&] { return Begins >= 3; }));
    EXPECT_TRUE(Boxes.empty());
    EXPECT_TRUE(Supporter->TimerRunning());
    // Every channel fails from now on; Retry brings the same sequence back.
    GoodChannel = -1;
    Answer = IDRETRY;
    ASSERT_TRUE(WaitUntil([&] { return Boxes.size() >= 2; }));
    EXPECT_TRUE(Supporter->Calibrating());
    Answer = IDCANCEL;
    ASSERT_TRUE(WaitUntil([&] { return !Supporter->Calibrating(); }));
    const int begins = Begins;
    ProcessEventsFor(300);
    EXPECT_EQ(Begins, begins);
    EXPECT_EQ(Buttons[0]->Caption(), "Start");
}

TEST_F(CalibrationTest, AnExceptionEndsThePassAndCalibrationGoesOn) {
    TExceptionRecorder recorder;
    ThrowAt = 2;
    Supporter->SetCalibrating(true);
    ASSERT_TRUE(WaitUntil([&] { return recorder.Messages().size() >= 2; }));
    EXPECT_EQ(recorder.Messages()[0], "A/D converter does not answer");
    EXPECT_TRUE(Supporter->Calibrating());
    EXPECT_TRUE(Supporter->TimerRunning());
    EXPECT_TRUE(Boxes.empty());
    EXPECT_EQ(Lists[0]->Items()[1], "Channel 1\tbad");
    EXPECT_EQ(Lists[0]->Items()[2], "-");
    Supporter->SetCalibrating(false);
}

TEST_F(CalibrationTest, PendingHelpTakesTheTickBeforeAnyPass) {
    Supporter->DeferredSetup();
    GoodChannel = 0;
    Supporter->SetCalibrating(true);
    ASSERT_TRUE(WaitUntil([&] { return !Supporter->HelpPending(); }));
    EXPECT_EQ(Begins, 0);
    EXPECT_TRUE(Supporter->TimerRunning()) << "calibration keeps the timer going";
    ASSERT_TRUE(WaitUntil([&] { return Begins >= 1; }));
    Supporter->SetCalibrating(false);
}

TEST_F(CalibrationTest, TicksInsideAHandlersOwnLoopStartNoSecondPass) {
    GoodChannel = 0;
    NestedLoopMs = 350; // three ticks come due while the begin handler runs
    Supporter->SetCalibrating(true);
    ASSERT_TRUE(WaitUntil([&] { return Asked.size() >= 8; }));
    EXPECT_EQ(Begins, 1);
    NestedLoopMs = 0;
    Supporter->SetCalibrating(false);
}

TEST_F(CalibrationTest, SwitchingOnAndOffDrivesTheTimer) {
    TSetupSupporter s(nullptr);
    EXPECT_FALSE(s.TimerRunning());
    s.SetCalibrating(true);
    EXPECT_TRUE(s.TimerRunning());
    s.SetOnBeginCalib({}); // re-evaluates the timer, which keeps running
    EXPECT_TRUE(s.TimerRunning());
    s.SetCalibrating(false);
    EXPECT_FALSE(s.TimerRunning());
    TTimerWindow::RefuseTimers(true);
    EXPECT_THROW(s.SetCalibrating(true), EOutOfResources);
    TTimerWindow::RefuseTimers(false);
    EXPECT_THROW(s.SetCalibGroups(std::vector<TCalibGroup>(TSetupSupporter::MaxCalibGroups + 1)), EListError);
    s.SetCalibGroups(std::vector<TCalibGroup>(TSetupSupporter::MaxCalibGroups));
    s.SetCalibrating(false);
}

} // namespace
