#include "DibLib.h"

#include <gtest/gtest.h>

#include <cstring>

#include "Pictures.h"

namespace {

using namespace DibLib;
using testsupport::GlobalHandle;
using testsupport::GuardedBuffer;
using testsupport::makeDib;
using testsupport::pixelOf;

DibHeader headerOf(HGLOBAL dib) {
  GlobalLockGuard lock(dib);
  return readHeader(lock.get());
}

TEST(Allocate, StridesAndBlockSizes) {
  struct Case {
    int32_t w, h;
    uint32_t stride, blockBytes;
  } cases[] = {{1, 1, 4, 44}, {2, 3, 8, 64}, {4, 1, 12, 52}, {0, 5, 0, 40}, {5, 2, 16, 72}};
  for (const Case& c : cases) {
    GlobalHandle dib(allocDib24(c.w, c.h));
    ASSERT_NE(dib.get(), nullptr);
    EXPECT_EQ(rowStride(c.w), c.stride) << c.w;
    EXPECT_EQ(GlobalSize(dib.get()), c.blockBytes) << c.w << "x" << c.h;
    DibHeader h = headerOf(dib.get());
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biWidth, c.w);
    EXPECT_EQ(h.biHeight, c.h);
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biBitCount, 24);
    EXPECT_EQ(h.biSizeImage, c.stride * c.h);
    EXPECT_EQ(GlobalFlags(dib.get()) & 0xFF, 0u) << "returned unlocked";
  }
  EXPECT_EQ(allocDib24(-1, 1), nullptr);
  EXPECT_EQ(allocDib24(70000, 1), nullptr);
}

TEST(PixelAccess, RowsAreStoredBottomUp) {
  GlobalHandle dib(allocDib24(2, 2));
  GlobalLockGuard lock(dib.get());
  auto* bytes = lock.as<unsigned char>();
  setPixel(bytes, 0, 0, colorValue(51, 34, 17));
  // (0, 0) is the top row, stored second: bytes blue, green, red.
  EXPECT_EQ(bytes[40 + 8], 17);
  EXPECT_EQ(bytes[40 + 9], 34);
  EXPECT_EQ(bytes[40 + 10], 51);
  EXPECT_EQ(getPixel(bytes, 0, 0), 17u * 65536 + 34 * 256 + 51);
  setPixel(bytes, 1, 1, 0x0A0B0C);
  EXPECT_EQ(bytes[40 + 3], 0x0A);  // (0, h - 1) is the first row in memory
  EXPECT_EQ(getPixel(bytes, 1, 1), 0x0A0B0Cu);
  Dib24View view(bytes);
  EXPECT_EQ(view.get(0, 0), getPixel(bytes, 0, 0));
  EXPECT_EQ(view.at(1, 1), pixelAddress(bytes, 1, 1));
}

TEST(PixelAccess, ScaledGetPixelMapsTargetToSource) {
  GlobalHandle dib(allocDib24(100, 50));
  GlobalLockGuard lock(dib.get());
  setPixel(lock.get(), 99, 49, 0x123456);
  EXPECT_EQ(scaledGetPixel(lock.get(), 199, 99, 200, 100), 0x123456u);
}

TEST(FixImageSize, FillsOnlyWhenZero) {
  auto bytes = makeDib(3, 2, 8, [](int32_t, int32_t) { return 0; }, std::vector<uint32_t>(2));
  std::memset(&bytes[20], 0, 4);
  HGLOBAL dib = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  std::memcpy(GlobalLock(dib), bytes.data(), bytes.size());
  GlobalUnlock(dib);
  fixImageSize(dib);
  EXPECT_EQ(headerOf(dib).biSizeImage, 12u * 2);  // the 24-bit stride whatever the depth
  fixImageSize(dib);
  EXPECT_EQ(headerOf(dib).biSizeImage, 24u);
  GlobalFree(dib);
}

