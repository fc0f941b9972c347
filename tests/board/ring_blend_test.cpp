// The ring blend, pixel for pixel.
#include "setupctrls/board/ring_blend.h"

#include "platform/bitmap.h"

#include <gtest/gtest.h>

namespace {

void FillGrey(TBitmap& b, int w, int h) {
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, RGB(128, 128, 128));
}

struct Pixel {
    int X, Y;
    TColor Expected;
};

struct Look {
    const char* Name;
    TColor Color;
    float Strength;
    bool Glow;
    std::vector<Pixel> Pixels;
};

class RingBlendTest : public testing::TestWithParam<Look> {};

TEST_P(RingBlendTest, GreyCircleOf65Pixels) {
    const Look& look = GetParam();
    TBitmap b;
    FillGrey(b, 65, 65);
    BlendRing(b, look.Color, look.Strength, look.Glow);
    for (const Pixel& p : look.Pixels)
        EXPECT_EQ(b.Pixel(p.X, p.Y), p.Expected)
            << look.Name << " at (" << p.X << ", " << p.Y << "): got " << GetRValue(b.Pixel(p.X, p.Y)) << ", "
            << GetGValue(b.Pixel(p.X, p.Y)) << ", " << GetBValue(b.Pixel(p.X, p.Y));
}

const TColor GreyPixel = RGB(128, 128, 128);

INSTANTIATE_TEST_SUITE_P(
    Looks, RingBlendTest,
    testing::Values(
        Look{"SettingsNormal", clYellow, 0.5f, false,
             {{32, 32, RGB(138, 138, 118)}, {32, 4, RGB(192, 192, 64)}, {32, 0, GreyPixel}, {0, 32, GreyPixel},
              {0, 0, GreyPixel}, {64, 64, GreyPixel}}},
        Look{"SettingsBright", clYellow, 0.75f, false, {{32, 32, RGB(143, 143, 113)}, {32, 4, RGB(223, 223, 32)}}},
        Look{"SettingsGlow", clYellow, 1.0f, true,
             {{32, 32, RGB(148, 148, 108)}, {32, 4, RGB(255, 255, 255)}, {32, 6, RGB(255, 255, 0)},
              {32, 0, GreyPixel}}},
        Look{"OptionsNormal", clBlue, 0.25f, false, {{32, 32, RGB(123, 123, 133)}, {32, 4, RGB(96, 96, 160)}}}),
    [](const testing::TestParamInfo<Look>& info) { return std::string(info.param.Name); });

TEST(RingBlend, ThinCirclesHaveNoRingAndStayAsTheyWere) {
    for (auto [w, h] : {std::pair{1, 40}, std::pair{40, 1}, std::pair{1, 1}, std::pair{0, 0}}) {
        TBitmap b;
        FillGrey(b, w, h);
        BlendRing(b, clYellow, 1.0f, true);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) EXPECT_EQ(b.Pixel(x, y), GreyPixel) << w << " x " << h;
    }
}

TEST(RingBlend, TwoPixelCircleBlendsWithoutTrouble) {
    TBitmap b;
    FillGrey(b, 2, 2);
    BlendRing(b, clRed, 0.5f, false);
    EXPECT_EQ(b.Pixel(0, 0), GreyPixel); // corners of a 2 x 2 ellipse lie on its edge
}

} // namespace
