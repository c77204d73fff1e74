#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <memory>

#include "app/Pictures.h"
#include "framework/gui/Picture.h"

namespace {

class PictureCaches : public ::testing::Test {
protected:
    void SetUp() override { Pictures::Exit(); }
    void TearDown() override { Pictures::Exit(); }
};

}  // namespace

TEST_F(PictureCaches, EachIsReadOnceAndKept) {
    const struct {
        const char* name;
        std::shared_ptr<fw::Picture> (*accessor)();
        int width, height;
    } pictures[] = {
        {"back", back, 100, 22},
        {"back2", back2, 100, 22},
        {"PavrineTitle", PavrineTitle, 386, 155},
    };
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.name);
        const int readsBefore = fw::ResourceFile::PictureReads();
        const auto first = p.accessor();
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->Width(), p.width);
        EXPECT_EQ(first->Height(), p.height);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(p.accessor(), first);
        EXPECT_EQ(fw::ResourceFile::PictureReads() - readsBefore, 1);
    }
}

TEST_F(PictureCaches, TheFacesDiffer) {
    EXPECT_NE(back()->Pixmap().toImage(), back2()->Pixmap().toImage());
}

TEST_F(PictureCaches, AMissingPictureIsNilAndAskedForAgain) {
    PictureCache missing(171);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(missing.Get(), nullptr);
        EXPECT_TRUE(missing.Empty());
    }
}

TEST_F(PictureCaches, ShutDownEmptiesTheCachesSoTheNextRunReadsAgain) {
    back();
    back2();
    PavrineTitle();
    Pictures::Exit();
    EXPECT_TRUE(Pictures::back_permapic.Empty());
    EXPECT_TRUE(Pictures::back2_permapic.Empty());
    EXPECT_TRUE(Pictures::PavrineTitle_permapic.Empty());
    const int before = fw::ResourceFile::PictureReads();
    back();
    EXPECT_EQ(fw::ResourceFile::PictureReads() - before, 1);
}
