#include "support/ui/BoardFixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTest>

#include "platform/ProgramDir.h"
#include "record/MatchRecords.h"
#include "support/core/FakeTimeSource.h"

TBoardFixture::TBoardFixture() {
  EXPECT_TRUE(FDir.isValid());
  SetProgramDirForTest(FDir.path());
  FConfig.LoadConfig();
  SetSoundPlayer(&FSound);
  FTimeScope = std::make_unique<TFakeTimeScope>(FTime);
  FJoystickScope = std::make_unique<TFakeJoystickScope>(FJoysticks);
}

TBoardFixture::~TBoardFixture() {
  FBoard.reset();
  FMatch.reset();
  FJoystickScope.reset();
  FTimeScope.reset();
  SetSoundPlayer(nullptr);
  SetProgramDirForTest(QString());
}

void TBoardFixture::WriteSettingsFile(const QString& Text) {
  QFile File(SettingsFilePath());
  ASSERT_TRUE(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
  File.write(Text.toUtf8());
  File.close();
  FConfig.LoadConfig();
}

TfrmDorvane& TBoardFixture::Board() {
  if (!FBoard) {
    FMatch = std::make_unique<TMatch>(FConfig);
    FBoard = std::make_unique<TfrmDorvane>(FConfig, *FMatch);
    FBoard->show();
    QApplication::setActiveWindow(FBoard.get());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(FBoard.get()));
  }
  return *FBoard;
}

void TBoardFixture::PressKey(Qt::Key Key, Qt::KeyboardModifiers Modifiers) {
  QTest::keyClick(&Board(), Key, Modifiers);
}

QString TBoardFixture::Text(const char* Name) {
  QLabel* Label = Board().Label(QLatin1String(Name));
  EXPECT_NE(Label, nullptr) << Name;
  return Label ? Label->text() : QString();
}

bool TBoardFixture::Visible(const char* Name) {
  QWidget* Element = Board().Element(QLatin1String(Name));
  EXPECT_NE(Element, nullptr) << Name;
  return Element && Element->isVisible();
}

QString TBoardFixture::RecordFilePath() const { return TMatchRecords(FConfig).FilePath(); }

QString TBoardFixture::RecordFileText() const {
  QFile File(RecordFilePath());
  if (!File.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(File.readAll());
}

void TBoardFixture::ConfigureCueFiles(const QStringList& Cues) {
  QString Section = QStringLiteral("[Wav]\n");
  for (const QString& Cue : Cues) {
    const QString Path = QDir(FDir.path()).filePath(Cue + QStringLiteral(".wav"));
    QFile Wave(Path);
    EXPECT_TRUE(Wave.open(QIODevice::WriteOnly));
    Section += Cue + QLatin1Char('=') + Path + QLatin1Char('\n');
  }
  QFile File(SettingsFilePath());
  ASSERT_TRUE(File.open(QIODevice::Append));
  File.write(Section.toUtf8());
}

QStringList TBoardFixture::PlayedCues() {
  QStringList Cues;
  for (const QString& Call : FSound.Calls()) {
    if (Call.startsWith(QLatin1String("play "))) Cues << QFileInfo(Call.mid(5)).baseName();
  }
  return Cues;
}
