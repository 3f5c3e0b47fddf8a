#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "model/InputKinds.h"

class TTKDConfig;

// The match record file: Data/<SaveFileName>.txt beside the program, one
// line appended at a time (opened, written whole, closed). Lines the file
// cannot take wait in order for the next write or RetryWrite, and the match
// goes on; WriteState tells the operator.

// "yyyy-mm-dd hh:nn:ss.zzz" of a date-time.
QString FormatRecordTime(double DateTime);
// Fixed notation with one decimal: 1.0, -0.5.
QString FormatOneDecimal(double Value);
// The record file's name for a SaveFileName: directory part dropped,
// extension replaced by ".txt" ("cup.2024.log" gives "cup.2024.txt").
QString RecordFileName(const QString& SaveFileName);
// The match's record file, as the settings name it and switch it on.
class TMatchRecords {
 public:
  explicit TMatchRecords(const TTKDConfig& Config) : FConfig(Config) {}

  // Full path of the record file under Data/ beside the program; empty when
  // SaveFileName names no file.
  QString FilePath() const;
  // When SaveScores is on and SaveFileName is not blank.
  void WriteScoreRecord(const QString& Line) const;
  // When SaveInput is on and SaveFileName is not blank.
  void WriteInputRecord(const QString& Line) const;
  // "  " and "NEW MATCH", when either switch is on and SaveFileName is not blank.
  void RecordNewMatch() const;
  // The operator-input line of an input kind and signed amount, when SaveInput is on.
  void RecordInput(TInputKind Kind, double Amount) const;
  // The operator's clock correction ("clock +1 s"), when SaveInput is on.
  void RecordClockCorrection(int Seconds) const;
  // What became of the last line written: none yet, written, or waiting.
  enum class TWriteState { NoneYet, Writing, CannotWrite };
  TWriteState WriteState() const { return FWriteState; }
  // WriteState changed.
  std::function<void()> OnWriteStateChange;
  // Tries the waiting lines again, for a disk that may have room again while
  // the match stands still; nothing when none wait.
  void RetryWrite() const;
  // Lines kept for the file at most; further ones are lost (and logged).
  static constexpr qsizetype MaxWaitingLines = 10000;

 private:
  bool RecordingNamed() const;
  void AppendRecordLine(const QString& Line) const;
  void WriteWaitingLines() const;
  void SetWriteState(TWriteState State) const;

  const TTKDConfig& FConfig;
  mutable TWriteState FWriteState = TWriteState::NoneYet;
  // Oldest first; written before any newer line.
  mutable QStringList FWaiting;
  mutable bool FLossReported = false;
};

// Appends Line to the file at Path (made with its folder when missing);
// false when Path is empty or the line could not be written.
bool AppendLineToFile(const QString& Path, const QString& Line);
