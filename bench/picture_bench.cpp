// Decoding the embedded photograph through the picture classes against a raw libjpeg-turbo decode.
#include "app/main_form.h"
#include "bench_report.h"
#include "platform/jpeg_image.h"
#include "platform/picture.h"
#include "platform/reader.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

// The Picture.Data block of the embedded description, as the reader would hand it over.
std::vector<std::uint8_t> PictureBlock() { return FindBinaryProperty(FindResource("TMAINFORM"), "Picture.Data"); }

const std::vector<std::uint8_t>& Block() {
    static std::vector<std::uint8_t> block = [] {
        RegisterSetupProgram();
        return PictureBlock();
    }();
    return block;
}

void RawLibjpegDecode(benchmark::State& state) {
    const auto& block = Block();
    const std::uint8_t* jpeg = block.data() + 15;
    size_t size = block.size() - 15;
    for (auto _ : state) {
        jpeg_decompress_struct cinfo;
        jpeg_error_mgr jerr;
        cinfo.err = jpeg_std_error(&jerr);
        jpeg_create_decompress(&cinfo);
        jpeg_mem_src(&cinfo, jpeg, static_cast<unsigned long>(size));
        jpeg_read_header(&cinfo, TRUE);
        cinfo.out_color_space = JCS_EXT_BGRA;
        jpeg_start_decompress(&cinfo);
        size_t stride = static_cast<size_t>(cinfo.output_width) * 4;
        auto* pixels = static_cast<unsigned char*>(std::malloc(stride * cinfo.output_height));
        while (cinfo.output_scanline < cinfo.output_height) {
            JSAMPROW row = pixels + stride * cinfo.output_scanline;
            jpeg_read_scanlines(&cinfo, &row, 1);
        }
        jpeg_finish_decompress(&cinfo);
        jpeg_destroy_decompress(&cinfo);
        benchmark::DoNotOptimize(pixels[stride * 280 + 1200]);
        std::free(pixels);
    }
}
BENCHMARK(RawLibjpegDecode)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void PictureClassDecode(benchmark::State& state) {
    const auto& block = Block();
    for (auto _ : state) {
        TPicture picture;
        picture.LoadFromData(block);
        const TBitmap& bitmap = static_cast<TJPEGImage*>(picture.Graphic())->Bitmap();
        benchmark::DoNotOptimize(bitmap.ScanLine(280)[300]);
    }
}
BENCHMARK(PictureClassDecode)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

int main(int argc, char** argv) {
    // The picture classes need no window, but the bitmap lives in Qt's image type.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return RunBenchmarksWithRatios(argc, argv, {{"PictureClassDecode", "RawLibjpegDecode", 1.10}});
}
