#pragma once

#include <QString>
#include <cstdint>

// The match record file: Data/<SaveFileName>.txt beside the program, one
// line appended at a time (opened, written whole, closed). Failures are
// silent: the line is lost and the match goes on.

// "yyyy-mm-dd hh:nn:ss.zzz" of a date-time.
QString FormatRecordTime(double DateTime);
// Fixed notation with one decimal: 1.0, -0.5.
QString FormatOneDecimal(double Value);
// The record file's name for a SaveFileName: directory part dropped,
// extension replaced by ".txt" ("cup.2024.log" gives "cup.2024.txt").
QString RecordFileName(const QString& SaveFileName);
// Full path of the record file under Data/ beside the program.
QString RecordFilePath();

// Appends Line to the file at Path (made with its folder when missing);
// false when Path is empty or the line could not be written.
bool AppendLineToFile(const QString& Path, const QString& Line);

// When SaveScores is on and SaveFileName is not blank.
void WriteScoreRecord(const QString& Line);
// When SaveInput is on and SaveFileName is not blank.
void WriteInputRecord(const QString& Line);
// "  " and "NEW MATCH", when either switch is on and SaveFileName is not blank.
void RecordNewMatch();
// The operator-input line of an input kind and signed amount, when SaveInput is on.
void RecordInput(uint8_t Kind, double Amount);
