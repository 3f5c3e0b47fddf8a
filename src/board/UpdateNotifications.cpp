// The board's answers to the software update's notifications, and its two
// update commands.

#include <QCoreApplication>
#include <QLabel>
#include <cmath>

#include "board/ScoreDisplay.h"
#include "clock/RoundFlow.h"
#include "match/Match.h"
#include "update/NewsWindow.h"
#include "update/UpdateCheck.h"
#include "widgets/MessageBoxes.h"

namespace {

const QString& RoundHeaderText() {
  static const QString Text = QCoreApplication::translate("Board", "ROUND");
  return Text;
}

// round() of the board: halves go to the even neighbour.
QString PerCentText(qint64 Size, qint64 Position) {
  return QString::number(
             std::nearbyint(static_cast<double>(Position) * 100.0 / static_cast<double>(Size))) +
         QStringLiteral(" %");
}

}  // namespace

void TfrmDorvane::CreateUpdateCheck() {
  FUpdateCheck = new TUpdateCheck(this);
  FUpdateCheck->OnAskShutdown = [this](TUpdateCheck&, bool& Allowed) {
    Allowed = AskYesNo(
        this, QCoreApplication::translate(
                  "Board", "To update the application executable, it must be shutdown. Continue?"));
  };
  FUpdateCheck->OnRequestClose = [this](TUpdateCheck&) { close(); };
  FUpdateCheck->OnStatus = [this](TUpdateCheck&, int Code, const QString& Text) {
    if (Code == TUpdateCheck::StatusUpToDate) {
      ShowInformationBox(
          this,
          QCoreApplication::translate(
              "Board", "You have the latest version. No updates are available at this time."));
    } else if (Code == TUpdateCheck::StatusDiscontinued) {
      ShowInformationBox(this, Text + QLatin1Char('\n') +
                                   QCoreApplication::translate("Board", "Update discontinued"));
    }
  };
  FUpdateCheck->OnDownloadBegin = [this](TUpdateCheck&) {
    lblRoundHeader->setText(QStringLiteral("0 %"));
  };
  FUpdateCheck->OnProgress = [this](TUpdateCheck&, const QString& FileName, qint64 Size,
                                    qint64 Position) {
    if (!FileName.isEmpty() && Position < Size) {
      lblRoundHeader->setText(PerCentText(Size, Position));
    }
  };
  FUpdateCheck->OnFinished = [this](TUpdateCheck&) {
    lblRoundHeader->setText(RoundHeaderText());
    FMatch.UpdateCommands();
  };
}

void TfrmDorvane::mniWebUpdateClick() {
  if (FMatch.RoundFlow().ClockExists() || FUpdateCheck->InProgress()) return;
  FUpdateCheck->Start();
  FMatch.UpdateCommands();
}

void TfrmDorvane::mniProductNewsClick() { ShowProductNews(this); }
