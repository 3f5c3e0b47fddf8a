#include <gtest/gtest.h>

#include "DefaultLocale.h"
#include "model/NumberText.h"

namespace {

struct TIntegerCase {
  const char* Text;
  std::optional<int32_t> Expected;
};

TEST(NumberTextTest, IntegersAreDecimalOrHexadecimal) {
  const TIntegerCase Cases[] = {
      {"255", 255},
      {"-12", -12},
      {"+7", 7},
      {" 42 ", 42},
      {"0x0000FF", 255},
      {"0X0000ff", 255},
      {"$0000FF", 255},
      {"$FFFFFFFF", -1},
      {"0xFF0000", 16711680},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},
      {"$100000000", std::nullopt},
      {"0x", std::nullopt},
      {"$", std::nullopt},
      {"0xG1", std::nullopt},
      {"abc", std::nullopt},
      {"True", std::nullopt},
      {"12abc", std::nullopt},
      {"1.5", std::nullopt},
      {"", std::nullopt},
      {"-", std::nullopt},
  };
  for (const TIntegerCase& Case : Cases) {
    SCOPED_TRACE(Case.Text);
    EXPECT_EQ(ParseIntegerText(QString::fromUtf8(Case.Text)), Case.Expected);
  }
}

struct TFloatCase {
  const char* Text;
  std::optional<double> Expected;
};

TEST(NumberTextTest, FloatsReadInTheLocaleAndMustBeFinite) {
  const TFloatCase Cases[] = {
      {"180", 180.0},        {"10.5", 10.5},
      {" 0.25 ", 0.25},      {"-3", -3.0},
      {"1e3", 1000.0},       {"abc", std::nullopt},
      {"", std::nullopt},    {"inf", std::nullopt},
      {"nan", std::nullopt}, {"1e400", std::nullopt},
      {"1,5", std::nullopt}, {"1,000", std::nullopt},
  };
  for (const TFloatCase& Case : Cases) {
    SCOPED_TRACE(Case.Text);
    EXPECT_EQ(ParseFloatText(QString::fromUtf8(Case.Text)), Case.Expected);
  }
}

TEST(NumberTextTest, FloatsUseTheLocaleDecimalSeparator) {
  const TDefaultLocaleScope German(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(ParseFloatText(QStringLiteral("10,5")), 10.5);
  EXPECT_EQ(ParseFloatText(QStringLiteral("1.000")), std::nullopt);
  EXPECT_EQ(FormatFloatText(10.5), QStringLiteral("10,5"));
  EXPECT_EQ(FormatFloatText(1234.5), QStringLiteral("1234,5"));
}

struct TFormatCase {
  double Value;
  const char* Expected;
};

TEST(NumberTextTest, FloatsAreWrittenInTheShortestForm) {
  const TFormatCase Cases[] = {
      {180, "180"},
      {10.5, "10.5"},
      {0.1, "0.1"},
      {-2.25, "-2.25"},
      {1.0 / 3, "0.333333333333333"},
      {1234567, "1234567"},
      {0, "0"},
  };
  for (const TFormatCase& Case : Cases) {
    SCOPED_TRACE(Case.Expected);
    EXPECT_EQ(FormatFloatText(Case.Value), QString::fromUtf8(Case.Expected));
  }
}

}  // namespace
