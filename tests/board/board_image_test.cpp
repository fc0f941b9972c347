// The board image: centring, the design position, the picture's rectangle and its change handling.
#include "setupctrls/board/board_image.h"

#include "platform/bitmap.h"
#include "platform/form.h"
#include "platform/jpeg_image.h"
#include "platform/reader.h"
#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class TSpyBoardImage : public TBoardImage {
public:
    using TBoardImage::TBoardImage;
    void Invalidate() override {
        ++Invalidations;
        TBoardImage::Invalidate();
    }
    void Paint() override {
        ++Paints;
        TBoardImage::Paint();
    }
    int Invalidations = 0;
    int Paints = 0;
};

std::unique_ptr<TPicture> PictureOfSize(int w, int h) {
    auto picture = std::make_unique<TPicture>();
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(w, h);
    picture->SetGraphic(std::move(bitmap));
    return picture;
}

class BoardImageTest : public testing::Test {
protected:
    BoardImageTest() {
        Parent = new TPanel(&Owner);
        Image = new TSpyBoardImage(&Owner);
        Image->SetParent(Parent);
        Image->SetAutoSize(false);
        Image->SetBounds(134, 34, 600, 561);
    }
    TComponent Owner{nullptr};
    TPanel* Parent;
    TSpyBoardImage* Image;
};

TEST_F(BoardImageTest, CreatedWithItsInitialValues) {
    TSpyBoardImage fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 105);
    EXPECT_EQ(fresh.Height(), 105);
    EXPECT_TRUE(fresh.AutoSize());
    EXPECT_TRUE(fresh.Scale());
    EXPECT_TRUE(fresh.CenterOnForm());
    EXPECT_FALSE(fresh.Stretch());
    EXPECT_FALSE(fresh.Center());
    EXPECT_FALSE(fresh.Transparent());
    EXPECT_EQ(fresh.First(), nullptr);
    EXPECT_EQ(fresh.Menu(), nullptr);
    EXPECT_EQ(fresh.Color(), clBtnFace);
    EXPECT_EQ(fresh.Invalidations, 0); // the picture handler does not run while constructing
}

TEST_F(BoardImageTest, CentresInTheParentTruncatingTowardZero) {
    struct Case {
        int ParentWidth, ParentHeight, Left, Top;
    } cases[] = {
        {1000, 800, 200, 119}, // (800 - 561) / 2 = 119.5
        {595, 561, -2, 0},     // -5 / 2 truncates to -2: the picture overhangs both sides
        {600, 500, 0, -30},    // -61 / 2 truncates to -30
        {599, 560, 0, 0},      // -1 / 2 truncates to 0
    };
    for (const Case& c : cases) {
        Parent->SetBounds(0, 0, c.ParentWidth, c.ParentHeight);
        Image->Paint();
        EXPECT_EQ(Image->Left(), c.Left) << c.ParentWidth;
        EXPECT_EQ(Image->Top(), c.Top) << c.ParentHeight;
    }
    EXPECT_EQ(Image->DesignLeft(), 134);
    EXPECT_EQ(Image->DesignTop(), 34);
}

TEST_F(BoardImageTest, WithoutCenterOnFormStaysButStillCapturesTheDesignPosition) {
    Image->SetCenterOnForm(false);
    Parent->SetBounds(0, 0, 1000, 800);
    Image->Paint();
    EXPECT_EQ(Image->Left(), 134);
    EXPECT_EQ(Image->Top(), 34);
    EXPECT_EQ(Image->DesignLeft(), 134);
    EXPECT_EQ(Image->DesignTop(), 34);
    Image->SetBounds(10, 20, 600, 561);
    Image->Paint();
    EXPECT_EQ(Image->DesignLeft(), 134); // only the first paint records it
    EXPECT_EQ(Image->DesignTop(), 34);
}

TEST_F(BoardImageTest, DestRectStretchesCentresOrKeepsTheNaturalSize) {
    Image->SetPicture(*PictureOfSize(100, 50));
    EXPECT_EQ(Image->DestRect(), (TRect{0, 0, 100, 50}));
    Image->SetCenter(true);
    EXPECT_EQ(Image->DestRect(), Bounds(250, 255, 100, 50));
    Image->SetPicture(*PictureOfSize(700, 600));
    EXPECT_EQ(Image->DestRect(), Bounds(-50, -19, 700, 600)); // clipped on both sides
    Image->SetStretch(true);
    EXPECT_EQ(Image->DestRect(), (TRect{0, 0, 600, 561}));
}

TEST_F(BoardImageTest, AutoSizeTakesThePictureSizeAndKeepsThePlace) {
    Image->SetBounds(134, 34, 105, 105);
    Image->SetPicture(*PictureOfSize(600, 561));
    EXPECT_EQ(Image->BoundsRect(), Bounds(134, 34, 105, 105)); // AutoSize is off
    Image->SetAutoSize(true);
    Image->SetPicture(*PictureOfSize(600, 561));
    EXPECT_EQ(Image->BoundsRect(), Bounds(134, 34, 600, 561));
}

