#include "model/Settings.h"

#include <QCoreApplication>
#include <QDir>

#include "model/DorvaneError.h"
#include "model/NumberText.h"
#include "platform/ProfileFile.h"
#include "platform/ProgramDir.h"

namespace {

// Typed values in section [Config] of one settings file.
class TConfigSection {
 public:
  explicit TConfigSection(QString Path) : FPath(std::move(Path)) {}

  QString Text(const char* Key, const QString& Default) const {
    return ReadProfileString(FPath, Section(), QLatin1String(Key), Default);
  }
  int32_t Integer(const char* Key, int32_t Default) const {
    return ParseIntegerText(Text(Key, QString())).value_or(Default);
  }
  bool Flag(const char* Key, bool Default) const { return Integer(Key, Default ? 1 : 0) != 0; }
  double Float(const char* Key, double Default) const {
    return ParseFloatText(Text(Key, QString())).value_or(Default);
  }

  void WriteText(const char* Key, const QString& Value) const {
    if (!WriteProfileString(FPath, Section(), QLatin1String(Key), Value)) {
      throw TDorvaneError(QCoreApplication::translate("Settings", "Unable to write to %1")
                              .arg(QDir::toNativeSeparators(FPath)));
    }
  }
  void WriteInteger(const char* Key, int32_t Value) const {
    WriteText(Key, QString::number(Value));
  }
  void WriteFlag(const char* Key, bool Value) const { WriteInteger(Key, Value ? 1 : 0); }
  void WriteFloat(const char* Key, double Value) const { WriteText(Key, FormatFloatText(Value)); }

 private:
  static QString Section() { return QStringLiteral("Config"); }

  QString FPath;
};

}  // namespace

void TTKDConfig::LoadConfig() {
  const TConfigSection Config(SettingsFilePath());
  RoundTime = Config.Float("RoundTime", 180);
  CoachTime = Config.Float("CoachTime", 30);
  InjuryTime = Config.Float("InjuryTime", 60);
  DisqualifyPenalty = Config.Float("DisqualifyPenalty", 4);
  WinnerBlink = Config.Float("WinnerBlink", 200);
  EndOfRoundWarning = Config.Float("EndOfRoundWarning", 10);
  BluePlayer = Config.Text("BluePlayer", QStringLiteral("Blue player"));
  RedPlayer = Config.Text("RedPlayer", QStringLiteral("Red player"));
  Division = Config.Text("Division", QString());
  CommPortNo = Config.Integer("CommPortNo", 1);
  NumButtons = Config.Integer("NumButtons", 2);
  Transiency = Config.Integer("Transiency", 200);
  Rounds = Config.Integer("Rounds", 3);
  RedPlayerColor = Config.Integer("RedPlayerColor", 255);
  BluePlayerColor = Config.Integer("BluePlayerColor", 16711680);
  RoundColor = Config.Integer("RoundColor", 16777215);
  BreakColor = Config.Integer("BreakColor", 65280);
  InjuryColor = Config.Integer("InjuryColor", 65535);
  OnePointColor = Config.Integer("OnePointColor", 65280);
  TwoPointColor = Config.Integer("TwoPointColor", 65535);
  ThreePointColor = Config.Integer("ThreePointColor", 255);
  NameColor = Config.Integer("NameColor", 16777215);
  BGColor = Config.Integer("BGColor", 0);
  QueryB4NewGame = Config.Flag("QueryB4NewGame", false);
  UseElectronicScoring = Config.Flag("UseElectronicScoring", false);
  ShowTotalPenalty = Config.Flag("ShowTotalPenalty", false);
  UsePenaltyIncrement = Config.Flag("UsePenaltyIncrement", false);
  // The key has always been read with this spelling; names match without
  // regard to case, so it is the entry SaveConfig writes.
  AutoRestartAfterInjury = Config.Flag("AutoRestartAFterInjury", true);
  AutoCalcWinner = Config.Flag("AutoCalcWinner", false);
  // The point-gap and point-ceiling rules start off at every program start,
  // whatever the file says; only their limits are kept.
  UsePointGap = false;
  PointGap = Config.Integer("PointGap", 7);
  UsePointCeiling = false;
  PointCeiling = Config.Integer("PointCeiling", 12);
  UseSuddenDeath = Config.Flag("UseSuddenDeath", true);
  FirstToScore = Config.Flag("FirstToScore", true);
  ResetScoreForSuddenDeath = Config.Flag("ResetScoreForSuddenDeath", true);
  SaveFileName = Config.Text("SaveFileName", QString());
  SaveInput = Config.Flag("SaveInput", false);
  SaveScores = Config.Flag("SaveScores", false);
  R1 = Config.Integer("R1", 5);
  R2 = Config.Integer("R2", 7);
  R3 = Config.Integer("R3", 9);
  B1 = Config.Integer("B1", 6);
  B2 = Config.Integer("B2", 8);
  B3 = Config.Integer("B3", 10);
}

