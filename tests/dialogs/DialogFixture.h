#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "model/DefaultLocale.h"
#include "model/DorvaneError.h"
#include "model/Settings.h"
#include "platform/ProgramDir.h"
#include "support/ui/MessageBoxTestScope.h"
#include "widgets/MessageBoxes.h"

// A settings record loaded from a settings file in a fresh folder, given to
// the dialogs, in a locale whose decimal separator is a point; message boxes
// are recorded instead of shown.
class TDialogFixture : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FDir.isValid());
    SetProgramDirForTest(FDir.path());
    FConfig.LoadConfig();
  }

  void TearDown() override { SetProgramDirForTest(QString()); }

  QString SettingsFileText() const {
    QFile File(SettingsFilePath());
    if (!File.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(File.readAll());
  }

  // Root may write any file, so the path is taken by a folder instead.
  void MakeSettingsFileUnwritable() { ASSERT_TRUE(QDir(FDir.path()).mkdir("Dorvane.INI")); }

  // Runs Answer on the next modal dialog of type TDialog once its loop runs.
  template <class TDialog>
  static void WhenShown(std::function<void(TDialog&)> Answer) {
    QTimer::singleShot(0, [Answer] {
      QWidget* Modal = QApplication::activeModalWidget();
      auto* Dialog = qobject_cast<TDialog*>(Modal);
      if (!Dialog) {
        ADD_FAILURE() << "the expected dialog is not showing";
        if (Modal) Modal->close();
        return;
      }
      Answer(*Dialog);
    });
  }

  // The message of the TDorvaneError that Action throws; empty when none.
  static QString ErrorOf(const std::function<void()>& Action) {
    try {
      Action();
    } catch (const TDorvaneError& Error) {
      return Error.Message();
    }
    return QString();
  }

  QTemporaryDir FDir;
  TTKDConfig FConfig;
  TDefaultLocaleScope FLocale{QLocale(QLocale::English, QLocale::UnitedStates)};
  TMessageBoxTestScope FBoxes;

 private:
};
