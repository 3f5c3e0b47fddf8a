#include <gtest/gtest.h>
#include <sys/resource.h>

#include "platform/OpenFilesLimit.h"

namespace {

TEST(OpenFilesLimit, TheSoftLimitIsRaisedToTheHardOne) {
  rlimit Before{};
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &Before), 0);
  if (Before.rlim_max < 512) GTEST_SKIP() << "the hard limit leaves no room to lower";
  rlimit Low = Before;
  Low.rlim_cur = 256;
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &Low), 0);
  RaiseOpenFilesLimit();
  rlimit After{};
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &After), 0);
  setrlimit(RLIMIT_NOFILE, &Before);
  EXPECT_EQ(After.rlim_cur, Before.rlim_max);
}

}  // namespace
