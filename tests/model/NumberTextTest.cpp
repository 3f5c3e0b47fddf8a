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

// The locales whose numbers tripped older versions: their own digits
// (Persian, Arabic), a decimal comma with a point (German) or a blank
// (Canadian French) between thousands.
struct TLocaleCase {
  const char* Name;
  QLocale Locale;
  const char* Fraction;  // how 10.5 is written
};

const TLocaleCase Locales[] = {
    {"C", QLocale::c(), "10.5"},
    {"de_DE", QLocale(QLocale::German, QLocale::Germany), "10,5"},
    {"fa_IR", QLocale(QLocale::Persian, QLocale::Iran), "10.5"},
    {"ar_EG", QLocale(QLocale::Arabic, QLocale::Egypt), "10.5"},
    {"fr_CA", QLocale(QLocale::French, QLocale::Canada), "10,5"},
};

TEST(NumberTextTest, NumbersAreWrittenInAsciiDigitsInEveryLocale) {
  for (const TLocaleCase& Case : Locales) {
    SCOPED_TRACE(Case.Name);
    const TDefaultLocaleScope Scope(Case.Locale);
    EXPECT_EQ(FormatFloatText(10.5), QString::fromUtf8(Case.Fraction));
    EXPECT_EQ(FormatFloatText(1234567), QStringLiteral("1234567"));
    EXPECT_EQ(FormatFloatText(-120), QStringLiteral("-120"));
    QString Fixed = QString::fromUtf8(Case.Fraction) + QStringLiteral("0");
    EXPECT_EQ(FormatFixedText(10.5, 2), Fixed);
    EXPECT_EQ(FormatFixedText(-1234.375, 1), QStringLiteral("-1234") + DecimalSeparator() + "4");
  }
}

TEST(NumberTextTest, WholeNumbersWrittenUnderOneLocaleReadTheSameUnderAnyOther) {
  for (const TLocaleCase& Writer : Locales) {
    QString Written;
    {
      const TDefaultLocaleScope Scope(Writer.Locale);
      Written = FormatFloatText(120);
    }
    for (const TLocaleCase& Reader : Locales) {
      SCOPED_TRACE(std::string(Writer.Name) + " -> " + Reader.Name);
      const TDefaultLocaleScope Scope(Reader.Locale);
      EXPECT_EQ(ParseFloatText(Written), 120.0);
      EXPECT_EQ(ParseIntegerText(QString::number(-2147483647 - 1)), INT32_MIN);
    }
  }
}

TEST(NumberTextTest, FractionsReadWhereTheirSeparatorCannotGroupThousands) {
  // A comma is a thousands separator under C, Persian and Arabic, a point
  // under German: there "10,5" and "10.5" stay unread rather than misread.
  const std::optional<double> No;
  const std::optional<double> Expected[5][5] = {
      // read under: C, de_DE, fa_IR, ar_EG, fr_CA
      {10.5, No, 10.5, 10.5, 10.5},  // written under C
      {No, 10.5, No, No, 10.5},      // de_DE
      {10.5, No, 10.5, 10.5, 10.5},  // fa_IR
      {10.5, No, 10.5, 10.5, 10.5},  // ar_EG
      {No, 10.5, No, No, 10.5},      // fr_CA
  };
  for (size_t W = 0; W < std::size(Locales); ++W) {
    for (size_t R = 0; R < std::size(Locales); ++R) {
      SCOPED_TRACE(std::string(Locales[W].Name) + " -> " + Locales[R].Name);
      const TDefaultLocaleScope Scope(Locales[R].Locale);
      EXPECT_EQ(ParseFloatText(QString::fromUtf8(Locales[W].Fraction)), Expected[W][R]);
    }
  }
}

TEST(NumberTextTest, DigitsOfOtherScriptsReadInEveryLocale) {
  // What older versions wrote under a Persian or Arabic locale.
  for (const TLocaleCase& Reader : Locales) {
    SCOPED_TRACE(Reader.Name);
    const TDefaultLocaleScope Scope(Reader.Locale);
    EXPECT_EQ(ParseFloatText(QStringLiteral("\u06F1\u06F2\u06F0")), 120.0);       // Persian
    EXPECT_EQ(ParseFloatText(QStringLiteral("\u0661\u0660\u066B\u0665")), 10.5);  // Arabic
    EXPECT_EQ(ParseFloatText(QStringLiteral("\u200E\u2212\u06F3")), -3.0);        // marked minus
    EXPECT_EQ(ParseIntegerText(QStringLiteral("\u06F2\u06F0\u06F0")), 200);
    EXPECT_EQ(ParseIntegerText(QStringLiteral("\u0662\u0665\u0665")), 255);
    EXPECT_EQ(ParseFloatText(QStringLiteral("\u00B2")), std::nullopt);  // superscript two
  }
}

}  // namespace