TEST_F(BoardImageTest, SettersWithTheCurrentValueChangeNothing) {
    Image->SetPicture(*PictureOfSize(600, 561));
    TBoardImage* image = Image;
    struct Case {
        const char* Name;
        std::function<void(bool)> Set;
        bool Current;
    } cases[] = {{"Stretch", [image](bool v) { image->SetStretch(v); }, false},
                 {"Center", [image](bool v) { image->SetCenter(v); }, false},
                 {"Transparent", [image](bool v) { image->SetTransparent(v); }, false},
                 {"Scale", [image](bool v) { image->SetScale(v); }, true}};
    for (const Case& c : cases) {
        Image->Invalidations = 0;
        c.Set(c.Current);
        EXPECT_EQ(Image->Invalidations, 0) << c.Name;
        c.Set(!c.Current);
        EXPECT_EQ(Image->Invalidations, 1) << c.Name;
        c.Set(c.Current);
    }
}

TEST_F(BoardImageTest, OpaqueOnlyWhenThePictureCoversTheControl) {
    EXPECT_TRUE(Image->ControlStyle().Contains(csOpaque)); // as every panel starts
    Image->SetPicture(*PictureOfSize(100, 50));
    EXPECT_FALSE(Image->ControlStyle().Contains(csOpaque));
    Image->SetStretch(true);
    EXPECT_TRUE(Image->ControlStyle().Contains(csOpaque));
    Image->SetStretch(false);
    Image->SetPicture(*PictureOfSize(600, 561));
    EXPECT_TRUE(Image->ControlStyle().Contains(csOpaque));
    Image->SetPicture(TPicture());
    EXPECT_FALSE(Image->ControlStyle().Contains(csOpaque));
}

TEST_F(BoardImageTest, CanAutoSizeProposesThePictureSizeAlongTheFreeDirections) {
    Image->SetPicture(*PictureOfSize(300, 200));
    struct Case {
        TAlign Align;
        int Width, Height;
    } cases[] = {{alNone, 300, 200}, {alLeft, 300, 7}, {alRight, 300, 7},
                 {alTop, 9, 200},    {alBottom, 9, 200}, {alClient, 9, 7}};
    for (const Case& c : cases) {
        Image->SetAlign(c.Align);
        int w = 9, h = 7;
        EXPECT_TRUE(Image->CanAutoSize(w, h));
        EXPECT_EQ(w, c.Width);
        EXPECT_EQ(h, c.Height);
    }
}

// On a real window: the parent's outer size decides, and a resize re-centres at the next paint.
TEST(BoardImageOnAForm, CentresOnTheWindowsOuterSizeAndFollowsResizing) {
    TComponent owner(nullptr);
    auto* form = new TForm(&owner);
    auto* image = new TSpyBoardImage(&owner);
    image->SetParent(form);
    image->SetAutoSize(false);
    image->SetBounds(134, 34, 600, 561);
    image->SetStretch(true);
    image->SetPicture(*PictureOfSize(600, 561));
    form->SetBounds(10, 10, 900, 700);
    form->SetVisible(true);
    ASSERT_TRUE(WaitUntil([&] { return image->Paints > 0 && image->Left() == (form->Width() - 600) / 2; }));
    EXPECT_EQ(image->Top(), (form->Height() - 561) / 2);
    EXPECT_EQ(image->DesignLeft(), 134);
    EXPECT_EQ(image->DesignTop(), 34);
    form->SetBounds(10, 10, 1001, 801);
    ASSERT_TRUE(WaitUntil([&] { return image->Left() == (form->Width() - 600) / 2; }));
    EXPECT_EQ(image->Top(), (form->Height() - 561) / 2);
    EXPECT_EQ(image->DesignLeft(), 134);
    form->SetVisible(false);
}

TEST(BoardImageOnAForm, DamagedPhotographIsReportedOnceAndTheWindowStaysUsable) {
    TExceptionRecorder recorder;
    TComponent owner(nullptr);
    auto* form = new TForm(&owner);
    auto* image = new TSpyBoardImage(&owner);
    image->SetParent(form);
    image->SetAutoSize(false);
    image->SetBounds(0, 0, 200, 100);
    image->SetStretch(true);
    auto jpeg = std::make_unique<TJPEGImage>();
    jpeg->LoadFromBytes({0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0});
    image->Picture().SetGraphic(std::move(jpeg));
    form->SetVisible(true);
    ASSERT_TRUE(WaitUntil([&] { return !recorder.Messages().empty(); }));
    EXPECT_EQ(recorder.Messages()[0].rfind("JPEG error #", 0), 0u) << recorder.Messages()[0];
    int paints = image->Paints;
    image->Invalidate();
    ASSERT_TRUE(WaitUntil([&] { return image->Paints > paints; }));
    EXPECT_EQ(recorder.Messages().size(), 1u); // a broken picture is not reported at every paint
    EXPECT_TRUE(form->Visible());
    form->Close();
    EXPECT_FALSE(form->Visible());
}

} // namespace
