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
  const struct {
    TJoyButton* TJudge::*Field;
    const char* Name;
  } Votes[] = {{&TJudge::RedOnePoint, "Red 1"},   {&TJudge::RedTwoPoint, "Red 2"},
               {&TJudge::RedThreePoint, "Red 3"}, {&TJudge::BlueOnePoint, "Blue 1"},
               {&TJudge::BlueTwoPoint, "Blue 2"}, {&TJudge::BlueThreePoint, "Blue 3"}};
  for (const auto& Vote : Votes) {
    const TJoyButton* Known = Judge.*Vote.Field;
    if (Known && Known->Number == Button) {
      return QCoreApplication::translate("Console", Vote.Name);
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
