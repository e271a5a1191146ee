// Pixel-by-pixel renderings of the band, push and free-wipe motions, written
// loop by loop in the order the motions are defined, compared with the
// renderers over many sizes, band counts and frames: the renderers copy whole
// runs, move rows with memmove and decide row stretches at once, which must
// not change a pixel.
#include <gtest/gtest.h>

#include <vector>

#include "BandsP2.h"
#include "BandsW2.h"
#include "DibLib.h"
#include "Geometry.h"
#include "Numeric.h"
#include "Pictures.h"
#include "FreeWipe.h"
#include "Push.h"

namespace {

using numeric::Extended;
using numeric::Trunc;
using testsupport::GlobalHandle;
using testsupport::pixelOf;
using testsupport::provenancePicture;

using Image = std::vector<std::vector<uint32_t>>;  // [y][x]

Image imageOf(const void* dib, int32_t w, int32_t h) {
  Image img(size_t(h), std::vector<uint32_t>(static_cast<size_t>(w)));
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) img[size_t(y)][size_t(x)] = DibLib::getPixel(dib, x, y);
  return img;
}

Image imageOf(HGLOBAL dib, int32_t w, int32_t h) {
  Image img(size_t(h), std::vector<uint32_t>(static_cast<size_t>(w)));
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) img[size_t(y)][size_t(x)] = pixelOf(dib, x, y);
  return img;
}

// The band frame drawn line by line, pixel by pixel, each band set tested per pixel.
Image bandsByTheBook(bool push, const Image& a, const Image& b, int32_t degree, int32_t n,
                     bool twoPhase, double p) {
  Image o = a;
  const int32_t h = int32_t(a.size()), w = int32_t(a[0].size());
  const bool rows = degree == 0 || degree == 180;
  const int32_t L = rows ? w : h;
  auto t = [&](double q) { return int32_t(Trunc(Extended(q) * Extended(L - 1))); };
  auto u = [&](double q) { return int32_t(Trunc((1 - Extended(q)) * Extended(L - 1))); };
  auto inSet = [&](int32_t x, int32_t y, bool one) {
    return Geometry::bandTest(rows ? y : x, rows ? h - 1 : w - 1, n) == one;
  };
  // Pixel at motion coordinate c of the line crossing coordinate k.
  auto O = [&](int32_t c, int32_t k) -> uint32_t& {
    return rows ? o[size_t(k)][size_t(c)] : o[size_t(c)][size_t(k)];
  };
  auto B = [&](int32_t c, int32_t k) { return rows ? b[size_t(k)][size_t(c)] : b[size_t(c)][size_t(k)]; };
  const int32_t across = rows ? h : w;
  auto wipe = [&](bool one, int32_t from, int32_t to) {
    for (int32_t c = from; c <= to; ++c)
      for (int32_t k = 0; k < across; ++k)
        if (inSet(rows ? c : k, rows ? k : c, one)) O(c, k) = B(c, k);
  };
  auto forward = [&](bool one, int32_t s) {
    for (int32_t c = L - 1; c >= s; --c)
      for (int32_t k = 0; k < across; ++k)
        if (inSet(rows ? c : k, rows ? k : c, one)) O(c, k) = O(c - s, k);
    for (int32_t c = 0; c <= s; ++c)
      for (int32_t k = 0; k < across; ++k)
        if (inSet(rows ? c : k, rows ? k : c, one)) O(c, k) = B(L - 1 - s + c, k);
  };
  auto backward = [&](bool one, int32_t bb) {
    for (int32_t c = 0; c <= bb; ++c)
      for (int32_t k = 0; k < across; ++k)
        if (inSet(rows ? c : k, rows ? k : c, one)) O(c, k) = O(c + L - 1 - bb, k);
    for (int32_t c = L - 1; c >= bb; --c)
      for (int32_t k = 0; k < across; ++k)
        if (inSet(rows ? c : k, rows ? k : c, one)) O(c, k) = B(c - bb, k);
  };
  auto move = [&](bool one, double q) {
    // phase one moves as the degree says, phase two the opposite way
    bool towardEnd = (degree == 0 || degree == 270) == one;
    if (push) {
      if (towardEnd) forward(one, t(q)); else backward(one, u(q));
    } else if (towardEnd) {
      wipe(one, 0, t(q));
    } else if (rows) {
      wipe(one, u(q), L - 1);
    } else {
      wipe(one, L - 1 - t(q), L - 1);
    }
  };
  if (!twoPhase) {
    move(true, p);
    move(false, p);
  } else if (p < 0.5) {
    move(true, 2 * p);
  } else {
    wipe(true, 0, L - 1);
    move(false, (p - 0.5) * 2);
  }
  return o;
}

TEST(BandsReview, RenderersMatchTheLineByLineMotions) {
  struct Size {
    int32_t w, h;
  };
  for (Size size : {Size{2, 2}, Size{13, 7}, Size{7, 13}, Size{40, 31}}) {
    auto a = provenancePicture('A', size.w, size.h);
    auto b = provenancePicture('B', size.w, size.h);
    const Image ia = imageOf(a->data(), size.w, size.h), ib = imageOf(b->data(), size.w, size.h);
    for (bool push : {false, true})
      for (int32_t degree : {0, 90, 180, 270})
        for (int32_t n : {1, 2, 3, 4, 5, 7, 10})
          for (int32_t phases : {1, 2})
            for (double p : {0.01, 0.2, 0.3, 0.49, 0.5, 0.51, 0.75, 0.99, 1.0}) {
              wipes::Frame frame{a->data(), b->data(), p, 0, 0, 0};
              wipes::Rendered r = push ? BandsP2::render(frame, {degree, n, phases})
                                       : BandsW2::render(frame, {degree, n, phases});
              GlobalHandle out;
              out.handle = r.output;
              ASSERT_NE(out.get(), nullptr);
              const bool two = n >= 2 && phases != 1;
              EXPECT_EQ(imageOf(out.get(), size.w, size.h),
                        bandsByTheBook(push, ia, ib, degree, n, two, p))
                  << (push ? "push " : "wipe ") << size.w << "x" << size.h << " degree " << degree
                  << " bands " << n << " phases " << phases << " p " << p;
            }
  }
}

