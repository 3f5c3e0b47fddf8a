#pragma once

#include <QString>
#include <vector>

struct TJudgeAuditLine;
struct TJudgeSummary;
class TTKDConfig;

// The judges' audit: <name>.judges.csv beside the match record, one line
// per judge's press and release, per agreement that scored and per press
// that aged out alone, so a protest or a review has the presses to look at.

// The header row the file starts with.
QString JudgesAuditHeader();
// "time,event,judge,side,value,judges,spread_ms" of one line.
QString FormatJudgesAuditLine(const TJudgeAuditLine& Line);
// <SaveFileName without extension>.judges.csv beside the match record; empty
// when no name is set.
QString JudgesAuditPath(const TTKDConfig& Config);
// When SaveInput is on and SaveFileName is not blank; a new file gets the
// header row first.
void WriteJudgesAuditLine(const TTKDConfig& Config, const TJudgeAuditLine& Line);

// The judges' report as CSV: a header row, then one row per judge.
QString JudgesReportCsv(const std::vector<TJudgeSummary>& Summaries);
