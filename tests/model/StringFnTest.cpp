#include <gtest/gtest.h>

#include "DefaultLocale.h"
#include "model/StringFn.h"

namespace {

struct TSecondsCase {
  double Seconds;
  const char* Expected;
};

TEST(StringFnTest, FormatSecondsMS) {
  const TSecondsCase Cases[] = {
      {180, "3:00"},    {59, "0:59"},
      {61, "1:01"},     {0, "0:00"},
      {600, "10:00"},   {3600, "60:00"},
      {2.5, "0:02"},    {3.5, "0:04"},
      {59.6, "1:00"},   {-5, "0:-5"},
      {-0.4, "0:00"},   {119.5, "2:00"},
      {6000, "100:00"}, {1e15, "16666666666666:40"},  // far beyond 32-bit minutes
  };
  for (const TSecondsCase& Case : Cases) {
    SCOPED_TRACE(Case.Seconds);
    EXPECT_EQ(FormatSecondsMS(Case.Seconds), QString::fromUtf8(Case.Expected));
  }
}

TEST(StringFnTest, FormatSecondsHMS) {
  const TSecondsCase Cases[] = {
      {180, "03:00.0"},        {30, "00:30.0"},
      {5, "00:05.0"},          {3725, "01:02:05.0"},
      {3599, "59:59.0"},       {3600, "01:00:00.0"},
      {-5, "00:-5.0"},         {10.25, "00:10.2"},
      {59.96, "01:00.0"},      {0.04, "00:00.0"},
      {-0.04, "00:00.0"},      {3605, "01:00:05.0"},
      {360000, "100:00:00.0"}, {1e15, "277777777777:46:40.0"},
  };
  for (const TSecondsCase& Case : Cases) {
    SCOPED_TRACE(Case.Seconds);
    EXPECT_EQ(FormatSecondsHMS(Case.Seconds), QString::fromUtf8(Case.Expected));
  }
}

TEST(StringFnTest, LocaleSeparators) {
  {
    const TDefaultLocaleScope German(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FormatSecondsHMS(5), QStringLiteral("00:05,0"));
  }
  {
    const TDefaultLocaleScope Finnish(QLocale(QLocale::Finnish, QLocale::Finland));
    EXPECT_EQ(TimeSeparator(), QLatin1Char('.'));
    EXPECT_EQ(FormatSecondsMS(180), QStringLiteral("3.00"));
  }
  EXPECT_EQ(FormatSecondsMS(180), QStringLiteral("3:00"));
}

TEST(StringFnTest, PadLeft) {
  EXPECT_EQ(PadLeft(QStringLiteral("7"), QLatin1Char('0'), 2), QStringLiteral("07"));
  EXPECT_EQ(PadLeft(QStringLiteral("123"), QLatin1Char('0'), 2), QStringLiteral("123"));
  EXPECT_EQ(PadLeft(QString(), QLatin1Char('*'), 3), QStringLiteral("***"));
  EXPECT_EQ(PadLeft(QStringLiteral("ab"), QLatin1Char(' '), -1), QStringLiteral("ab"));
}

struct TNumericCase {
  const char* Text;
  bool Expected;
};

TEST(StringFnTest, IsNumeric) {
  const TNumericCase Cases[] = {
      {"12", true},   {" 12 ", true},   {"\t12\r\n", true}, {"-3", true},   {"+3.25", true},
      {"1e5", true},  {"1.5E-3", true}, {"5.", true},       {".5", true},   {"", false},
      {"   ", false}, {"W", false},     {"12W", false},     {"1,5", false}, {".", false},
      {"1e", false},  {"e5", false},    {"--1", false},     {"1 2", false}, {"+", false},
  };
  for (const TNumericCase& Case : Cases) {
    SCOPED_TRACE(Case.Text);
    EXPECT_EQ(IsNumeric(QString::fromUtf8(Case.Text)), Case.Expected);
  }
}

}  // namespace
