#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <vector>

#include "input/JudgePressLog.h"

class QPushButton;
class QTableWidget;

// "Judges' report": per judge of the current match, the presses, the presses
// that scored, the lone presses and the median delay behind the first
// agreeing judge; it can be saved as CSV.
class TfrmJudgesReport : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(JudgesReport)

 public:
  TfrmJudgesReport(QWidget* Owner, std::vector<TJudgeSummary> Summaries);

  QTableWidget* grdJudges;
  QPushButton* btnSave;
  QPushButton* btnClose;

  // Writes the report to Path; false when the file cannot be written.
  bool SaveTo(const QString& Path) const;

 private:
  void btnSaveClick();

  std::vector<TJudgeSummary> FSummaries;
};

void ShowJudgesReport(QWidget* Owner, std::vector<TJudgeSummary> Summaries);