// Push+ drawn pixel by pixel in the passes' order.
Image pushByTheBook(const Image& a, const Image& b, int32_t degree, double pd) {
  const int32_t h = int32_t(a.size()), w = int32_t(a[0].size());
  Image o(size_t(h), std::vector<uint32_t>(static_cast<size_t>(w), 0));
  const Extended p = pd;
  auto at = [&](int32_t x, int32_t y) -> uint32_t& { return o[size_t(y)][size_t(x)]; };
  auto A = [&](int32_t x, int32_t y) { return a[size_t(y)][size_t(x)]; };
  auto B = [&](int32_t x, int32_t y) { return b[size_t(y)][size_t(x)]; };
  auto place = [&](const Image& from, int64_t dx, int64_t dy) {
    for (int32_t x = 0; x < w; ++x)
      for (int32_t y = 0; y < h; ++y)
        if (x + dx >= 0 && x + dx < w && y + dy >= 0 && y + dy < h)
          at(int32_t(x + dx), int32_t(y + dy)) = from[size_t(y)][size_t(x)];
  };
  auto diagonal = [&](int sx, int sy) {
    place(a, Trunc(Extended(w) * p * sx), Trunc(Extended(h) * p * sy));
    place(b, Trunc(Extended(w) * (1 - p) * -sx), Trunc(Extended(h) * (1 - p) * -sy));
  };
  int32_t k;
  switch (degree) {
    case 0:
      k = int32_t(Trunc(Extended(w - 1) * p));
      for (int32_t x = w - 1; x >= k; --x) for (int32_t y = 0; y < h; ++y) at(x, y) = A(x - k, y);
      for (int32_t x = 0; x <= k; ++x) for (int32_t y = 0; y < h; ++y) at(x, y) = B(w - 1 - k + x, y);
      break;
    case 180:
      k = int32_t(Trunc((1 - p) * Extended(w - 1)));
      for (int32_t x = 0; x <= k; ++x) for (int32_t y = 0; y < h; ++y) at(x, y) = A(w - 1 - k + x, y);
      for (int32_t x = w - 1; x >= k; --x) for (int32_t y = 0; y < h; ++y) at(x, y) = B(x - k, y);
      break;
    case 90:
      k = int32_t(Trunc((1 - p) * Extended(h - 1)));
      for (int32_t y = 0; y <= k; ++y) for (int32_t x = 0; x < w; ++x) at(x, y) = A(x, h - 1 - k + y);
      for (int32_t y = h - 1; y >= k; --y) for (int32_t x = 0; x < w; ++x) at(x, y) = B(x, y - k);
      break;
    case 270:
      k = int32_t(Trunc(Extended(h - 1) * p));
      for (int32_t y = h - 1; y >= k; --y) for (int32_t x = 0; x < w; ++x) at(x, y) = A(x, y - k);
      for (int32_t y = 0; y <= k; ++y) for (int32_t x = 0; x < w; ++x) at(x, y) = B(x, h - 1 - k + y);
      break;
    case 45: diagonal(1, -1); break;
    case 135: diagonal(-1, -1); break;
    case 225: diagonal(-1, 1); break;
    case 315: diagonal(1, 1); break;
    default: break;
  }
  return o;
}

TEST(PushReview, RendererMatchesThePixelPasses) {
  struct Size {
    int32_t w, h;
  };
  for (Size size : {Size{1, 1}, Size{2, 3}, Size{13, 7}, Size{7, 13}, Size{40, 31}}) {
    auto a = provenancePicture('A', size.w, size.h);
    auto b = provenancePicture('B', size.w, size.h);
    const Image ia = imageOf(a->data(), size.w, size.h), ib = imageOf(b->data(), size.w, size.h);
    for (int32_t degree : {0, 30, 45, 90, 135, 180, 225, 270, 315})
      for (double p : {0.01, 0.2, 0.3, 0.49, 0.5, 0.51, 0.7, 0.75, 0.99, 1.0}) {
        GlobalHandle out(Push::render({a->data(), b->data(), p, 0, 0, 0}, {degree}));
        ASSERT_NE(out.get(), nullptr);
        EXPECT_EQ(imageOf(out.get(), size.w, size.h), pushByTheBook(ia, ib, degree, p))
            << size.w << "x" << size.h << " degree " << degree << " p " << p;
      }
  }
}

TEST(FreeWipeReview, LargeFramesFollowThePerPixelRule) {
  // Far from the centre a stretch decided by one pixel is long and the
  // angles between neighbouring pixels small.
  const int32_t w = 481, h = 271;
  auto a = provenancePicture('A', w, h);
  auto b = provenancePicture('B', w, h);
  for (int32_t degree : {1, 45, 91, 133, 200, 300, 359})
    for (double p : {0.013, 0.91}) {
      GlobalHandle out(FreeWipe::render({a->data(), b->data(), p, 0, 0, 0}, {degree}));
      ASSERT_NE(out.get(), nullptr);
      int mismatches = 0;
      for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
          const bool expectB = FreeWipe::showsB({degree}, w, h, p, x, y);
          if ((pixelOf(out.get(), x, y) == DibLib::getPixel(b->data(), x, y)) != expectB)
            ++mismatches;
        }
      EXPECT_EQ(mismatches, 0) << "degree " << degree << " p " << p;
    }
}

}  // namespace
