#include "dip_switch.h"

#include "platform/canvas.h"

#include <algorithm>

namespace {
bool Vertical(TOrientationType o) { return o == otUp || o == otDown; }

// Bit i of the value; switches beyond the 32 bits a value holds are always off.
bool Bit(std::uint32_t value, int i) { return i < 32 && ((value >> i) & 1u) != 0; }
} // namespace

TDipSwitch::TDipSwitch(TComponent* AOwner)
    : TGraphicControl(AOwner), FOutBitmap(std::make_unique<TBitmap>()), FWorkBitmap(std::make_unique<TBitmap>()) {
    FControlStyle.Include(csReplicatable);
    FWidth = 53;
    FHeight = 43;
}

TDipSwitch::~TDipSwitch() = default;

void TDipSwitch::SetSwitchColor(TColor Value) {
    if (Value == FSwitchColor) return;
    FSwitchColor = Value;
    Invalidate();
}

void TDipSwitch::SetValue(std::uint32_t V) {
    if (V == FValue) return;
    FValue = V;
    const int n = FNumSwitches;
    std::string pattern(static_cast<size_t>(n), '0');
    for (int i = 0; i < n; ++i)
        if (Bit(FValue, n - 1 - i)) pattern[static_cast<size_t>(i)] = '1';
    FBinaryValueStr = pattern;
    // Bits of V at N and above are dropped here: the value becomes what the switches show.
    ApplyPattern(pattern);
    Invalidate();
}

void TDipSwitch::SetBinaryValueStr(const std::string& S) { ApplyPattern(S); }

void TDipSwitch::ApplyPattern(std::string Pattern) {
    Pattern.erase(std::remove_if(Pattern.begin(), Pattern.end(), [](char c) { return c != '0' && c != '1'; }),
                  Pattern.end());
    if (Pattern.empty()) return;
    const size_t n = FNumSwitches;
    if (Pattern.size() > n) Pattern.erase(0, Pattern.size() - n);
    if (Pattern.size() < n) Pattern.insert(0, n - Pattern.size(), '0');
    std::uint32_t v = 0;
    for (size_t j = 0; j < n; ++j) {
        const size_t bit = n - 1 - j;
        if (Pattern[j] != '1') continue;
        if (bit < 32)
            v |= 1u << bit;
        else
            Pattern[j] = '0'; // a switch the 32-bit value cannot hold stays off
    }
    if (v == FValue && Pattern == FBinaryValueStr) return;
    FValue = v;
    FBinaryValueStr = Pattern;
    Invalidate();
}

void TDipSwitch::SetNumSwitches(std::uint8_t N) {
    if (N == FNumSwitches) return;
    FNumSwitches = N;
    std::string& s = FBinaryValueStr;
    if (s.size() > N) s.erase(0, s.size() - N);
    if (s.size() < N) s.insert(0, N - s.size(), '0');
    const std::string adjusted = s;
    ApplyPattern(adjusted);
    if (N == 0) FBinaryValueStr.clear();
    Invalidate();
}

void TDipSwitch::SetOrientation(TOrientationType O) {
    if (O == FOrientation) return;
    if (Vertical(O) != Vertical(FOrientation)) FAxisChanged = true;
    FOrientation = O;
    Invalidate();
}

// The switches upright, as for otUp: body, "ON" label, slots, then knobs.
void TDipSwitch::DrawUpright(int Wb, int Hb) {
    FWorkBitmap->SetSize(Wb, Hb);
    TCanvas& canvas = FWorkBitmap->Canvas();
    const TBrush savedBrush = canvas.Brush();
    const TPen savedPen = canvas.Pen();
    canvas.Pen().Color = clBlack;
    canvas.Brush().Color = clBlack;
    canvas.Brush().Style = bsSolid;
    canvas.FillRect({0, 0, Wb, Hb});

    canvas.Font().SetName("MS Sans Serif");
    canvas.Font().SetSize(8);
    canvas.Font().SetColor(clWhite);
    canvas.Brush().Style = bsClear;
    canvas.TextOut(0, 0, "ON");
    canvas.Brush().Style = bsSolid;

    const int n = FNumSwitches;
    if (n > 0) {
        const int e = (Wb - 3) / (n + 1);
        const int g = (Wb - 3 - n * e) / n;
        const int k = (Hb - 16) / 2;
        const int b = (k * 85) / 100;
        auto left = [&](int i) { return i * (e + g) + g + 1; };
        canvas.Pen().Color = clBlack;
        canvas.Brush().Color = clGray;
        for (int i = 0; i < n; ++i) canvas.Rectangle(left(i), 13, left(i) + e, Hb - 3);
        canvas.Brush().Color = FSwitchColor;
        for (int i = 0; i < n; ++i) {
            if (Bit(FValue, n - 1 - i))
                canvas.Rectangle(left(i), 13, left(i) + e, 13 + b);
            else
                canvas.Rectangle(left(i), Hb - 3 - b, left(i) + e, Hb - 3);
        }
    }
    canvas.Brush() = savedBrush;
    canvas.Pen() = savedPen;
}

// Turns the upright picture into the output picture, pixel by pixel.
void TDipSwitch::Turn(int Wb, int Hb) {
    const bool vertical = Vertical(FOrientation);
    FOutBitmap->SetSize(vertical ? Wb : Hb, vertical ? Hb : Wb);
    const TBitmap& work = *FWorkBitmap;
    TBitmap& out = *FOutBitmap;
    for (int y = 0; y < Hb; ++y) {
        const std::uint32_t* src = work.ScanLine(y);
        switch (FOrientation) {
        case otUp: std::copy_n(src, Wb, out.ScanLine(y)); break;
        case otDown: {
            std::uint32_t* dst = out.ScanLine(Hb - 1 - y);
            for (int x = 0; x < Wb; ++x) dst[Wb - 1 - x] = src[x];
            break;
        }
        case otLeft:
            for (int x = 0; x < Wb; ++x) out.ScanLine(Wb - 1 - x)[y] = src[x];
            break;
        case otRight:
            for (int x = 0; x < Wb; ++x) out.ScanLine(x)[Hb - 1 - y] = src[x];
            break;
        }
    }
}

void TDipSwitch::Paint() {
    const int w = Width(), h = Height();
    const int wb = Vertical(FOrientation) ? w : h;
    const int hb = Vertical(FOrientation) ? h : w;
    if (w > 0 && h > 0) {
        DrawUpright(wb, hb);
        Turn(wb, hb);
    } else {
        FOutBitmap->SetSize(0, 0);
    }
    if (FAxisChanged) {
        FAxisChanged = false;
        if (FPainted) {
            // The size follows the axis; the change of size brings another paint at the new size.
            SetWidth(h);
            SetHeight(w);
        }
    }
    Canvas().BlockCopy(0, 0, *FOutBitmap);
    FPainted = true;
}