TEST(DibWriter, FillsRowsTopDownAndSkipsPadding) {
  GlobalHandle dib(allocDib24(3, 2));
  {
    GlobalLockGuard lock(dib.get());
    std::memset(lock.as<unsigned char>() + 40, 0xEE, 24);  // padding must stay untouched
  }
  DibWriter* writer = dibWriterOpen(dib.get());
  ASSERT_NE(writer, nullptr);
  dibWriterSeek(writer, 0, 0);
  for (uint32_t i = 1; i <= 6; ++i) dibWriterPut(writer, colorValue(i, 0, 0));
  dibWriterClose(writer);
  GlobalLockGuard lock(dib.get());
  const unsigned char* rows = lock.as<unsigned char>() + 40;
  // memory row 1 (the top picture row) holds puts 1-3, memory row 0 puts 4-6
  const unsigned char expected[24] = {0, 0, 4, 0, 0, 5, 0, 0, 6, 0xEE, 0xEE, 0xEE,
                                      0, 0, 1, 0, 0, 2, 0, 0, 3, 0xEE, 0xEE, 0xEE};
  EXPECT_EQ(std::memcmp(rows, expected, 24), 0);
}

TEST(DibWriter, SeeksOnTheCurrentRowMoveByWholePixels) {
  GlobalHandle dib(allocDib24(8, 2));
  DibWriter* writer = dibWriterOpen(dib.get());
  dibWriterSeek(writer, 0, 0);
  unsigned char* start = writer->cursor;
  EXPECT_EQ(writer->column, -1);
  dibWriterSeek(writer, writer->column + 2, writer->row);  // one pixel on
  EXPECT_EQ(writer->cursor, start + 3);
  dibWriterSeek(writer, writer->column + 1, writer->row);  // already there
  EXPECT_EQ(writer->cursor, start + 3);
  dibWriterSeek(writer, 4, 1);
  dibWriterPut(writer, 0x010203);
  dibWriterClose(writer);
  EXPECT_EQ(pixelOf(dib.get(), 4, 1), 0x010203u);
}

TEST(DibWriter, RefusesAnythingButUncompressed24Bit) {
  auto bytes = makeDib(2, 2, 8, [](int32_t, int32_t) { return 0; });
  HGLOBAL dib = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  std::memcpy(GlobalLock(dib), bytes.data(), bytes.size());
  GlobalUnlock(dib);
  EXPECT_EQ(dibWriterOpen(dib), nullptr);
  EXPECT_EQ(GlobalFlags(dib) & 0xFF, 0u) << "a refused open leaves no lock";
  GlobalFree(dib);
  EXPECT_EQ(dibWriterOpen(nullptr), nullptr);
  dibWriterClose(nullptr);
}

// ---- conversion of every depth ----

struct ConversionCase {
  const char* name;
  std::vector<unsigned char> dib;
  int32_t x, y;
  uint32_t expected;
};

TEST(Copy24, ConvertsEveryDepth) {
  std::vector<uint32_t> twoColours = {0x000000, 0x30B0F0};
  std::vector<uint32_t> sixteen(16);
  for (int i = 0; i < 16; ++i) sixteen[i] = colorValue(i * 10, i, 255 - i);
  std::vector<ConversionCase> cases = {
      // 1 bit, w = 9: rows of 4 bytes, x = 8 is bit 7 of byte 1
      {"1-bit", makeDib(9, 2, 1, [](int32_t x, int32_t y) { return x == 8 && y == 1; }, twoColours),
       8, 1, 0x30B0F0},
      {"1-bit background", makeDib(9, 2, 1, [](int32_t x, int32_t) { return x == 8; }, twoColours),
       7, 0, 0},
      {"4-bit odd", makeDib(5, 3, 4, [](int32_t x, int32_t y) { return x + y; }, sixteen), 3, 2,
       sixteen[5]},
      {"4-bit even", makeDib(5, 3, 4, [](int32_t x, int32_t y) { return x + y; }, sixteen), 4, 0,
       sixteen[4]},
      {"16-bit white", makeDib(3, 1, 16, [](int32_t, int32_t) { return 0x7FFF; }), 2, 0,
       colorValue(248, 248, 248)},
      {"16-bit top bit ignored", makeDib(3, 1, 16, [](int32_t, int32_t) { return 0x8000; }), 1, 0,
       0},
      {"16-bit channels", makeDib(2, 2, 16, [](int32_t, int32_t) { return (1 << 10) | (2 << 5) | 3; }),
       1, 1, colorValue(8, 16, 24)},
      // bytes 0x30, 0x20, 0x10, 0xFF: blue 0x30, green 0x20, red 0x10
      {"32-bit", makeDib(2, 2, 32, [](int32_t, int32_t) { return 0xFF102030u; }), 1, 0,
       colorValue(0x10, 0x20, 0x30)},
  };
  for (auto& c : cases) {
    GuardedBuffer source(c.dib);
    GlobalHandle copy(copy24(static_cast<const void*>(source.data())));
    ASSERT_NE(copy.get(), nullptr) << c.name;
    DibHeader h = headerOf(copy.get());
    EXPECT_EQ(h.biBitCount, 24) << c.name;
    EXPECT_EQ(h.biClrUsed, 0u) << c.name;
    EXPECT_EQ(h.biSizeImage, rowStride(h.biWidth) * h.biHeight) << c.name;
    EXPECT_EQ(pixelOf(copy.get(), c.x, c.y), c.expected) << c.name;
  }
}

