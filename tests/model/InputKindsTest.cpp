#include <gtest/gtest.h>

#include "model/InputKinds.h"

namespace {

struct TKindCase {
  uint8_t Code;
  const char* Text;
};

const TKindCase KindCases[] = {
    {0, "3 blue points"},
    {1, "2 blue points"},
    {2, "1 blue point"},
    {3, "1 blue penalty"},
    {4, "0.5 blue penalty"},
    {5, "3 red points"},
    {6, "2 red points"},
    {7, "1 red point"},
    {8, "1 red penalty"},
    {9, "0.5 red penalty"},
    {10, ""},
    {255, ""},
};

TEST(InputKindsTest, EveryCodeHasItsText) {
  for (const TKindCase& Case : KindCases) {
    SCOPED_TRACE(int(Case.Code));
    EXPECT_EQ(InputKindText(Case.Code).toStdString(), Case.Text);
  }
}

}  // namespace
