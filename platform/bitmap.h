// A 32-bit off-screen bitmap with direct pixel access.
#pragma once

#include "canvas.h"
#include "graphic.h"

#include <cstdint>
#include <memory>

class QImage;

enum class TPixelFormat { pf32bit };
using enum TPixelFormat;

class TBitmap : public TGraphic {
public:
    TBitmap();
    ~TBitmap() override;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    std::string ClassName() const override { return "TBitmap"; }
    int Width() override { return FWidth; }
    int Height() override { return FHeight; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Empty() override { return FWidth == 0 || FHeight == 0; }
    // A new size clears the bitmap to white.
    void SetSize(int width, int height);
    // A new size whose pixels the caller overwrites at once, every one of them; they are left unset.
    void SetSizeForOverwrite(int width, int height);
    void SetWidth(int w) { SetSize(w, FHeight); }
    void SetHeight(int h) { SetSize(FWidth, h); }
    TPixelFormat PixelFormat() const { return pf32bit; }
    void SetPixelFormat(TPixelFormat) {}

    // Pixels are 0xAARRGGBB words; the alpha byte is always 0xFF.
    std::uint32_t* ScanLine(int y);
    const std::uint32_t* ScanLine(int y) const;
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor c);

    // Takes a copy of the other bitmap's size and pixels.
    void Assign(const TBitmap& Source);
    TCanvas& Canvas();
    void Draw(TCanvas& canvas, const TRect& rect) override;
    std::unique_ptr<TGraphic> Clone() const override;
    void ReadData(const std::vector<std::uint8_t>& data, size_t offset) override;

    // The underlying image, for the layer's own drawing code.
    const QImage& Image() const;
    QImage& Image();

private:
    class TBitmapCanvas;
    void EndPaint() const;
    void Resize(int width, int height, bool clear);

    int FWidth = 0;
    int FHeight = 0;
    std::unique_ptr<QImage> FImage;
    std::unique_ptr<TBitmapCanvas> FCanvas;
};
