// dib32 on the platform: refused sizes, re-creation, the blits' copy and blend, and
// that no GDI handle outlives its buffer.
#include <gtest/gtest.h>

#include "image/dib32.h"
#include "test_support.h"

TEST(Dib32Test, RefusedSizesGiveAnEmptyBufferThatEveryOperationLeavesAlone) {
    for (auto size : {std::make_pair(0, 5), std::make_pair(5, -1), std::make_pair(70000, 70000)}) {
        dib32 d;
        EXPECT_FALSE(d.create(size.first, size.second, true));
        EXPECT_TRUE(d.view().empty());
        EXPECT_EQ(d.width(), 0);
        d.fill({1, 2, 3, 4});
        d.setPixel(0, 0, {1, 2, 3, 255});
        d.scrollBy(1, 1);
        EXPECT_EQ(d.getPixel(0, 0), (Colour{0, 0, 0, 0}));
        dib32 other;
        ASSERT_TRUE(other.create(2, 2, false));
        EXPECT_FALSE(d.blendOnto(other, 0, 0, 255));
        EXPECT_FALSE(other.blendOnto(d, 0, 0, 255));
        EXPECT_FALSE(d.updateLayered(nullptr, 255));
    }
}

TEST(Dib32Test, CopiesOpaquePicturesAndBlendsPremultipliedOnes) {
    dib32 source, target;
    ASSERT_TRUE(source.create(2, 1, false));
    ASSERT_TRUE(target.create(3, 1, false));
    // An opaque copy takes every byte as it is, alpha included.
    source.view().bits[3] = 7;
    source.setPixel(1, 0, {10, 20, 30, 255});
    EXPECT_TRUE(source.blendOnto(target, 1, 0, 255));
    EXPECT_EQ(target.view().bits[7], 7);
    EXPECT_EQ(target.getPixel(2, 0), (Colour{10, 20, 30, 255}));
    // A transparent source at half opacity over opaque white.
    dib32 glass;
    ASSERT_TRUE(glass.create(1, 1, true));
    glass.fill({255, 0, 0, 255});
    target.fill({255, 255, 255, 255});
    EXPECT_TRUE(glass.blendOnto(target, 0, 0, 128));
    Colour c = target.getPixel(0, 0);
    EXPECT_EQ(c.r, 255u);
    EXPECT_NEAR(c.g, 127, 1);
    EXPECT_EQ(c.a, 255u);
}

TEST(Dib32Test, ReleasesEveryHandleItCreates) {
    const uintptr_t before = HighestGdiHandle();
    for (int i = 0; i < 300; ++i) {
        dib32 d;
        ASSERT_TRUE(d.create(8 + i % 5, 4, i % 2 == 0));
        ASSERT_TRUE(d.create(3, 3, false));  // re-creation releases the first pair
        d.release();
        ASSERT_TRUE(d.create(2, 2, true));
    }
    EXPECT_LE(HighestGdiHandle(), before + 8);
}