TEST(Copy24, EightBitWithoutColourCountReadsAFullTable) {
  std::vector<uint32_t> palette(256);
  for (int i = 0; i < 256; ++i) palette[i] = colorValue(i, 255 - i, i / 2);
  auto bytes = makeDib(2, 2, 8, [](int32_t x, int32_t y) { return 200 + x + 2 * y; }, palette);
  std::memset(&bytes[32], 0, 4);  // biClrUsed 0: the table has 2^8 entries
  GuardedBuffer source(bytes);
  GlobalHandle copy(copy24(static_cast<const void*>(source.data())));
  ASSERT_NE(copy.get(), nullptr);
  DibHeader h = headerOf(copy.get());
  EXPECT_EQ(h.biSizeImage, 16u);
  EXPECT_EQ(GlobalSize(copy.get()), 56u);
  EXPECT_EQ(pixelOf(copy.get(), 1, 1), palette[203]);
  EXPECT_EQ(pixelOf(copy.get(), 0, 0), palette[200]);
}

TEST(Copy24, TwentyFourBitIsCopiedUnchanged) {
  auto bytes = testsupport::makeDib24(3, 2, [](int32_t x, int32_t y) { return x * 16 + y; });
  GuardedBuffer source(bytes);
  GlobalHandle copy(copy24(static_cast<const void*>(source.data())));
  ASSERT_NE(copy.get(), nullptr);
  GlobalLockGuard lock(copy.get());
  EXPECT_EQ(std::memcmp(lock.get(), source.data(), bytes.size()), 0);
}

TEST(Copy24, UnreadableDepthsGiveBlack) {
  auto bytes = makeDib(4, 2, 24, [](int32_t, int32_t) { return 0xFFFFFF; });
  bytes[14] = 15;  // a 15-bit picture is not decoded
  GuardedBuffer source(bytes);
  GlobalHandle copy(copy24(static_cast<const void*>(source.data())));
  ASSERT_NE(copy.get(), nullptr);
  EXPECT_EQ(pixelOf(copy.get(), 3, 1), 0u);
}

TEST(Copy24, MalformedHeadersAreRefused) {
  auto base = makeDib(4, 2, 8, [](int32_t, int32_t) { return 1; }, std::vector<uint32_t>(4));
  auto patched = [&](size_t at, uint32_t value) {
    auto b = base;
    std::memcpy(&b[at], &value, 4);
    return b;
  };
  struct Case {
    const char* name;
    std::vector<unsigned char> bytes;
  } cases[] = {
      {"top-down rows", patched(8, uint32_t(-2))},
      {"larger header", patched(0, 108)},
      {"compressed", patched(16, 1)},
      {"bit-field masks", patched(16, 3)},
      {"width beyond 65535", patched(4, 70000)},
      {"negative width", patched(4, uint32_t(-4))},
      {"palette larger than the depth", patched(32, 300)},
  };
  for (auto& c : cases) {
    GuardedBuffer source(c.bytes);
    EXPECT_EQ(copy24(static_cast<const void*>(source.data())), nullptr) << c.name;
  }
  EXPECT_EQ(copy24(static_cast<const void*>(nullptr)), nullptr);
  EXPECT_EQ(copy24(reinterpret_cast<HGLOBAL>(uintptr_t(99))), nullptr);
}

