#include "ring_blend.h"

#include "platform/bitmap.h"

#include <cfenv>
#include <cmath>
#include <cstdint>

namespace {
// Each intermediate is formed at extended precision and stored as a 32-bit float, step by step.
inline float F(long double v) { return static_cast<float>(v); }

// Rounds half to even; the default rounding mode does exactly that.
inline int RoundHalfEven(long double v) { return static_cast<int>(std::nearbyintl(v)); }
} // namespace

void BlendRing(TBitmap& Bitmap, TColor Color, float Strength, bool Glow) {
    const int w = Bitmap.Width(), h = Bitmap.Height();
    if (w <= 1 || h <= 1) return;
    const float sx = F(2.0L / (w - 1));
    const float sy = F(2.0L / (h - 1));
    const TColor rgb = ColorToRGB(Color);
    const long double cr = GetRValue(rgb), cg = GetGValue(rgb), cb = GetBValue(rgb);
    const float disc = 0.16f;
    const int savedRounding = std::fegetround();
    std::fesetround(FE_TONEAREST);
    for (int y = 0; y < h; ++y) {
        std::uint32_t* line = Bitmap.ScanLine(y);
        const float v = F(static_cast<long double>(y) * sy - 1.0L);
        for (int x = 0; x < w; ++x) {
            const float u = F(static_cast<long double>(x) * sx - 1.0L);
            const float d = F(static_cast<long double>(u) * u + static_cast<long double>(v) * v);
            if (d >= 1.0f) continue;
            std::uint32_t px = line[x];
            float t;
            if (d < 0.5929f) {
                t = disc;
            } else {
                t = F(1.0L - 8.0L * std::fabs(std::sqrt(static_cast<long double>(d)) - 0.875L));
                if (Glow) {
                    t = F(2.0L * t);
                    if (t > 1.0f) {
                        px = 0xFFFFFFFFu;
                        t = F(2.0L - t);
                    }
                }
            }
            const float a = F(static_cast<long double>(t) * Strength);
            const float m = F(1.0L - a);
            const long double br = (px >> 16) & 0xFF, bg = (px >> 8) & 0xFF, bb = px & 0xFF;
            const int r = RoundHalfEven(br * m + cr * a);
            const int g = RoundHalfEven(bg * m + cg * a);
            const int b = RoundHalfEven(bb * m + cb * a);
            line[x] = 0xFF000000u | (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
                      static_cast<std::uint32_t>(b);
        }
    }
    std::fesetround(savedRounding);
}
