#include <gtest/gtest.h>

#include <vector>

#include "Graphics.h"

namespace {

using namespace ui;

TEST(Canvas, CopyModesCombineSourceAndDestination) {
  TBitmap source(2, 1);
  source.SetPixel(0, 0, 0x00FF00F0);
  source.SetPixel(1, 0, 0x000F0F0F);
  const struct {
    TCopyMode mode;
    uint32_t first, second;
  } cases[] = {
      {cmSrcCopy, 0x00FF00F0, 0x000F0F0F},
      {cmSrcAnd, 0x00330030, 0x00030303},
      {cmSrcPaint, 0x00FF33F3, 0x003F3F3F},
  };
  for (auto& c : cases) {
    TBitmap target(4, 1, 0x00333333);
    target.Canvas().CopyMode = c.mode;
    target.Canvas().CopyRect(Rect(1, 0, 3, 1), source.Canvas(), Rect(0, 0, 2, 1));
    EXPECT_EQ(target.Pixel(0, 0), 0x333333u);  // outside the rectangle
    EXPECT_EQ(target.Pixel(1, 0), c.first);
    EXPECT_EQ(target.Pixel(2, 0), c.second);
    EXPECT_EQ(target.Pixel(3, 0), 0x333333u);
  }
}

TEST(Canvas, FrameAndFocusRectangleLieJustInside) {
  TBitmap b(5, 4, 0);
  b.Canvas().Brush.Color = clSilver;
  b.Canvas().FrameRect(Rect(0, 0, 5, 4));
  b.Canvas().DrawFocusRect(Rect(0, 0, 5, 4));
  const char* expected[] = {"F.F.F", ".   .", "F   F", ".F.F."};  // F inverted, . silver
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) {
      uint32_t want = expected[y][x] == 'F' ? 0x3F3F3F : expected[y][x] == '.' ? 0xC0C0C0 : 0;
      EXPECT_EQ(b.Pixel(x, y), want) << x << "," << y;
    }
  b.Canvas().DrawFocusRect(Rect(0, 0, 5, 4));  // a second one takes it away
  EXPECT_EQ(b.Pixel(0, 0), 0xC0C0C0u);
  b.Canvas().DrawFocusRect(Rect(2, 2, 3, 3));  // one pixel, inverted once
  EXPECT_EQ(b.Pixel(2, 2), 0xFFFFFFu);
  b.Canvas().CopyRect(Rect(-3, -3, 9, 9), b.Canvas(), Rect(0, 0, 5, 4));  // clipped, no fault
}

// A 4-bit BMP file of 3 x 2 pixels with a 2-colour table.
std::vector<unsigned char> bmp4(int32_t height, size_t cutOff = 0) {
  auto put = [](std::vector<unsigned char>& b, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back((v >> (8 * i)) & 255);
  };
  std::vector<unsigned char> b = {'B', 'M'};
  put(b, 0, 4);
  put(b, 0, 4);
  put(b, 14 + 40 + 8, 4);
  put(b, 40, 4);
  put(b, 3, 4);
  put(b, uint32_t(height), 4);
  put(b, 1, 2);
  put(b, 4, 2);
  put(b, 0, 4);
  put(b, 8, 4);
  put(b, 0, 4);
  put(b, 0, 4);
  put(b, 2, 4);
  put(b, 0, 4);
  put(b, 0x000000FF, 4);  // index 0: blue (quads are blue, green, red)
  put(b, 0x00FF0000, 4);  // index 1: red
  put(b, 0x00001010, 4);  // first stored row: 1 0 1
  put(b, 0x00001000, 4);  // second stored row: 0 0 1
  b.resize(b.size() - cutOff);
  return b;
}

TEST(Bitmap, ReadsBmpRowsInTheirStoredOrder) {
  TBitmap bottomUp;
  auto bytes = bmp4(2);
  ASSERT_TRUE(bottomUp.LoadFromBmp(bytes.data(), bytes.size()));
  ASSERT_EQ(bottomUp.Width(), 3);
  EXPECT_EQ(bottomUp.Pixel(0, 1), 0x0000FFu);  // stored first, shown last: red
  EXPECT_EQ(bottomUp.Pixel(1, 1), 0xFF0000u);
  EXPECT_EQ(bottomUp.Pixel(0, 0), 0xFF0000u);
  TBitmap topDown;
  bytes = bmp4(-2);
  ASSERT_TRUE(topDown.LoadFromBmp(bytes.data(), bytes.size()));
  EXPECT_EQ(topDown.Pixel(0, 0), 0x0000FFu);
  TBitmap refused(1, 1, 7);
  bytes = bmp4(2, 1);  // the last row is cut short
  EXPECT_FALSE(refused.LoadFromBmp(bytes.data(), bytes.size()));
  bytes = bmp4(2);
  bytes[62] = 0x20;  // index 2 beyond the 2-colour table
  EXPECT_FALSE(refused.LoadFromBmp(bytes.data(), bytes.size()));
  EXPECT_FALSE(refused.LoadFromBmp(bytes.data(), 20));
  EXPECT_EQ(refused.Width(), 1);  // left as it was
  EXPECT_EQ(refused.Pixel(0, 0), 7u);
  EXPECT_THROW(refused.LoadFromResourceID(nullptr, 1), EResNotFound);
}

}  // namespace
