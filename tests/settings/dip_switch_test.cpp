// The DIP switch: value and pattern rules, orientation, the painted picture, and the board's
// position selector built from it and the combo box.
#include "setupctrls/settings/dip_switch.h"

#include "app/main_form.h"
#include "platform/combo_box.h"
#include "platform/form.h"
#include "platform/reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class TSpyDipSwitch : public TDipSwitch {
public:
    using TDipSwitch::TDipSwitch;
    void Invalidate() override {
        ++Repaints;
        TDipSwitch::Invalidate();
    }
    int Repaints = 0;
};

struct Step {
    const char* Name;
    std::function<void(TDipSwitch&)> Do;
    std::uint32_t Value;
    const char* Pattern;
};

TEST(DipSwitch, NewControlHasThreeSwitchesOff) {
    TDipSwitch d(nullptr);
    EXPECT_EQ(d.BoundsRect(), Bounds(0, 0, 53, 43));
    EXPECT_EQ(d.NumSwitches(), 3);
    EXPECT_EQ(d.BinaryValueStr(), "000");
    EXPECT_EQ(d.Value(), 0u);
    EXPECT_EQ(d.Orientation(), otUp);
    EXPECT_EQ(d.SwitchColor(), clWhite);
}

TEST(DipSwitch, ValuePatternAndCountRules) {
    auto count = [](int n) { return [n](TDipSwitch& d) { d.SetNumSwitches(static_cast<std::uint8_t>(n)); }; };
    auto value = [](std::uint32_t v) { return [v](TDipSwitch& d) { d.SetValue(v); }; };
    auto pattern = [](const char* p) { return [p](TDipSwitch& d) { d.SetBinaryValueStr(p); }; };
    // Each row runs on a new control with two switches after the steps before it in its group.
    const std::vector<std::vector<Step>> groups = {
        {{"value 1", value(1), 1, "01"}, {"value 2", value(2), 2, "10"}, {"value 3", value(3), 3, "11"},
         {"value 0", value(0), 0, "00"}},
        {{"value 5 keeps the low bits", value(5), 1, "01"}},
        {{"value 4294967295", value(4294967295u), 3, "11"}},
        {{"1x0", pattern("1x0"), 2, "10"}},
        {{"1101 keeps the last two", pattern("1101"), 1, "01"}},
        {{"1 is padded", pattern("1"), 1, "01"}},
        {{"set 2 first", value(2), 2, "10"}, {"empty changes nothing", pattern(""), 2, "10"},
         {"abc changes nothing", pattern("abc"), 2, "10"}},
        {{"three switches", count(3), 0, "000"}, {"101", pattern("101"), 5, "101"},
         {"shrinking keeps the last switches", count(2), 1, "01"}, {"growing keeps the value", count(4), 1, "0001"}},
        {{"forty switches", count(40), 0, ""}},
    };
    for (const auto& group : groups) {
        TDipSwitch d(nullptr);
        d.SetNumSwitches(2);
        for (const Step& s : group) {
            s.Do(d);
            EXPECT_EQ(d.Value(), s.Value) << s.Name;
            if (std::string(s.Name) != "forty switches") {
                EXPECT_EQ(d.BinaryValueStr(), s.Pattern) << s.Name;
            }
        }
    }
}

TEST(DipSwitch, MoreThan32SwitchesKeepTheHighOnesOff) {
    TDipSwitch d(nullptr);
    d.SetNumSwitches(40);
    d.SetBinaryValueStr(std::string(40, '1'));
    EXPECT_EQ(d.Value(), 0xFFFFFFFFu);
    EXPECT_EQ(d.BinaryValueStr(), std::string(8, '0') + std::string(32, '1'));
    d.SetValue(5);
    EXPECT_EQ(d.BinaryValueStr(), std::string(37, '0') + "101");
}

TEST(DipSwitch, SettersWithTheCurrentValueRequestNoRepaint) {
    TSpyDipSwitch d(nullptr);
    d.SetNumSwitches(2);
    d.SetValue(2);
    d.Repaints = 0;
    d.SetValue(2);
    d.SetBinaryValueStr("10");
    d.SetNumSwitches(2);
    d.SetOrientation(otUp);
    d.SetSwitchColor(clWhite);
    EXPECT_EQ(d.Repaints, 0);
    d.SetSwitchColor(clRed);
    EXPECT_EQ(d.Repaints, 1);
}

