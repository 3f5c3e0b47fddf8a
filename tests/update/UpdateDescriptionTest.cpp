#include <gtest/gtest.h>

#include <QUrl>

#include "update/UpdateDescription.h"
#include "update/UpdateUrl.h"

namespace {

const QUrl Base(QStringLiteral("https://updates.invalid/dorvane/update.json"));
const QString Sha = QString(64, QLatin1Char('a'));

struct TVersionCase {
  const char* A;
  const char* B;
  int Order;  // A against B
};

class VersionOrder : public testing::TestWithParam<TVersionCase> {};

TEST_P(VersionOrder, ComparesDottedNumbers) {
  const auto A = ParseVersion(QLatin1String(GetParam().A));
  const auto B = ParseVersion(QLatin1String(GetParam().B));
  ASSERT_TRUE(A && B);
  EXPECT_EQ(CompareVersions(*A, *B), GetParam().Order);
  EXPECT_EQ(CompareVersions(*B, *A), -GetParam().Order);
}

INSTANTIATE_TEST_SUITE_P(Update, VersionOrder,
                         testing::Values(TVersionCase{"1.0.0", "1.0", 0},
                                         TVersionCase{"1.10", "1.9", 1},
                                         TVersionCase{"2", "1.99.99", 1},
                                         TVersionCase{"1.0.1", "1.0.0.9", 1},
                                         TVersionCase{"0.9", "1.0.0", -1}));

class BadVersion : public testing::TestWithParam<const char*> {};

TEST_P(BadVersion, DoesNotParse) { EXPECT_FALSE(ParseVersion(QString::fromUtf8(GetParam()))); }

INSTANTIATE_TEST_SUITE_P(Update, BadVersion,
                         testing::Values("", "1.", ".1", "1..2", "1.a", "-1", " 1", "1e3", "v1.2",
                                         "1.2-beta", "1234567890"));

struct TPathCase {
  const char* Path;
  bool Safe;
};

class RelativePath : public testing::TestWithParam<TPathCase> {};

TEST_P(RelativePath, StaysInsideByItsText) {
  EXPECT_EQ(IsSafeRelativePath(QString::fromUtf8(GetParam().Path)), GetParam().Safe)
      << GetParam().Path;
}

INSTANTIATE_TEST_SUITE_P(
    Update, RelativePath,
    testing::Values(TPathCase{"dorvane", true}, TPathCase{"help/dorvane.html", true},
                    TPathCase{"/etc/passwd", false}, TPathCase{"../dorvane", false},
                    TPathCase{"help/../../dorvane", false}, TPathCase{"help//a", false},
                    TPathCase{"./dorvane", false}, TPathCase{"C:/Windows/x", false},
                    TPathCase{"help\\..\\x", false}, TPathCase{"", false}));

struct TUrlCase {
  const char* Url;
  bool Allowed;
};

class UpdateAddress : public testing::TestWithParam<TUrlCase> {};

TEST_P(UpdateAddress, OnlySafeSchemes) {
  EXPECT_EQ(IsAllowedUpdateUrl(QUrl(QLatin1String(GetParam().Url))), GetParam().Allowed)
      << GetParam().Url;
}

INSTANTIATE_TEST_SUITE_P(
    Update, UpdateAddress,
    testing::Values(
        TUrlCase{"https://updates.invalid/u.json", true},
        TUrlCase{"file:///srv/update/u.json", true}, TUrlCase{"http://127.0.0.1:8080/u.json", true},
        TUrlCase{"http://[::1]/u.json", true}, TUrlCase{"http://localhost/u", true},
        // All of 127.0.0.0/8, in any form QUrl reads, and mapped into IPv6.
        TUrlCase{"http://127.45.6.200/u.json", true}, TUrlCase{"http://127.1/u.json", true},
        TUrlCase{"http://2130706433/u", true}, TUrlCase{"http://[0:0:0:0:0:0:0:1]/u.json", true},
        TUrlCase{"http://[::ffff:127.0.0.1]/u.json", true},
        TUrlCase{"http://[::FFFF:7f00:1]/u.json", true},
        TUrlCase{"http://updates.invalid/u.json", false}, TUrlCase{"http://10.0.0.1/u.json", false},
        TUrlCase{"ftp://h/u.json", false}, TUrlCase{"http://128.0.0.1/u.json", false},
        TUrlCase{"http://126.255.255.255/u.json", false},
        TUrlCase{"http://127.0.0.1.example.org/u.json", false},
        TUrlCase{"http://127.example.org/u.json", false}, TUrlCase{"http://[::2]/u.json", false},
        TUrlCase{"http://[::127.0.0.1]/u.json", false},
        TUrlCase{"http://[::ffff:10.0.0.1]/u.json", false},
        TUrlCase{"http://[64:ff9b::127.0.0.1]/u.json", false}, TUrlCase{"u.json", false},
        TUrlCase{"https:///u.json", false}));

struct TBadDescription {
  const char* Name;
  QByteArray Json;
};

class BadDescription : public testing::TestWithParam<TBadDescription> {};

TEST_P(BadDescription, IsRefusedWithAReason) {
  QString Error;
  EXPECT_FALSE(ParseUpdateDescription(GetParam().Json, Base, Error));
  EXPECT_FALSE(Error.isEmpty());
}

QByteArray WithFile(const QString& FileJson) {
  return (QStringLiteral(R"({"version": "2.0", "files": [%1]})").arg(FileJson)).toUtf8();
}

QByteArray WithNews(const QString& ItemJson) {
  return (QStringLiteral(R"({"version": "2.0", "files": [], "news": [%1]})").arg(ItemJson))
      .toUtf8();
}

INSTANTIATE_TEST_SUITE_P(
    Update, BadDescription,
    testing::Values(
        TBadDescription{"NotJson", "version = 2.0"},
        TBadDescription{"Truncated", R"({"version": )"}, TBadDescription{"Array", "[]"},
        TBadDescription{"NoVersion", R"({"files": []})"},
        TBadDescription{"VersionNotANumber", R"({"version": "two", "files": []})"},
        TBadDescription{"VersionAsNumber", R"({"version": 2, "files": []})"},
        TBadDescription{"NoFiles", R"({"version": "2.0"})"},
        TBadDescription{"NoSum", WithFile(R"({"path": "dorvane", "url": "d", "size": 1})")},
        TBadDescription{"ShortSum", WithFile(R"({"path": "dorvane", "url": "d", "size": 1,
                                                 "sha256": "abcd"})")},
        TBadDescription{"NegativeSize",
                        WithFile(QStringLiteral(R"({"path": "d", "url": "d", "size": -1,
                                                  "sha256": "%1"})")
                                     .arg(Sha))},
        TBadDescription{"FractionSize",
                        WithFile(QStringLiteral(R"({"path": "d", "url": "d", "size": 1.5,
                                                  "sha256": "%1"})")
                                     .arg(Sha))},
        TBadDescription{"SizeAsText",
                        WithFile(QStringLiteral(R"({"path": "d", "url": "d", "size": "1",
                                                  "sha256": "%1"})")
                                     .arg(Sha))},
        TBadDescription{"AbsolutePath",
                        WithFile(QStringLiteral(R"({"path": "/usr/bin/d", "url": "d",
                                                  "size": 1, "sha256": "%1"})")
                                     .arg(Sha))},
        TBadDescription{"ParentPath",
                        WithFile(QStringLiteral(R"({"path": "../d", "url": "d", "size": 1,
                                                  "sha256": "%1"})")
                                     .arg(Sha))},
        TBadDescription{"PlainHttpFile",
                        WithFile(QStringLiteral(R"({"path": "d", "url": "http://h.invalid/d",
                                                  "size": 1, "sha256": "%1"})")
                                     .arg(Sha))},
        TBadDescription{"NewsWithoutLink", WithNews(R"({"title": "t", "date": "2024-01-01"})")},
        TBadDescription{"NewsLinkToProgram",
                        WithNews(R"({"title": "t", "date": "d", "link": "file:///bin/sh"})")}),
    [](const testing::TestParamInfo<TBadDescription>& Info) { return Info.param.Name; });

TEST(UpdateDescription, ReadsFilesRelativeToItsAddressAndNews) {
  const QByteArray Json = QStringLiteral(R"({"version": "1.2.3",
      "files": [{"path": "help/a.txt", "url": "files/a.txt", "size": 12, "sha256": "%1"}],
      "news": [{"title": "Release", "date": "2024-05-01", "link": "https://news.invalid/1"}]})")
                              .arg(Sha)
                              .toUtf8();
  QString Error;
  const auto Description = ParseUpdateDescription(Json, Base, Error);
  ASSERT_TRUE(Description) << Error.toStdString();
  EXPECT_EQ(Description->Version, QStringLiteral("1.2.3"));
  ASSERT_EQ(Description->Files.size(), 1);
  EXPECT_EQ(Description->Files[0].Url,
            QUrl(QStringLiteral("https://updates.invalid/dorvane/files/a.txt")));
  EXPECT_EQ(Description->Files[0].Size, 12);
  EXPECT_EQ(Description->Files[0].Sha256, QByteArray(32, char(0xaa)));
  ASSERT_EQ(Description->News.size(), 1);
  EXPECT_EQ(Description->News[0].Title, QStringLiteral("Release"));
  EXPECT_EQ(Description->News[0].Link, QUrl(QStringLiteral("https://news.invalid/1")));
}

}  // namespace
