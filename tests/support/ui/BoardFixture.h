#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "board/ScoreDisplay.h"
#include "match/Match.h"
#include "model/Settings.h"
#include "platform/SoundPlayer.h"
#include "platform/TimeSource.h"
#include "support/core/FakeJoystickApi.h"
#include "support/core/FakeSoundPlayer.h"
#include "support/core/FakeTimeSource.h"
#include "support/core/OperatorScript.h"
#include "support/ui/MessageBoxTestScope.h"
#include "widgets/MessageBoxes.h"

// The real scoreboard window and its match over a fresh program folder: its
// own settings record (defaults, or what the test wrote to Dorvane.INI before Board()),
// a fake sound player, a fake time source that lets the board catch up with the clock at each of
// its sleeps, a joystick API with no pads, and message boxes recorded instead of shown.
class TBoardFixture : public testing::Test {
 protected:
  TBoardFixture();
  ~TBoardFixture() override;

  // Writes Dorvane.INI; call before the first Board() to be read at start-up.
  void WriteSettingsFile(const QString& Text);
  // The window, created with its match, shown (first game started) and laid
  // out on first use.
  TfrmDorvane& Board();
  // The match the board shows, made with it.
  TMatch& Match() {
    Board();
    return *FMatch;
  }
  // The record file's path under the settings of the moment.
  QString RecordFilePath() const;
  // A key press sent to the window, as the operator gives it.
  void PressKey(Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier);
  // The board's text of a label by its component name.
  QString Text(const char* Name);
  bool Visible(const char* Name);
  // The record file (Data/<SaveFileName>.txt), empty when there is none.
  QString RecordFileText() const;
  // The cues played, by their wave files' base names.
  QStringList PlayedCues();
  // Gives every cue a wave file of the cue's name, so a played cue shows.
  void ConfigureCueFiles(const QStringList& Cues);

  QTemporaryDir FDir;
  TTKDConfig FConfig;
  TFakeSoundPlayer FSound;
  TOperatorScript FTime;
  TFakeJoystickApi FJoysticks;
  TMessageBoxTestScope FBoxes;

 private:
  std::unique_ptr<TFakeTimeScope> FTimeScope;
  std::unique_ptr<TFakeJoystickScope> FJoystickScope;
  std::unique_ptr<TMatch> FMatch;
  std::unique_ptr<TfrmDorvane> FBoard;
};
