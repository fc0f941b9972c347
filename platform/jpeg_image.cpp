#include "jpeg_image.h"

#include "canvas.h"
#include "picture.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>

namespace {
// libjpeg reports errors through a callback that must not return; it jumps back to the decoder.
// Warnings about corrupt data are treated as errors too, so that a damaged stream never shows
// half a picture without telling the user.
struct TJpegErrorManager {
    jpeg_error_mgr Pub;
    std::jmp_buf Jump;
    int Code;
};

void OnJpegError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<TJpegErrorManager*>(cinfo->err);
    err->Code = cinfo->err->msg_code;
    std::longjmp(err->Jump, 1);
}

void OnJpegMessage(j_common_ptr cinfo, int level) {
    if (level < 0) OnJpegError(cinfo);
}

void OnJpegOutput(j_common_ptr) {}

// Runs the header read (and optionally the full decode) in a frame with no C++ objects that
// need destruction, so the jump back is safe.
// Larger pictures than this are refused rather than allocated.
constexpr unsigned long long MaxPixels = 64ull * 1024 * 1024;

int DecodeInto(const std::uint8_t* data, size_t size, int* width, int* height, TBitmap* out) {
    jpeg_decompress_struct cinfo;
    TJpegErrorManager err;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&err.Pub);
    err.Pub.error_exit = OnJpegError;
    err.Pub.emit_message = OnJpegMessage;
    err.Pub.output_message = OnJpegOutput;
    err.Code = 0;
    if (setjmp(err.Jump)) {
        jpeg_destroy_decompress(&cinfo);
        return err.Code == 0 ? -1 : err.Code;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    *width = static_cast<int>(cinfo.image_width);
    *height = static_cast<int>(cinfo.image_height);
    if (out) {
        cinfo.out_color_space = JCS_EXT_BGRA; // the bitmap's 0xAARRGGBB words, alpha set to 0xFF
        cinfo.dct_method = JDCT_ISLOW;
        jpeg_start_decompress(&cinfo);
        if (static_cast<unsigned long long>(cinfo.output_width) * cinfo.output_height > MaxPixels) {
            jpeg_destroy_decompress(&cinfo);
            return JERR_IMAGE_TOO_BIG;
        }
        out->SetSize(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
        JSAMPROW rows[8];
        while (cinfo.output_scanline < cinfo.output_height) {
            JDIMENSION n = 0;
            for (; n < 8 && cinfo.output_scanline + n < cinfo.output_height; ++n)
                rows[n] = reinterpret_cast<JSAMPROW>(out->ScanLine(static_cast<int>(cinfo.output_scanline + n)));
            jpeg_read_scanlines(&cinfo, rows, n);
        }
        jpeg_finish_decompress(&cinfo);
    }
    jpeg_destroy_decompress(&cinfo);
    return 0;
}
} // namespace

void DecodeJPEG(const std::uint8_t* data, size_t size, TBitmap& out) {
    int w = 0, h = 0;
    if (!data || size == 0) throw EJPEGError(JERR_INPUT_EMPTY);
    int code = DecodeInto(data, size, &w, &h, &out);
    if (code != 0) throw EJPEGError(code);
}

void TJPEGImage::LoadFromBytes(std::vector<std::uint8_t> bytes) {
    FData = std::move(bytes);
    FBitmap.reset();
    FHeaderRead = false;
    FBroken = false;
}

void TJPEGImage::ReadHeader() {
    if (FHeaderRead) return;
    FHeaderRead = true;
    if (FData.empty()) return;
    int w = 0, h = 0;
    if (DecodeInto(FData.data(), FData.size(), &w, &h, nullptr) == 0) {
        FWidth = w;
        FHeight = h;
    }
}

int TJPEGImage::Width() {
    ReadHeader();
    return FWidth;
}

int TJPEGImage::Height() {
    ReadHeader();
    return FHeight;
}

const TBitmap& TJPEGImage::Bitmap() {
    if (!FBitmap) {
        if (FBroken) throw EJPEGError(JERR_INPUT_EMPTY);
        auto bitmap = std::make_unique<TBitmap>();
        try {
            DecodeJPEG(FData.data(), FData.size(), *bitmap);
        } catch (...) {
            FBroken = true;
            throw;
        }
        FBitmap = std::move(bitmap);
    }
    return *FBitmap;
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect) {
    if (FData.empty() || FBroken) return;
    const TBitmap& bitmap = Bitmap();
    const_cast<TBitmap&>(bitmap).Draw(canvas, rect);
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const {
    auto copy = std::make_unique<TJPEGImage>();
    copy->LoadFromBytes(FData);
    copy->SetTransparent(Transparent());
    return copy;
}

void TJPEGImage::ReadData(const std::vector<std::uint8_t>& data, size_t offset) {
    if (offset + 4 > data.size()) throw EReadError("JPEG data is truncated: no length field");
    std::uint32_t length = static_cast<std::uint32_t>(data[offset]) | (static_cast<std::uint32_t>(data[offset + 1]) << 8) |
                           (static_cast<std::uint32_t>(data[offset + 2]) << 16) |
                           (static_cast<std::uint32_t>(data[offset + 3]) << 24);
    size_t start = offset + 4;
    if (length != data.size() - start)
        throw EReadError("JPEG data length " + std::to_string(length) + " does not match the " +
                         std::to_string(data.size() - start) + " bytes that follow");
    LoadFromBytes(std::vector<std::uint8_t>(data.begin() + static_cast<std::ptrdiff_t>(start), data.end()));
}

void RegisterJPEGImage() {
    RegisterGraphicClass("TJPEGImage", {"jpeg", "jpg"}, [] { return std::make_unique<TJPEGImage>(); });
}
