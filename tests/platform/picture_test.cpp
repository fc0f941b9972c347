// The photograph's data block and the JPEG picture: layout, decoding, and damaged streams.
#include "platform/exception.h"
#include "platform/jpeg_image.h"
#include "platform/picture.h"
#include "platform/reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

// The bytes of the first picture data block in the embedded board description.
std::vector<std::uint8_t> EmbeddedPictureBlock() { return FindBinaryProperty(FindResource("TMAINFORM"), "Picture.Data"); }

std::vector<std::uint8_t> EmbeddedJpeg() {
    std::vector<std::uint8_t> block = EmbeddedPictureBlock();
    return block.size() > 15 ? std::vector<std::uint8_t>(block.begin() + 15, block.end()) : block;
}

std::vector<std::uint8_t> Block(const std::string& cls, std::uint32_t length, const std::vector<std::uint8_t>& payload) {
    std::vector<std::uint8_t> b;
    b.reserve(1 + cls.size() + 4 + payload.size());
    b.push_back(static_cast<std::uint8_t>(cls.size()));
    for (char c : cls) b.push_back(static_cast<std::uint8_t>(c));
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(length >> (8 * i)));
    for (std::uint8_t byte : payload) b.push_back(byte);
    return b;
}

TEST(PictureData, EmbeddedBlockIsNamedLengthPrefixedJpeg) {
    std::vector<std::uint8_t> block = EmbeddedPictureBlock();
    ASSERT_GT(block.size(), 15u);
    EXPECT_EQ(block[0], 10);
    EXPECT_EQ(std::string(block.begin() + 1, block.begin() + 11), "TJPEGImage");
    std::uint32_t length = block[11] | (block[12] << 8) | (block[13] << 16) | (static_cast<std::uint32_t>(block[14]) << 24);
    EXPECT_EQ(length, block.size() - 15); // the length field equals the bytes that follow it
    EXPECT_EQ(block[15], 0xFF);
    EXPECT_EQ(block[16], 0xD8); // start of image
}

TEST(PictureData, PhotographIsBaselineJfif420At72Dpi) {
    std::vector<std::uint8_t> jpeg = EmbeddedJpeg();
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    ASSERT_EQ(jpeg_read_header(&cinfo, TRUE), JPEG_HEADER_OK);
    EXPECT_EQ(cinfo.image_width, 600u);
    EXPECT_EQ(cinfo.image_height, 561u);
    EXPECT_EQ(cinfo.num_components, 3);
    EXPECT_EQ(cinfo.data_precision, 8);
    EXPECT_FALSE(cinfo.progressive_mode);
    EXPECT_FALSE(cinfo.arith_code);
    EXPECT_TRUE(cinfo.saw_JFIF_marker);
    EXPECT_EQ(cinfo.JFIF_major_version, 1);
    EXPECT_EQ(cinfo.JFIF_minor_version, 1);
    EXPECT_EQ(cinfo.density_unit, 1);
    EXPECT_EQ(cinfo.X_density, 72);
    EXPECT_EQ(cinfo.Y_density, 72);
    EXPECT_EQ(cinfo.restart_interval, 0u);
    EXPECT_EQ(cinfo.comp_info[0].h_samp_factor, 2);
    EXPECT_EQ(cinfo.comp_info[0].v_samp_factor, 2);
    for (int c = 1; c < 3; ++c) {
        EXPECT_EQ(cinfo.comp_info[c].h_samp_factor, 1);
        EXPECT_EQ(cinfo.comp_info[c].v_samp_factor, 1);
    }
    jpeg_destroy_decompress(&cinfo);
}

TEST(PictureData, LoadsTheJpegGraphicAtFullSize) {
    TPicture picture;
    int changes = 0;
    struct Counter {
        int& n;
        void Changed(TObject*) { ++n; }
    } counter{changes};
    picture.OnChange = TNotifyEvent::Of<&Counter::Changed>(&counter);
    picture.LoadFromData(EmbeddedPictureBlock());
    ASSERT_NE(picture.Graphic(), nullptr);
    EXPECT_EQ(picture.Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(picture.Width(), 600);
    EXPECT_EQ(picture.Height(), 561);
    EXPECT_EQ(changes, 1);
    auto* jpeg = static_cast<TJPEGImage*>(picture.Graphic());
    const TBitmap& bitmap = jpeg->Bitmap();
    EXPECT_EQ(bitmap.Width(), 600);
    EXPECT_EQ(bitmap.Height(), 561);
    EXPECT_EQ(bitmap.ScanLine(280)[300] >> 24, 0xFFu); // opaque pixels
}

TEST(PictureData, RefusesMalformedBlocks) {
    std::vector<std::uint8_t> jpeg = EmbeddedJpeg();
    struct Case {
        const char* Name;
        std::vector<std::uint8_t> Data;
    } cases[] = {
        {"empty", {}},
        {"name longer than the block", {40, 'T', 'J'}},
        {"unknown class", Block("TMetafile", 2, {1, 2})},
        {"no length field", {10, 'T', 'J', 'P', 'E', 'G', 'I', 'm', 'a', 'g', 'e', 1, 0}},
        {"length too short", Block("TJPEGImage", static_cast<std::uint32_t>(jpeg.size() - 1), jpeg)},
        {"length too long", Block("TJPEGImage", static_cast<std::uint32_t>(jpeg.size() + 1), jpeg)},
        {"length past 4 GiB range", Block("TJPEGImage", 0xFFFFFFFFu, jpeg)},
    };
    for (const Case& c : cases) {
        TPicture picture;
        EXPECT_THROW(picture.LoadFromData(c.Data), EReadError) << c.Name;
        EXPECT_EQ(picture.Graphic(), nullptr) << c.Name;
    }
}

TEST(JpegImage, DamagedStreamsRaiseJpegErrorOnceAndThenDrawNothing) {
    std::vector<std::uint8_t> good = EmbeddedJpeg();
    ASSERT_GT(good.size(), 2000u);
    std::vector<std::uint8_t> flipped = good;
    for (size_t i = flipped.size() / 2; i < flipped.size() / 2 + 64; ++i) flipped[i] = 0xFF;
    struct Case {
        const char* Name;
        std::vector<std::uint8_t> Data;
    } cases[] = {
        {"truncated in the middle", std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<long>(good.size() / 2))},
        {"header only", std::vector<std::uint8_t>(good.begin(), good.begin() + 700)},
        {"start marker only", {0xFF, 0xD8}},
        {"not a JPEG", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0}},
        {"damaged entropy data", flipped},
    };
    for (const Case& c : cases) {
        TJPEGImage image;
        image.LoadFromBytes(c.Data);
        try {
            image.Bitmap();
            ADD_FAILURE() << c.Name << ": no error";
        } catch (const EJPEGError& e) {
            EXPECT_EQ(e.Message(), "JPEG error #" + std::to_string(e.Code())) << c.Name;
            EXPECT_GT(e.Code(), 0) << c.Name;
        }
        EXPECT_TRUE(image.Broken()) << c.Name;
    }
}

TEST(JpegImage, HeaderSizeWithoutDecodingAndZeroForAnUnreadableHeader) {
    TJPEGImage image;
    image.LoadFromBytes(EmbeddedJpeg());
    EXPECT_EQ(image.Width(), 600);
    EXPECT_EQ(image.Height(), 561);
    TJPEGImage broken;
    broken.LoadFromBytes({0xFF, 0xD8, 0xFF});
    EXPECT_EQ(broken.Width(), 0);
    EXPECT_EQ(broken.Height(), 0);
    EXPECT_FALSE(broken.Empty());
}

} // namespace
