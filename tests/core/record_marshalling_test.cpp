#include "core/record_marshalling.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

namespace varnimo {
namespace {

TEST(MarshalRecords, EmptyArrayPassesNullAndZero) {
  std::vector<Point> none;
  auto block = MarshalRecords<Point>(none);
  EXPECT_TRUE(block.Valid());
  EXPECT_EQ(block.Block(), nullptr);
  EXPECT_EQ(block.Count(), 0);
}

TEST(MarshalRecords, PacksPointFsInOrderWithNoGaps) {
  std::vector<PointF> points{{0, 0}, {100, 0}, {0, 50}};
  auto block = MarshalRecords<PointF>(points);
  ASSERT_EQ(block.Count(), 3);
  const float expected[] = {0, 0, 100, 0, 0, 50};
  EXPECT_EQ(std::memcmp(block.Block(), expected, sizeof expected), 0);
}

TEST(MarshalRecords, FlattensTwoDimensionalArraysInElementOrder) {
  std::array<std::array<Point, 3>, 2> grid{};
  for (int row = 0; row < 2; ++row)
    for (int column = 0; column < 3; ++column) grid[row][column] = {row, column};
  auto block = MarshalRecords<Point>(grid);
  ASSERT_EQ(block.Count(), 6);
  const std::int32_t expected[] = {0, 0, 0, 1, 0, 2, 1, 0, 1, 1, 1, 2};
  EXPECT_EQ(std::memcmp(block.Block(), expected, 48), 0);
}

TEST(MarshalRecords, CopiesWhatThePlatformWroteBackOnRelease) {
  std::vector<std::vector<RectF>> rects{{{1, 2, 3, 4}}, {{5, 6, 7, 8}, {9, 10, 11, 12}}};
  {
    auto block = MarshalRecords<RectF>(rects);
    block.Block()[2].Width = 99;  // as a platform call that writes its block would
  }
  EXPECT_EQ(rects[1][1], (RectF{9, 10, 99, 12}));
  EXPECT_EQ(rects[0][0], (RectF{1, 2, 3, 4})) << "untouched entries come back unchanged";
}

TEST(MarshalRecords, ACallersCountMustFitTheArray) {
  std::vector<CharacterRange> ranges{{0, 1}, {2, 3}, {4, 5}};
  EXPECT_EQ(MarshalRecords<CharacterRange>(ranges, 2).Count(), 2);
  for (std::int32_t bad : {4, -1}) {
    auto refused = MarshalRecords<CharacterRange>(ranges, bad);
    EXPECT_FALSE(refused.Valid()) << bad;
    EXPECT_EQ(refused.Block(), nullptr);
  }
}

}  // namespace
}  // namespace varnimo
