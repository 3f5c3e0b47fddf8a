#include "board/JudgePadStatus.h"

#include <QCoreApplication>
#include <QTime>
#include <cmath>

#include "input/GamepadDevices.h"
#include "input/Judges.h"
#include "match/Match.h"
#include "platform/TimeSource.h"

namespace {

// The vote a button number stands for with this judge, "button n" otherwise.
QString VoteName(const TJudge& Judge, int32_t Button) {
  static const char* const Names[] = {"Red 1", "Red 2", "Red 3", "Blue 1", "Blue 2", "Blue 3"};
  const std::array<TJoyButton*, 6> Votes = VoteButtons(Judge);
  for (size_t Vote = 0; Vote < Votes.size(); ++Vote) {
    if (Votes[Vote] && Votes[Vote]->Number == Button) {
      return QCoreApplication::translate("Console", Names[Vote]);
    }
  }
  return QCoreApplication::translate("Console", "button %1").arg(Button);
}

QString TimeOfDay(double DateTime) {
  const double Fraction = DateTime - std::floor(DateTime);
  return QTime::fromMSecsSinceStartOfDay(static_cast<int>(std::llround(Fraction * MsPerDay)) %
                                         static_cast<int>(MsPerDay))
      .toString(QStringLiteral("HH:mm:ss"));
}

}  // namespace

QString JudgePadStatus(const TMatch& Match, const TJudge& Judge, int Number) {
  QString Line = QCoreApplication::translate("Console", "Judge %1: ").arg(Number);
  if (!Judge.JoyStick) return Line + QCoreApplication::translate("Console", "no pad");
  Line += Judge.JoyStick->Answering ? QCoreApplication::translate("Console", "connected")
                                    : QCoreApplication::translate("Console", "not answering");
  const std::optional<TMatch::TJudgePress> Press = Match.LastJudgePress(*Judge.JoyStick);
  if (!Press) return Line + QCoreApplication::translate("Console", ", no press yet");
  return Line + QCoreApplication::translate("Console", ", last press %1 at %2")
                    .arg(VoteName(Judge, Press->Button), TimeOfDay(Press->At));
}
