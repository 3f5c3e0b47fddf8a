#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QTest>
#include <QUrl>

#include "clock/RoundFlow.h"
#include "support/ui/BoardFixture.h"
#include "update/UpdateCheck.h"
#include "update/UpdateStaging.h"

namespace {

class UpdateNotifications : public TBoardFixture {
 protected:
  void RunCheck() {
    Board().mniWebUpdateClick();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Board().UpdateCheck().InProgress(); }, 20000));
  }
  QAction* UpdateEntry() {
    for (QAction* Entry : Board().PopupMenu()->actions()) {
      if (Entry->text() == QLatin1String("Check for updates ...")) return Entry;
    }
    return nullptr;
  }
  // Content in a served folder beside the program's, by its file:// address.
  QString Serve(const QString& Name, const QByteArray& Content) {
    QFile File(FServed.filePath(Name));
    EXPECT_TRUE(File.open(QIODevice::WriteOnly));
    File.write(Content);
    return QUrl::fromLocalFile(File.fileName()).toString();
  }
  void SetLocation(const QString& Url) {
    WriteSettingsFile(QStringLiteral("[Update]\nURL=%1\n").arg(Url));
  }
  QTemporaryDir FServed;
};

struct TProgressCase {
  const char* Name;
  qint64 Size;
  qint64 Position;
  const char* Header;
};

class ProgressHeader : public UpdateNotifications,
                       public testing::WithParamInterface<TProgressCase> {};

TEST_P(ProgressHeader, ShowsThePerCentOfTheFile) {
  TUpdateCheck& Check = Board().UpdateCheck();
  Check.OnDownloadBegin(Check);
  EXPECT_EQ(Text("lblRoundHeader"), QStringLiteral("0 %"));
  Check.OnProgress(Check, QString::fromUtf8(GetParam().Name), GetParam().Size, GetParam().Position);
  EXPECT_EQ(Text("lblRoundHeader"), QString::fromUtf8(GetParam().Header));
  Check.OnFinished(Check);
  EXPECT_EQ(Text("lblRoundHeader"), QStringLiteral("ROUND"));
}

INSTANTIATE_TEST_SUITE_P(Update, ProgressHeader,
                         testing::Values(TProgressCase{"dorvane", 200, 101, "50 %"},
                                         TProgressCase{"dorvane", 200, 3, "2 %"},
                                         TProgressCase{"dorvane", 200, 5, "2 %"},
                                         TProgressCase{"dorvane", 200, 199, "100 %"},
                                         TProgressCase{"dorvane", 200, 200, "0 %"},
                                         TProgressCase{"", 200, 100, "0 %"}));

TEST_F(UpdateNotifications, NoLocationIsShownAsDiscontinued) {
  RunCheck();
  EXPECT_EQ(FBoxes.LastMessage().Kind, TMessageKind::Information);
  EXPECT_TRUE(FBoxes.LastMessage().Text.endsWith(QLatin1String(".\nUpdate discontinued")))
      << FBoxes.LastMessage().Text.toStdString();
  EXPECT_EQ(Text("lblRoundHeader"), QStringLiteral("ROUND"));
}

TEST_F(UpdateNotifications, LatestVersionIsShown) {
  SetLocation(Serve(QStringLiteral("u.json"),
                    QByteArray(R"({"version": ")" DORVANE_VERSION R"(", "files": []})")));
  RunCheck();
  EXPECT_EQ(FBoxes.Count(), 1);
  EXPECT_EQ(FBoxes.LastMessage().Text,
            QStringLiteral("You have the latest version. No updates are available at this time."));
}

TEST_F(UpdateNotifications, DeclinedShutdownKeepsTheBoardOpen) {
  Serve(QStringLiteral("note.txt"), "x");
  SetLocation(
      Serve(QStringLiteral("u.json"),
            R"({"version": "99.0", "files": [{"path": "note.txt", "url": "note.txt", "size": 1,
          "sha256": "2d711642b726b04401627ca9fbac32f5c8530fb1903cc4db02258717921a4881"}]})"));
  FBoxes.SetNextAnswer(false);
  RunCheck();
  EXPECT_EQ(FBoxes.LastMessage().Kind, TMessageKind::Question);
  EXPECT_EQ(FBoxes.LastMessage().Text,
            QStringLiteral("To update the application executable, it must be shutdown. Continue?"));
  EXPECT_TRUE(Board().isVisible());
  EXPECT_TRUE(QFileInfo::exists(StagedFilePath(QStringLiteral("note.txt"))));
}

TEST_F(UpdateNotifications, NotWhileAClockRuns) {
  EXPECT_TRUE(UpdateEntry()->isEnabled());
  PressKey(Qt::Key_G, Qt::ControlModifier);
  ASSERT_TRUE(Board().RoundFlow().ClockExists());
  EXPECT_FALSE(UpdateEntry()->isEnabled());
  Board().mniWebUpdateClick();
  EXPECT_FALSE(Board().UpdateCheck().InProgress());
  EXPECT_EQ(FBoxes.Count(), 0);
  PressKey(Qt::Key_S, Qt::ControlModifier);
}

TEST_F(UpdateNotifications, QuestionWaitsUntilNoClockRuns) {
  Serve(QStringLiteral("note.txt"), "x");
  SetLocation(
      Serve(QStringLiteral("u.json"),
            R"({"version": "99.0", "files": [{"path": "note.txt", "url": "note.txt", "size": 1,
          "sha256": "2d711642b726b04401627ca9fbac32f5c8530fb1903cc4db02258717921a4881"}]})"));
  Board().mniWebUpdateClick();
  // A round started while the download runs.
  PressKey(Qt::Key_G, Qt::ControlModifier);
  ASSERT_TRUE(Board().RoundFlow().ClockExists());
  ASSERT_TRUE(QTest::qWaitFor([this] { return Board().UpdateCheck().Waiting(); }, 20000));
  EXPECT_EQ(FBoxes.Count(), 0);
  EXPECT_EQ(Text("lblRoundState"), QStringLiteral("Update ready"));
  EXPECT_EQ(Text("lblRoundHeader"), QStringLiteral("ROUND"));

  // Paused is still a round in progress; the pause text comes first.
  PressKey(Qt::Key_P, Qt::ControlModifier);
  EXPECT_TRUE(QTest::qWaitFor([this] { return Text("lblRoundState") == "Pause"; }, 5000));
  EXPECT_EQ(FBoxes.Count(), 0);
  PressKey(Qt::Key_P, Qt::ControlModifier);
  EXPECT_TRUE(QTest::qWaitFor([this] { return Text("lblRoundState") == "Update ready"; }, 5000));
  EXPECT_EQ(FBoxes.Count(), 0);

  FBoxes.SetNextAnswer(false);
  PressKey(Qt::Key_S, Qt::ControlModifier);
  ASSERT_TRUE(QTest::qWaitFor([this] { return FBoxes.Count() == 1; }, 5000));
  EXPECT_FALSE(Board().RoundFlow().ClockExists());
  EXPECT_EQ(FBoxes.LastMessage().Text,
            QStringLiteral("To update the application executable, it must be shutdown. Continue?"));
  EXPECT_FALSE(Board().UpdateCheck().InProgress());
  EXPECT_EQ(Text("lblRoundState"), QString());
  EXPECT_TRUE(Board().isVisible());
  EXPECT_TRUE(QFileInfo::exists(StagedFilePath(QStringLiteral("note.txt"))));
}

}  // namespace
