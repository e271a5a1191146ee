#include "Cross.h"

#include <gtest/gtest.h>

#include "Pictures.h"

namespace {

using Cross::Shape;
using testsupport::GlobalHandle;
using testsupport::provenancePicture;
using testsupport::sourceMap;

std::vector<std::string> render(Shape shape, int32_t w, int32_t h, double p) {
  auto a = provenancePicture('A', w, h);
  auto b = provenancePicture('B', w, h);
  GlobalHandle out(Cross::render(shape, {a->data(), b->data(), p, 0, 0, 0}));
  EXPECT_NE(out.get(), nullptr);
  return out.get() ? sourceMap(out.get()) : std::vector<std::string>{};
}

using Rows = std::vector<std::string>;

struct ShapeCase {
  Shape shape;
  double p;
  Rows rows;
};

class CrossAndDiamond : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(CrossAndDiamond, EightBySix) {
  EXPECT_EQ(render(GetParam().shape, 8, 6, GetParam().p), GetParam().rows);
}

const Rows kAllA(6, "aaaaaaaa");
const Rows kDiamondHalf = {"aaaaaaaa", "aaaBBBaa", "aaaBBBaa", "aBBBBBBB", "aaaBBBaa", "aaaBBBaa"};
const Rows kDiamondInHalf = {"BBBBBBBB", "BBBaaaBB", "BBBaaaBB", "Baaaaaaa", "BBBaaaBB", "BBBaaaBB"};

const ShapeCase kExamples[] = {
        // At p = 0 every shape leaves picture A.
        ShapeCase{Shape::CrossIn, 0, kAllA}, ShapeCase{Shape::CrossOut, 0, kAllA},
        ShapeCase{Shape::DiamondOut, 0, kAllA}, ShapeCase{Shape::DiamondIn, 0, kAllA},
        // p = 0.5: the A band of Cross Wipe In spans columns 2-6 and rows 2-4.
        ShapeCase{Shape::CrossIn, 0.5,
                  {"BBaaaaaB", "BBaaaaaB", "aaaaaaaa", "aaaaaaaa", "aaaaaaaa", "BBaaaaaB"}},
        ShapeCase{Shape::CrossOut, 0.5,
                  {"aaaBBBaa", "aaaBBBaa", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "aaaBBBaa"}},
        ShapeCase{Shape::DiamondOut, 0.5, kDiamondHalf},
        ShapeCase{Shape::DiamondIn, 0.5, kDiamondInHalf},
        // p = 1: the closed bands keep column 4 and row 3; the open ones keep
        // only (0, 0); the strict diamond keeps column 0.
        ShapeCase{Shape::CrossIn, 1,
                  {"BBBBaBBB", "BBBBaBBB", "BBBBaBBB", "aaaaaaaa", "BBBBaBBB", "BBBBaBBB"}},
        ShapeCase{Shape::CrossOut, 1,
                  {"aBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB"}},
        ShapeCase{Shape::DiamondOut, 1,
                  {"aBBBBBBB", "aBBBBBBB", "aBBBBBBB", "aBBBBBBB", "aBBBBBBB", "aBBBBBBB"}},
        ShapeCase{Shape::DiamondIn, 1, Rows(6, "BBBBBBBB")},
};

INSTANTIATE_TEST_SUITE_P(Examples, CrossAndDiamond, ::testing::ValuesIn(kExamples));

TEST(CrossWipeIn, OddSizesKeepNoColumnOrRowAtTheEnd) {
  EXPECT_EQ(render(Shape::CrossIn, 7, 5, 1), Rows(5, "BBBBBBB"));
}

TEST(DiamondWipeIn, ReplacesTheLeftColumnFromTheFirstMovingFrame) {
  Rows rows = render(Shape::DiamondIn, 8, 6, 0.01);
  for (const std::string& row : rows) EXPECT_EQ(row[0], 'B');
}

// (cx + cy) x 0.7 on a 6 x 4 picture is just below 3.5 when the product
// keeps the extended mantissa: rows 1 and 3 then round their bounds to
// 1 and 5 instead of the halves 0.5 and 5.5 a double product would give.
TEST(DiamondWipeOut, BoundsAreFormedInExtendedPrecision) {
  EXPECT_EQ(render(Shape::DiamondOut, 6, 4, 0.7), (Rows{"aaaBaa", "aaBBBa", "aBBBBB", "aaBBBa"}));
}

TEST(CrossWipes, RefuseMissingOrSmallerPictureB) {
  auto a = provenancePicture('A', 8, 6);
  auto small = provenancePicture('B', 8, 5);
  for (Shape shape : {Shape::CrossIn, Shape::CrossOut, Shape::DiamondOut, Shape::DiamondIn}) {
    EXPECT_EQ(Cross::render(shape, {a->data(), small->data(), 0.5, 0, 0, 0}), nullptr);
    EXPECT_EQ(Cross::render(shape, {a->data(), nullptr, 0.5, 0, 0, 0}), nullptr);
    EXPECT_EQ(Cross::render(shape, {nullptr, small->data(), 0.5, 0, 0, 0}), nullptr);
  }
}

}  // namespace
