#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include "CabinetWriter.h"
#include "platform/MainThread.h"
#include "update/CabinetUnpack.h"

namespace {

struct TAnswer {
  bool Arrived = false;
  bool OnMainThread = false;
  std::optional<QList<TExtractedFile>> Files;
  QString Error;
};

class CabinetUnpack : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FDir.isValid());
    FUnpack.OnDone = [this](const std::optional<QList<TExtractedFile>>& Files,
                            const QString& Error) {
      FAnswer = {true, QThread::currentThread() == QCoreApplication::instance()->thread(), Files,
                 Error};
      FLoop.quit();
    };
  }

  QString PathOf(const char* Name) const { return FDir.filePath(QLatin1String(Name)); }

  QTemporaryDir FDir;
  TCabinetUnpack FUnpack;
  TAnswer FAnswer;
  QEventLoop FLoop;
};

// The unpack reads a pipe that the main thread fills only after Start has
// returned: unpacked on the main thread, Start would wait for it for good.
TEST_F(CabinetUnpack, RunsOffTheMainThreadAndAnswersOnIt) {
  const QByteArray Cabinet =
      MakeCabinet({{QStringLiteral("a.txt"), "first"}, {QStringLiteral("sub/b.txt"), "second"}});
  ASSERT_EQ(mkfifo(QFile::encodeName(PathOf("help.cab")).constData(), 0600), 0);

  FUnpack.Start(PathOf("help.cab"), PathOf("out"), 1 << 20);
  EXPECT_TRUE(FUnpack.Running());
  QFile Pipe(PathOf("help.cab"));
  ASSERT_TRUE(Pipe.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
  ASSERT_EQ(Pipe.write(Cabinet), Cabinet.size());
  Pipe.close();
  FLoop.exec();

  ASSERT_TRUE(FAnswer.Arrived);
  EXPECT_TRUE(FAnswer.OnMainThread);
  EXPECT_FALSE(FUnpack.Running());
  ASSERT_TRUE(FAnswer.Files) << FAnswer.Error.toStdString();
  ASSERT_EQ(FAnswer.Files->size(), 2);
  EXPECT_EQ(FAnswer.Files->at(1).Path, QStringLiteral("sub/b.txt"));
  EXPECT_EQ(FAnswer.Files->at(1).Size, 6);
  EXPECT_EQ(FAnswer.Files->at(1).Sha256,
            QCryptographicHash::hash("second", QCryptographicHash::Sha256));
  QFile Out(PathOf("out/sub/b.txt"));
  ASSERT_TRUE(Out.open(QIODevice::ReadOnly));
  EXPECT_EQ(Out.readAll(), QByteArray("second"));
}

TEST_F(CabinetUnpack, RefusedCabinetAnswersWithTheReason) {
  QFile Damaged(PathOf("help.cab"));
  ASSERT_TRUE(Damaged.open(QIODevice::WriteOnly));
  Damaged.write("not a cabinet");
  Damaged.close();

  FUnpack.Start(PathOf("help.cab"), PathOf("out"), 1 << 20);
  FLoop.exec();

  ASSERT_TRUE(FAnswer.Arrived);
  EXPECT_FALSE(FAnswer.Files);
  EXPECT_TRUE(FAnswer.Error.contains(QLatin1String("help.cab")))
      << FAnswer.Error.toStdString();
}

// A stopped unpack never answers, not even when its thread had finished
// already; the next one does.
TEST_F(CabinetUnpack, StoppedUnpackNeverAnswers) {
  QFile Cabinet(PathOf("help.cab"));
  ASSERT_TRUE(Cabinet.open(QIODevice::WriteOnly));
  Cabinet.write(MakeCabinet({{QStringLiteral("a.txt"), "first"}}));
  Cabinet.close();

  FUnpack.Start(PathOf("help.cab"), PathOf("stopped"), 1 << 20);
  FUnpack.Stop();
  EXPECT_FALSE(FUnpack.Running());
  RunPendingMainThreadHandOffs();
  EXPECT_FALSE(FAnswer.Arrived);

  FUnpack.Start(PathOf("help.cab"), PathOf("out"), 1 << 20);
  FLoop.exec();
  ASSERT_TRUE(FAnswer.Arrived);
  ASSERT_TRUE(FAnswer.Files);
  EXPECT_EQ(FAnswer.Files->size(), 1);
}

// A stop reaches the extraction itself: it ends at the next block, not after
// the whole cabinet.
TEST_F(CabinetUnpack, SetStopEndsTheExtractionWithoutItsFiles) {
  QFile Cabinet(PathOf("help.cab"));
  ASSERT_TRUE(Cabinet.open(QIODevice::WriteOnly));
  Cabinet.write(MakeCabinet({{QStringLiteral("a.txt"), "first"}}));
  Cabinet.close();
  const std::atomic_bool Stop{true};
  QString Error;

  EXPECT_FALSE(ExtractCabinet(PathOf("help.cab"), PathOf("out"), 1 << 20, Stop, Error));
  EXPECT_FALSE(Error.isEmpty());
  QFile Out(PathOf("out/a.txt"));
  EXPECT_TRUE(!Out.open(QIODevice::ReadOnly) || Out.readAll().isEmpty());
}

}  // namespace
