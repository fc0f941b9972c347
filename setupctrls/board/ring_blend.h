// The translucent ring of a highlight circle, blended into bitmaps that hold the background.
#pragma once

#include "platform/types.h"

#include <initializer_list>

class TBitmap;

// Blends a ring of the colour into the ellipse inscribed in the bitmap: a faint tint inside 0.77 of
// the radius, rising to the full strength at 0.875 and fading out at the edge. The glow look
// doubles the ring and puts a white core in its middle. The arithmetic is done in 32-bit floats,
// step by step, and each channel is rounded half to even, so the result is exact and repeatable.
// A bitmap one pixel wide or high has no ring and stays as it is.
void BlendRing(TBitmap& Bitmap, TColor Color, float Strength, bool Glow);

// One look to blend: its bitmap, its strength, and whether it glows.
struct TRingLook {
    TBitmap* Bitmap;
    float Strength;
    bool Glow;
};

// Blends several looks of one circle over one background in a single pass; each look's bitmap
// (of the background's size) receives the background with its ring, exactly as BlendRing makes it.
// The background may be one of the looks' bitmaps.
void BlendRings(const TBitmap& Background, std::initializer_list<TRingLook> Looks, TColor Color);