void TTKDConfig::SaveConfig() const {
  const TConfigSection Config(SettingsFilePath());
  Config.WriteFloat("RoundTime", RoundTime);
  Config.WriteFloat("CoachTime", CoachTime);
  Config.WriteFloat("InjuryTime", InjuryTime);
  Config.WriteFloat("DisqualifyPenalty", DisqualifyPenalty);
  Config.WriteFloat("EndOfRoundWarning", EndOfRoundWarning);
  Config.WriteText("BluePlayer", BluePlayer);
  Config.WriteText("RedPlayer", RedPlayer);
  Config.WriteInteger("Rounds", Rounds);
  Config.WriteInteger("RoundColor", RoundColor);
  Config.WriteInteger("BreakColor", BreakColor);
  Config.WriteInteger("InjuryColor", InjuryColor);
  Config.WriteInteger("RedPlayerColor", RedPlayerColor);
  Config.WriteInteger("BluePlayerColor", BluePlayerColor);
  Config.WriteInteger("OnePointColor", OnePointColor);
  Config.WriteInteger("TwoPointColor", TwoPointColor);
  Config.WriteInteger("ThreePointColor", ThreePointColor);
  Config.WriteInteger("NameColor", NameColor);
  Config.WriteInteger("BGColor", BGColor);
  Config.WriteInteger("CommPortNo", CommPortNo);
  Config.WriteText("Division", Division);
  Config.WriteFlag("AutoCalcWinner", AutoCalcWinner);
  Config.WriteFlag("QueryB4NewGame", QueryB4NewGame);
  Config.WriteFloat("WinnerBlink", WinnerBlink);
  Config.WriteFlag("AutoRestartAfterInjury", AutoRestartAfterInjury);
  Config.WriteFlag("UseElectronicScoring", UseElectronicScoring);
  Config.WriteFlag("UsePenaltyIncrement", UsePenaltyIncrement);
  Config.WriteFlag("ShowTotalPenalty", ShowTotalPenalty);
  Config.WriteInteger("NumButtons", NumButtons);
  Config.WriteInteger("Transiency", Transiency);
  Config.WriteFlag("UsePointGap", UsePointGap);
  Config.WriteInteger("PointGap", PointGap);
  Config.WriteFlag("UsePointCeiling", UsePointCeiling);
  Config.WriteInteger("PointCeiling", PointCeiling);
  Config.WriteFlag("UseSuddenDeath", UseSuddenDeath);
  Config.WriteFlag("FirstToScore", FirstToScore);
  Config.WriteFlag("ResetScoreForSuddenDeath", ResetScoreForSuddenDeath);
  Config.WriteText("SaveFileName", SaveFileName);
  Config.WriteFlag("SaveInput", SaveInput);
  Config.WriteFlag("SaveScores", SaveScores);
  Config.WriteInteger("R1", R1);
  Config.WriteInteger("R2", R2);
  Config.WriteInteger("R3", R3);
  Config.WriteInteger("B1", B1);
  Config.WriteInteger("B2", B2);
  Config.WriteInteger("B3", B3);
}