TEST(DipSwitch, DescriptionAppliesTheCountBeforeThePatternAndTheValueLast) {
    TForm root(nullptr);
    ReadComponent("object Root: TForm\n"
                  "  object A: TDipSwitch\n    NumSwitches = 2\n    BinaryValueStr = '01'\n    Value = 2\n  end\n"
                  "  object B: TDipSwitch\n  end\n"
                  "end\n",
                  root, "TEST");
    auto* a = static_cast<TDipSwitch*>(root.FindComponent("A"));
    EXPECT_EQ(a->Value(), 2u);
    EXPECT_EQ(a->BinaryValueStr(), "10");
    EXPECT_EQ(static_cast<TDipSwitch*>(root.FindComponent("B"))->NumSwitches(), 3);
}

TEST(DipSwitch, AxisChangeExchangesTheSizeOnceAtTheNextPaintAfterAFirstPaint) {
    TDipSwitch d(nullptr);
    d.SetOrientation(otLeft); // before any paint: the size stays
    d.Paint();
    EXPECT_EQ(d.BoundsRect(), Bounds(0, 0, 53, 43));
    d.SetOrientation(otUp);
    d.Paint();
    EXPECT_EQ(d.BoundsRect(), Bounds(0, 0, 43, 53));
    d.Paint();
    EXPECT_EQ(d.BoundsRect(), Bounds(0, 0, 43, 53)); // once only
    d.SetOrientation(otDown); // the same axis: no exchange
    d.Paint();
    EXPECT_EQ(d.BoundsRect(), Bounds(0, 0, 43, 53));
    d.SetOrientation(otRight);
    d.SetOrientation(otUp); // there and back between paints still exchanges
    d.Paint();
    EXPECT_EQ(d.BoundsRect(), Bounds(0, 0, 53, 43));
}

// What a painted pixel is: the body, a slot, or a knob.
constexpr TColor Body = clBlack, Slot = clGray, Knob = clWhite;

struct Probe {
    int X, Y;
    TColor Expected;
};

struct Picture {
    const char* Name;
    int Width, Height, Switches;
    TOrientationType Orientation;
    std::uint32_t Value;
    std::vector<Probe> Probes;
};

class DipSwitchPictureTest : public testing::TestWithParam<Picture> {};

TEST_P(DipSwitchPictureTest, SlotsAndKnobsLieWhereTheGeometrySays) {
    const Picture& p = GetParam();
    TDipSwitch d(nullptr);
    d.SetBounds(0, 0, p.Width, p.Height);
    d.SetNumSwitches(static_cast<std::uint8_t>(p.Switches));
    d.SetOrientation(p.Orientation);
    d.SetValue(p.Value);
    d.Paint();
    const TBitmap& out = d.OutputBitmap();
    ASSERT_EQ(out.Width(), p.Width);
    ASSERT_EQ(out.Height(), p.Height);
    for (const Probe& probe : p.Probes)
        EXPECT_EQ(out.Pixel(probe.X, probe.Y), probe.Expected) << p.Name << " at (" << probe.X << ", " << probe.Y << ")";
}

// A new 53 x 43 control: slots at columns 5-16, 21-32, 37-48, rows 13-39; knobs 11 rows long.
// Seven switches in 53 x 43: slots 6 wide from columns 2, 9, 16, 23, 30, 37, 44.
// The board's switch, 41 x 41 turned left: the lower switch (the first) on rows 21-32, the upper on
// rows 2-13, both over columns 13-37; a knob that is on covers columns 13-22, one that is off 28-37.
std::vector<Probe> BoardSwitch(bool lowerOn, bool upperOn) {
    return {{17, 26, lowerOn ? Knob : Slot}, {33, 26, lowerOn ? Slot : Knob}, {17, 7, upperOn ? Knob : Slot},
            {33, 7, upperOn ? Slot : Knob},  {13, 26, Body},                  {25, 17, Body},
            {39, 26, Body},                  {25, 21, Body},                  {25, 32, Body}};
}

