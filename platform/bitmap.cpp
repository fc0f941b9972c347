#include "bitmap.h"

#include "exception.h"
#include "qt_util.h"

#include <QImage>
#include <QPainter>

// The canvas of a bitmap: a painter begun on first use and ended before the pixels are touched directly.
class TBitmap::TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap& owner) : FOwner(owner) {}
    ~TBitmapCanvas() override { End(); }
    QPainter* Painter() override {
        if (FOwner.Empty()) return nullptr;
        if (!FPainter.isActive()) FPainter.begin(FOwner.FImage.get());
        return &FPainter;
    }
    void End() {
        if (FPainter.isActive()) FPainter.end();
    }

private:
    TBitmap& FOwner;
    QPainter FPainter;
};

TBitmap::TBitmap() : FImage(std::make_unique<QImage>()) {}

TBitmap::~TBitmap() { FCanvas.reset(); }

void TBitmap::EndPaint() const {
    if (FCanvas) FCanvas->End();
}

void TBitmap::SetSize(int width, int height) { Resize(width, height, true); }

void TBitmap::SetSizeForOverwrite(int width, int height) { Resize(width, height, false); }

void TBitmap::Resize(int width, int height, bool clear) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (width == FWidth && height == FHeight) return;
    EndPaint();
    if (width == 0 || height == 0) {
        *FImage = QImage();
    } else {
        QImage image(width, height, QImage::Format_RGB32);
        if (image.isNull()) throw EOutOfResources("Out of memory for a bitmap of " + std::to_string(width) + " x " +
                                                  std::to_string(height) + " pixels");
        if (clear) image.fill(Qt::white);
        *FImage = std::move(image);
    }
    FWidth = width;
    FHeight = height;
}

std::uint32_t* TBitmap::ScanLine(int y) {
    if (y < 0 || y >= FHeight) throw Exception("Scan line index out of range");
    EndPaint();
    return reinterpret_cast<std::uint32_t*>(FImage->scanLine(y));
}

const std::uint32_t* TBitmap::ScanLine(int y) const {
    if (y < 0 || y >= FHeight) throw Exception("Scan line index out of range");
    EndPaint();
    return reinterpret_cast<const std::uint32_t*>(std::as_const(*FImage).constScanLine(y));
}

TColor TBitmap::Pixel(int x, int y) const {
    if (x < 0 || x >= FWidth || y < 0 || y >= FHeight) return clNone;
    std::uint32_t p = ScanLine(y)[x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

void TBitmap::SetPixel(int x, int y, TColor c) {
    if (x < 0 || x >= FWidth || y < 0 || y >= FHeight) return;
    TColor rgb = ColorToRGB(c);
    ScanLine(y)[x] = 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(rgb)) << 16) |
                     (static_cast<std::uint32_t>(GetGValue(rgb)) << 8) | static_cast<std::uint32_t>(GetBValue(rgb));
}

void TBitmap::Assign(const TBitmap& Source) {
    if (&Source == this) return;
    EndPaint();
    *FImage = Source.Image().copy();
    FWidth = Source.FWidth;
    FHeight = Source.FHeight;
}

TCanvas& TBitmap::Canvas() {
    if (!FCanvas) FCanvas = std::make_unique<TBitmapCanvas>(*this);
    return *FCanvas;
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) {
    QPainter* p = canvas.Painter();
    if (!p || Empty()) return;
    EndPaint();
    if (rect.Width() == FWidth && rect.Height() == FHeight)
        p->drawImage(rect.Left, rect.Top, *FImage);
    else
        p->drawImage(ToQRect(rect), *FImage);
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
    auto copy = std::make_unique<TBitmap>();
    EndPaint();
    *copy->FImage = FImage->copy();
    copy->FWidth = FWidth;
    copy->FHeight = FHeight;
    copy->SetTransparent(Transparent());
    return copy;
}

void TBitmap::ReadData(const std::vector<std::uint8_t>&, size_t) {
    throw EReadError("Bitmap data in a description is not supported");
}

const QImage& TBitmap::Image() const {
    EndPaint();
    return *FImage;
}

QImage& TBitmap::Image() {
    EndPaint();
    return *FImage;
}
