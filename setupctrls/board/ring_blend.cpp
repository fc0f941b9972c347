#include "ring_blend.h"

#include "platform/bitmap.h"

#include <algorithm>
#include <array>
#include <memory>
#include <emmintrin.h>
#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {
// Each intermediate is formed at extended precision and stored as a 32-bit float, step by step.
inline float F(long double v) { return static_cast<float>(v); }

// Rounds half to even for 0 <= v < 2^51: adding and taking away 2^52 leaves the integer that the
// default rounding mode (to nearest, halves to even) chooses.
inline std::uint32_t RoundHalfEven(double v) {
    double shifted = v + 4503599627370496.0;
    return static_cast<std::uint32_t>(shifted - 4503599627370496.0);
}

// One channel: base weighted by m plus the ring colour weighted by a. Both products of an 8-bit
// integer and a float are exact in a double, and so is their sum; only the final rounding remains.
inline std::uint32_t Mix(std::uint32_t base, float m, double colour, float a) {
    return RoundHalfEven(static_cast<double>(base) * m + colour * a);
}

// One look's ring colour, weighted per pixel: the three channels in two pairs of doubles.
struct TLookColour {
    __m128d BlueGreen; // colour channels as doubles, blue in the low lane
    __m128d Red;
};

// base * m + colour * a for the three channels, each rounded half to even (the conversion
// instruction rounds by the current mode, which is to nearest). The products of an 8-bit integer
// and a float are exact in a double, and so is their sum, so the one rounding is the only one.
// A float product, difference or sum rounds the exact result once, as forming it wider and then
// storing it as a float does; so a and m can stay floats.
inline std::uint32_t MixPixel(std::uint32_t px, float a, const TLookColour& c) {
    const float m = 1.0f - a;
    const __m128d mm = _mm_set1_pd(m);
    const __m128d aa = _mm_set1_pd(a);
    const __m128i bytes = _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(px)), _mm_setzero_si128()),
                                             _mm_setzero_si128());
    const __m128d bg = _mm_cvtepi32_pd(bytes);
    const __m128d ra = _mm_cvtepi32_pd(_mm_srli_si128(bytes, 8));
    const __m128i lo = _mm_cvtpd_epi32(_mm_add_pd(_mm_mul_pd(bg, mm), _mm_mul_pd(c.BlueGreen, aa)));
    const __m128i hi = _mm_cvtpd_epi32(_mm_add_pd(_mm_mul_pd(ra, mm), _mm_mul_pd(c.Red, aa)));
    const __m128i all = _mm_unpacklo_epi64(lo, hi); // blue, green, red, 0 as 32-bit lanes
    const __m128i packed = _mm_packus_epi16(_mm_packs_epi32(all, all), _mm_setzero_si128());
    return 0xFF000000u | static_cast<std::uint32_t>(_mm_cvtsi128_si32(packed));
}

// 1 - 8 |sqrt(d) - 0.875| as a float, formed at extended precision. A double gets the same float
// unless its value lies within a hair of a point halfway between two floats; only then is the
// slower extended arithmetic needed.
inline float RingStrength(float d) {
    const double exact = 1.0 - 8.0 * std::fabs(std::sqrt(static_cast<double>(d)) - 0.875);
    const float f = static_cast<float>(exact);
    const double up = std::bit_cast<float>(std::bit_cast<std::uint32_t>(f) + 1u);
    const double down = f > 0.0f ? static_cast<double>(std::bit_cast<float>(std::bit_cast<std::uint32_t>(f) - 1u)) : -1.0;
    const double below = (down + f) / 2, above = (up + f) / 2;
    if (exact - below > 0x1p-45 && above - exact > 0x1p-45) return f;
    return F(1.0L - 8.0L * std::fabs(std::sqrt(static_cast<long double>(d)) - 0.875L));
}

// Inside the inner disc every pixel of a look is tinted alike, so each channel is a table lookup.
struct TDiscTable {
    std::array<std::uint8_t, 256> Channel[3];
    void Build(float a, const double (&c)[3]) {
        const float m = F(1.0L - a);
        for (int k = 0; k < 3; ++k)
            for (std::uint32_t b = 0; b < 256; ++b) Channel[k][b] = static_cast<std::uint8_t>(Mix(b, m, c[k], a));
    }
    std::uint32_t Apply(std::uint32_t px) const {
        return 0xFF000000u | (static_cast<std::uint32_t>(Channel[0][(px >> 16) & 0xFF]) << 16) |
               (static_cast<std::uint32_t>(Channel[1][(px >> 8) & 0xFF]) << 8) | Channel[2][px & 0xFF];
    }
};
} // namespace

