// The ring blend, pixel for pixel.
#include "setupctrls/board/ring_blend.h"

#include "platform/bitmap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

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

// The blend written out step by step, as a reference for the fast one.
void ReferenceBlend(TBitmap& b, TColor color, float s, bool glow) {
    const int w = b.Width(), h = b.Height();
    const float sx = static_cast<float>(2.0L / (w - 1)), sy = static_cast<float>(2.0L / (h - 1));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float u = static_cast<float>(static_cast<long double>(x) * sx - 1.0L);
            float v = static_cast<float>(static_cast<long double>(y) * sy - 1.0L);
            float d = static_cast<float>(static_cast<long double>(u) * u + static_cast<long double>(v) * v);
            if (d >= 1.0f) continue;
            TColor base = b.Pixel(x, y);
            float t;
            if (d < 0.5929f) {
                t = 0.16f;
            } else {
                t = static_cast<float>(1.0L - 8.0L * fabsl(sqrtl(d) - 0.875L));
                if (glow) {
                    t = static_cast<float>(2.0L * t);
                    if (t > 1.0f) {
                        base = clWhite;
                        t = static_cast<float>(2.0L - t);
                    }
                }
            }
            float a = static_cast<float>(static_cast<long double>(t) * s);
            float m = static_cast<float>(1.0L - a);
            auto mix = [&](int bc, int cc) { return static_cast<int>(nearbyintl(static_cast<long double>(bc) * m + static_cast<long double>(cc) * a)); };
            b.SetPixel(x, y, RGB(mix(GetRValue(base), GetRValue(color)), mix(GetGValue(base), GetGValue(color)),
                                 mix(GetBValue(base), GetBValue(color))));
        }
}

TEST(RingBlend, AllLooksInOnePassMatchTheStepByStepBlendOnAnyBackground) {
    std::uint32_t seed = 12345;
    auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
    for (auto [w, h] : {std::pair{65, 65}, std::pair{353, 57}, std::pair{33, 25}, std::pair{97, 305}, std::pair{2, 3}}) {
        for (TColor color : {clYellow, clBlue, clRed}) {
            TBitmap normal, bright, glow, refNormal, refBright, refGlow;
            for (TBitmap* b : {&normal, &bright, &glow, &refNormal, &refBright, &refGlow}) b->SetSize(w, h);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    TColor c = static_cast<TColor>(next() >> 8) & 0xFFFFFF;
                    for (TBitmap* b : {&normal, &bright, &glow, &refNormal, &refBright, &refGlow}) b->SetPixel(x, y, c);
                }
            BlendRings(normal, {{&normal, 0.25f, false}, {&glow, 1.0f, true}, {&bright, 0.75f, false}}, color);
            ReferenceBlend(refNormal, color, 0.25f, false);
            ReferenceBlend(refGlow, color, 1.0f, true);
            ReferenceBlend(refBright, color, 0.75f, false);
            int differences = 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    int here = (normal.Pixel(x, y) != refNormal.Pixel(x, y)) + (glow.Pixel(x, y) != refGlow.Pixel(x, y)) +
                               (bright.Pixel(x, y) != refBright.Pixel(x, y));
                    if (here && !differences)
                        ADD_FAILURE() << "first difference at (" << x << ", " << y << "): normal " << (normal.Pixel(x, y) != refNormal.Pixel(x, y))
                                      << " glow " << (glow.Pixel(x, y) != refGlow.Pixel(x, y)) << " bright "
                                      << (bright.Pixel(x, y) != refBright.Pixel(x, y));
                    differences += here;
                }
            EXPECT_EQ(differences, 0) << w << " x " << h << " colour " << color;
        }
    }
}

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
