// TJPEGImage: a JPEG stream, decoded with libjpeg-turbo when first drawn.
#pragma once

#include "bitmap.h"
#include "exception.h"
#include "graphic.h"

#include <cstdint>
#include <memory>
#include <vector>

// A decoder failure; the message reads "JPEG error #N" with libjpeg's message code.
class EJPEGError : public Exception {
public:
    explicit EJPEGError(int code) : Exception("JPEG error #" + std::to_string(code)), FCode(code) {}
    int Code() const { return FCode; }

private:
    int FCode;
};

class TJPEGImage : public TGraphic {
public:
    std::string ClassName() const override { return "TJPEGImage"; }

    // Takes the JPEG stream; nothing is decoded yet.
    void LoadFromBytes(std::vector<std::uint8_t> bytes);
    const std::vector<std::uint8_t>& Data() const { return FData; }

    // The size from the stream's header; 0 when the header cannot be read.
    int Width() override;
    int Height() override;
    bool Empty() override { return FData.empty(); }
    void Draw(TCanvas& canvas, const TRect& rect) override;
    std::unique_ptr<TGraphic> Clone() const override;
    // A 32-bit little-endian length, then that many bytes of JPEG stream.
    void ReadData(const std::vector<std::uint8_t>& data, size_t offset) override;

    // Decodes at full size (once) and returns the pixels; raises EJPEGError on a corrupt stream.
    // After a failure the image stays broken: later draws draw nothing rather than fail again.
    const TBitmap& Bitmap();
    bool Broken() const { return FBroken; }

private:
    void ReadHeader();

    std::vector<std::uint8_t> FData;
    std::unique_ptr<TBitmap> FBitmap;
    bool FHeaderRead = false;
    bool FBroken = false;
    int FWidth = 0;
    int FHeight = 0;
};

// Decodes a JPEG stream into a bitmap; raises EJPEGError. Shared by the image class and the tools.
void DecodeJPEG(const std::uint8_t* data, size_t size, TBitmap& out);

void RegisterJPEGImage();
