// The board's answers to the software update's notifications, and its two
// update commands.

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>
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

const QString& UpdateReadyText() {
  static const QString Text = QCoreApplication::translate("Board", "Update ready");
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
        OperatorWindow(),
        QCoreApplication::translate(
            "Board", "To update the application executable, it must be shutdown. Continue?"));
  };
  // A running, paused or injury clock, or a break, is a round in progress: the
  // question, whose Yes ends the program, waits until the clock is gone.
  FUpdateCheck->MayAskShutdown = [this](TUpdateCheck&) {
    return !FMatch.RoundFlow().ClockExists();
  };
  FUpdateCheck->OnWaiting = [this](TUpdateCheck&) {
    lblRoundHeader->setText(RoundHeaderText());
    if (lblRoundState->text().isEmpty()) SetStateText(QString());
  };
  FUpdateCheck->OnRequestClose = [this](TUpdateCheck&) { close(); };
  FUpdateCheck->OnStatus = [this](TUpdateCheck&, int Code, const QString& Text) {
    if (Code == TUpdateCheck::StatusUpToDate) {
      ShowInformationBox(
          OperatorWindow(),
          QCoreApplication::translate(
              "Board", "You have the latest version. No updates are available at this time."));
    } else if (Code == TUpdateCheck::StatusDiscontinued) {
      ShowInformationBox(
          OperatorWindow(),
          Text + QLatin1Char('\n') + QCoreApplication::translate("Board", "Update discontinued"));
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
    if (lblRoundState->text() == UpdateReadyText()) SetStateText(QString());
    FMatch.UpdateCommands();
  };
}

QString TfrmDorvane::WithUpdateNotice(const QString& StateText) const {
  return StateText.isEmpty() && FUpdateCheck->Waiting() ? UpdateReadyText() : StateText;
}

void TfrmDorvane::OfferWaitingUpdate() {
  if (!FUpdateCheck->Waiting()) return;
  // Not from inside the clock's end or a command: the question is modal.
  QTimer::singleShot(0, FUpdateCheck, [Check = FUpdateCheck] { Check->AskIfWaiting(); });
}

void TfrmDorvane::mniWebUpdateClick() {
  if (FMatch.RoundFlow().ClockExists() || FUpdateCheck->InProgress()) return;
  FUpdateCheck->Start();
  FMatch.UpdateCommands();
}

void TfrmDorvane::mniProductNewsClick() { ShowProductNews(OperatorWindow()); }
