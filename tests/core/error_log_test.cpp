#include "core/error_log.h"

#include <gtest/gtest.h>

namespace varnimo {
namespace {

class ErrorLogTest : public ::testing::Test {
 protected:
  void SetUp() override { errorLog.Free(); }
  void TearDown() override { errorLog.Free(); }
};

TEST_F(ErrorLogTest, FailuresAppendWithNothingBetween) {
  EXPECT_TRUE(errorLog.IsNone());
  EXPECT_FALSE(ReportFailure("创建字体失败"));
  EXPECT_FALSE(ReportFailure("画直线失败"));
  EXPECT_EQ(errorLog.Text(), "创建字体失败画直线失败");
}

TEST_F(ErrorLogTest, ReplaceMakesTheMessageTheWholeText) {
  ReportFailure("earlier");
  errorLog.Replace("设置窗口信息失败");
  EXPECT_EQ(errorLog.Text(), "设置窗口信息失败");
  errorLog.Free();
  EXPECT_TRUE(errorLog.IsNone());
  EXPECT_EQ(errorLog.Text(), "");
}

TEST(LastStatus, HoldsTheLatestOutcomeSuccessIncluded) {
  EXPECT_FALSE(StoreStatus(platform::InvalidParameter));
  EXPECT_EQ(lastStatus.load(), platform::InvalidParameter);
  EXPECT_TRUE(StoreStatus(platform::Ok));
  EXPECT_EQ(lastStatus.load(), 0);
}

}  // namespace
}  // namespace varnimo