// ---- resampling ----

HGLOBAL picture(int32_t w, int32_t h, const std::function<uint32_t(int32_t, int32_t)>& color) {
  auto bytes = testsupport::makeDib24(w, h, color);
  HGLOBAL dib = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  std::memcpy(GlobalLock(dib), bytes.data(), bytes.size());
  GlobalUnlock(dib);
  return dib;
}

TEST(BilinearResize, TwoByOneToThreeByThree) {
  uint32_t left = colorValue(10, 101, 200), right = colorValue(21, 0, 255);
  HGLOBAL dib = picture(2, 1, [&](int32_t x, int32_t) { return x ? right : left; });
  ASSERT_TRUE(bilinearResize(dib, 3, 3));
  GlobalHandle owned(dib);
  for (int32_t y = 0; y < 3; ++y) {
    EXPECT_EQ(pixelOf(dib, 0, y), left);
    // the truncated mean: 15.5 -> 15, 50.5 -> 50, 227.5 -> 227
    EXPECT_EQ(pixelOf(dib, 1, y), colorValue(15, 50, 227));
    EXPECT_EQ(pixelOf(dib, 2, y), right);
  }
}

TEST(BilinearResize, OneColumnOrRowTargetsAreRefused) {
  HGLOBAL dib = picture(2, 1, [](int32_t, int32_t) { return 5; });
  HGLOBAL before = dib;
  EXPECT_FALSE(bilinearResize(dib, 3, 1));
  EXPECT_FALSE(bilinearResize(dib, 1, 3));
  EXPECT_FALSE(bilinearResize(dib, 0, 3));
  EXPECT_EQ(dib, before);
  EXPECT_NE(GlobalLock(dib), nullptr) << "the handle stays the caller's";
  GlobalUnlock(dib);
  GlobalFree(dib);
}

TEST(NearestResize, FourByFourToTwoByTwo) {
  HGLOBAL dib = picture(4, 4, [](int32_t x, int32_t y) { return colorValue(x, y, 9); });
  ASSERT_TRUE(nearestResize(dib, 2, 2));
  GlobalHandle owned(dib);
  EXPECT_EQ(pixelOf(dib, 0, 0), colorValue(0, 0, 9));
  EXPECT_EQ(pixelOf(dib, 1, 0), colorValue(2, 0, 9));
  EXPECT_EQ(pixelOf(dib, 0, 1), colorValue(0, 2, 9));
  EXPECT_EQ(pixelOf(dib, 1, 1), colorValue(2, 2, 9));
}

TEST(Resize, SameSizeKeepsTheHandle) {
  for (auto resize : {&bilinearResize, &nearestResize}) {
    HGLOBAL dib = picture(3, 2, [](int32_t x, int32_t) { return x; });
    HGLOBAL before = dib;
    EXPECT_TRUE(resize(dib, 3, 2));
    EXPECT_EQ(dib, before);
    GlobalFree(dib);
  }
  HGLOBAL single = picture(1, 1, [](int32_t, int32_t) { return 7; });
  EXPECT_TRUE(bilinearResize(single, 1, 1));  // no step needed at the same size
  GlobalFree(single);
}

}  // namespace

namespace {

TEST(Copy24, PaletteIndicesBeyondTheTableAreBlack) {
  // A 4-entry table with pixels naming entries 2 and 200: the second must
  // not be read from beyond the table.
  std::vector<uint32_t> palette = {0x010101, 0x020202, 0x030303, 0x040404};
  auto bytes = testsupport::makeDib(2, 1, 8, [](int32_t x, int32_t) { return x ? 200 : 2; }, palette);
  testsupport::GuardedBuffer source(bytes);
  testsupport::GlobalHandle copy(DibLib::copy24(static_cast<const void*>(source.data())));
  ASSERT_NE(copy.get(), nullptr);
  EXPECT_EQ(testsupport::pixelOf(copy.get(), 0, 0), 0x030303u);
  EXPECT_EQ(testsupport::pixelOf(copy.get(), 1, 0), 0u);
}

}  // namespace