void BlendRings(const TBitmap& Background, std::initializer_list<TRingLook> Looks, TColor Color) {
    const int w = Background.Width(), h = Background.Height();
    for (const TRingLook& look : Looks)
        if (look.Bitmap->Width() != w || look.Bitmap->Height() != h) return;
    // Every look starts as the background; the ellipse is then blended over it.
    for (const TRingLook& look : Looks)
        if (look.Bitmap != &Background)
            for (int y = 0; y < h; ++y)
                std::copy_n(Background.ScanLine(y), w, look.Bitmap->ScanLine(y));
    if (Looks.size() == 0 || w <= 1 || h <= 1) return;

    const int savedRounding = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const TColor rgb = ColorToRGB(Color);
    const double colour[3] = {static_cast<double>(GetRValue(rgb)), static_cast<double>(GetGValue(rgb)),
                              static_cast<double>(GetBValue(rgb))};
    const TLookColour lookColour{_mm_set_pd(colour[1], colour[2]), _mm_set_pd(0.0, colour[0])};
    const float disc = 0.16f;
    std::vector<TDiscTable> discTables(Looks.size());
    size_t n = 0;
    for (const TRingLook& look : Looks) discTables[n++].Build(F(static_cast<long double>(disc) * look.Strength), colour);

    // The ring's strength at every pixel, or a mark for the pixels outside the ellipse and inside
    // the disc. The ellipse is symmetric, but the float steps need not be: a row (or column) takes
    // its mirror's values only where its v (or u) is exactly the mirror's negated.
    constexpr float Outside = -1.0f;
    const float sx = F(2.0L / (w - 1));
    const float sy = F(2.0L / (h - 1));
    std::vector<float> us(static_cast<size_t>(w)), vs(static_cast<size_t>(h));
    for (int x = 0; x < w; ++x) us[static_cast<size_t>(x)] = F(static_cast<long double>(x) * sx - 1.0L);
    for (int y = 0; y < h; ++y) vs[static_cast<size_t>(y)] = F(static_cast<long double>(y) * sy - 1.0L);
    std::vector<int> mirror(static_cast<size_t>(w), -1);
    for (int x = 0; x < w; ++x)
        if (w - 1 - x < x && us[static_cast<size_t>(w - 1 - x)] == -us[static_cast<size_t>(x)]) mirror[static_cast<size_t>(x)] = w - 1 - x;
    // Along a row, u rises with x, so d falls toward the column where u reaches 0 and rises after it:
    // walking in from either end, the pixels are outside the ellipse, then on the ring, then in the
    // inner disc up to that column. The disc needs no d at all, only its two ends.
    const int centre = static_cast<int>(std::lower_bound(us.begin(), us.end(), 0.0f) - us.begin());
    std::unique_ptr<float[]> strength(new float[static_cast<size_t>(w) * static_cast<size_t>(h)]);
    std::vector<int> discFrom(static_cast<size_t>(h)), discTo(static_cast<size_t>(h));
    for (int y = 0; y < h; ++y) {
        float* row = &strength[static_cast<size_t>(y) * static_cast<size_t>(w)];
        const int my = h - 1 - y;
        if (my < y && vs[static_cast<size_t>(my)] == -vs[static_cast<size_t>(y)]) {
            std::copy_n(&strength[static_cast<size_t>(my) * static_cast<size_t>(w)], w, row);
            discFrom[static_cast<size_t>(y)] = discFrom[static_cast<size_t>(my)];
            discTo[static_cast<size_t>(y)] = discTo[static_cast<size_t>(my)];
            continue;
        }
        const long double vv = static_cast<long double>(vs[static_cast<size_t>(y)]) * vs[static_cast<size_t>(y)];
        int from = centre;
        for (int x = 0; x < centre; ++x) {
            const long double u = us[static_cast<size_t>(x)];
            const float d = F(u * u + vv);
            if (d < 0.5929f) {
                from = x;
                break;
            }
            row[x] = d >= 1.0f ? Outside : RingStrength(d);
        }
        int to = centre;
        for (int x = w - 1; x >= centre; --x) {
            const int mx = mirror[static_cast<size_t>(x)];
            if (mx >= 0 && mx < from) {
                row[x] = row[mx]; // the mirror column on the left has exactly the same d
                continue;
            }
            const long double u = us[static_cast<size_t>(x)];
            const float d = F(u * u + vv);
            if (d < 0.5929f) {
                to = x + 1;
                break;
            }
            row[x] = d >= 1.0f ? Outside : RingStrength(d);
        }
        discFrom[static_cast<size_t>(y)] = from;
        discTo[static_cast<size_t>(y)] = to;
    }

    // A look blended in place over the background goes last, so the others still read it unchanged.
    std::vector<size_t> order;
    for (size_t i = 0; i < Looks.size(); ++i)
        if (Looks.begin()[i].Bitmap != &Background) order.push_back(i);
    for (size_t i = 0; i < Looks.size(); ++i)
        if (Looks.begin()[i].Bitmap == &Background) order.push_back(i);
    for (size_t index : order) {
        const TRingLook& look = Looks.begin()[index];
        const TDiscTable& discTable = discTables[index];
        for (int y = 0; y < h; ++y) {
            const float* row = &strength[static_cast<size_t>(y) * static_cast<size_t>(w)];
            const std::uint32_t* source = Background.ScanLine(y);
            std::uint32_t* out = look.Bitmap->ScanLine(y);
            const int from = discFrom[static_cast<size_t>(y)], to = discTo[static_cast<size_t>(y)];
            for (int x = from; x < to; ++x) out[x] = discTable.Apply(source[x]);
            for (int x = 0; x < w; ++x) {
                if (x == from) x = to; // past the disc
                if (x >= w) break;
                const float ring = row[x];
                if (ring == Outside) continue;
                float t = ring;
                std::uint32_t px = source[x];
                if (look.Glow) {
                    t = 2.0f * t;
                    if (t > 1.0f) {
                        px = 0xFFFFFFFFu;
                        t = 2.0f - t;
                    }
                }
                out[x] = MixPixel(px, t * look.Strength, lookColour);
            }
        }
    }
    std::fesetround(savedRounding);
}

void BlendRing(TBitmap& Bitmap, TColor Color, float Strength, bool Glow) {
    BlendRings(Bitmap, {{&Bitmap, Strength, Glow}}, Color);
}