INSTANTIATE_TEST_SUITE_P(
    Geometry, DipSwitchPictureTest,
    testing::Values(
        Picture{"ThreeSwitches101", 53, 43, 3, otUp, 5,
                {{10, 18, Knob}, {10, 35, Slot}, {26, 18, Slot}, {26, 35, Knob}, {42, 18, Knob}, {42, 35, Slot},
                 {5, 30, Body}, {16, 30, Body}, {18, 30, Body}, {10, 13, Body}, {10, 23, Body}, {10, 39, Body},
                 {10, 40, Body}, {26, 29, Body}, {50, 30, Body}}},
        Picture{"SevenSwitchesAllOn", 53, 43, 7, otUp, 127,
                {{4, 18, Knob}, {11, 18, Knob}, {18, 18, Knob}, {25, 18, Knob}, {32, 18, Knob}, {39, 18, Knob},
                 {46, 18, Knob}, {4, 35, Slot}, {46, 35, Slot}, {8, 30, Body}, {2, 30, Body}, {7, 30, Body}}},
        Picture{"BoardSwitchValue0", 41, 41, 2, otLeft, 0, BoardSwitch(false, false)},
        Picture{"BoardSwitchValue1", 41, 41, 2, otLeft, 1, BoardSwitch(false, true)},
        Picture{"BoardSwitchValue2", 41, 41, 2, otLeft, 2, BoardSwitch(true, false)},
        Picture{"BoardSwitchValue3", 41, 41, 2, otLeft, 3, BoardSwitch(true, true)},
        Picture{"HalfTurn", 53, 43, 3, otDown, 4, {{42, 24, Knob}, {42, 7, Slot}, {26, 7, Knob}}}),
    [](const testing::TestParamInfo<Picture>& info) { return std::string(info.param.Name); });

TEST(DipSwitch, DegenerateControlsPaintWithoutTrouble) {
    struct Case {
        int Width, Height, Switches;
    } cases[] = {{53, 43, 0}, {53, 43, 40}, {5, 5, 7}, {1, 1, 3}, {0, 0, 3}, {3, 60, 255}, {200, 12, 2}};
    for (const Case& c : cases)
        for (TOrientationType o : {otUp, otDown, otLeft, otRight}) {
            TDipSwitch d(nullptr);
            d.SetBounds(0, 0, c.Width, c.Height);
            d.SetNumSwitches(static_cast<std::uint8_t>(c.Switches));
            d.SetValue(0xFFFFFFFFu);
            d.SetOrientation(o);
            d.Paint();
            EXPECT_EQ(d.OutputBitmap().Width() * d.OutputBitmap().Height(), c.Width * c.Height);
        }
}

// ---------------------------------------------------------------- the board's position selector

struct TChangeSpy {
    TNotifyEvent Forward;
    int Calls = 0;
    void Changed(TObject* sender) {
        ++Calls;
        Forward(sender);
    }
};

TEST(PositionSelector, PressesStepThePositionAndTheComboFollows) {
    TMainForm form(nullptr);
    TChangeSpy spy{form.ComboBox1->OnChange};
    form.ComboBox1->OnChange = TNotifyEvent::Of<&TChangeSpy::Changed>(&spy);
    EXPECT_EQ(form.ComboBox1->Text(), "Position 0 (directly on processor board)");
    EXPECT_EQ(form.ComboBox1->ItemIndex(), -1);
    const struct {
        TMouseButton Button;
        std::uint32_t Value;
        const char* Text;
    } presses[] = {{mbLeft, 1, "Position 2"},
                   {mbRight, 2, "Position 1"},
                   {mbMiddle, 3, "Position 3"},
                   {mbLeft, 0, "Position 0 (directly on processor board)"}};
    for (const auto& p : presses) {
        form.DipSwitch1->MouseDown(p.Button, {}, 3, 3);
        EXPECT_EQ(form.DipSwitch1->Value(), p.Value);
        EXPECT_EQ(form.ComboBox1->ItemIndex(), static_cast<int>(p.Value));
        EXPECT_EQ(form.ComboBox1->Text(), p.Text);
    }
    EXPECT_EQ(spy.Calls, 0); // selecting from code raises no change
}

TEST(PositionSelector, ChoosingAnItemSetsTheSwitchesAndTypingLeavesThem) {
    TMainForm form(nullptr);
    form.ComboBox1->UserSelected(2); // "Position 1"
    EXPECT_EQ(form.DipSwitch1->Value(), 2u);
    EXPECT_EQ(form.DipSwitch1->BinaryValueStr(), "10");
    form.ComboBox1->UserSelected(1); // "Position 2"
    EXPECT_EQ(form.DipSwitch1->Value(), 1u);
    form.ComboBox1->UserEdited("Position 7");
    EXPECT_EQ(form.ComboBox1->ItemIndex(), -1);
    EXPECT_EQ(form.ComboBox1->Text(), "Position 7");
    EXPECT_EQ(form.DipSwitch1->Value(), 1u); // not every switch on
}

} // namespace
