// The translucent ring of a highlight circle, blended into a bitmap that holds the background.
#pragma once

#include "platform/types.h"

class TBitmap;

// Blends a ring of the colour into the ellipse inscribed in the bitmap: a faint tint inside 0.77 of
// the radius, rising to the full strength at 0.875 and fading out at the edge. The glow look
// doubles the ring and puts a white core in its middle. The arithmetic is done in 32-bit floats,
// step by step, and each channel is rounded half to even, so the result is exact and repeatable.
// A bitmap one pixel wide or high has no ring and stays as it is.
void BlendRing(TBitmap& Bitmap, TColor Color, float Strength, bool Glow);
