#include "dialogs/JudgesReport.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <memory>

#include "input/JudgesAudit.h"
#include "widgets/MessageBoxes.h"

Q_LOGGING_CATEGORY(lcJudgesReport, "dorvane.judgesreport")

namespace {

QTableWidgetItem* Cell(const QString& Text) {
  auto* Item = new QTableWidgetItem(Text);
  Item->setFlags(Qt::ItemIsEnabled);
  Item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return Item;
}

}  // namespace

TfrmJudgesReport::TfrmJudgesReport(QWidget* Owner, std::vector<TJudgeSummary> Summaries)
    : QDialog(Owner), FSummaries(std::move(Summaries)) {
  setObjectName(QStringLiteral("frmJudgesReport"));
  setWindowTitle(tr("Judges' report"));
  grdJudges = new QTableWidget(static_cast<int>(FSummaries.size()), 5);
  grdJudges->setObjectName(QStringLiteral("grdJudges"));
  grdJudges->setHorizontalHeaderLabels(
      {tr("Judge"), tr("Presses"), tr("Scored"), tr("Lone"), tr("Median delay (ms)")});
  grdJudges->verticalHeader()->hide();
  for (int Row = 0; Row < grdJudges->rowCount(); ++Row) {
    const TJudgeSummary& Summary = FSummaries[static_cast<size_t>(Row)];
    grdJudges->setItem(Row, 0, Cell(QLocale().toString(Summary.Judge)));
    grdJudges->setItem(Row, 1, Cell(QLocale().toString(Summary.Presses)));
    grdJudges->setItem(Row, 2, Cell(QLocale().toString(Summary.Scored)));
    grdJudges->setItem(Row, 3, Cell(QLocale().toString(Summary.Lone)));
    grdJudges->setItem(Row, 4,
                       Cell(Summary.MedianDelayMs ? QLocale().toString(*Summary.MedianDelayMs)
                                                  : QStringLiteral("-")));
  }
  grdJudges->resizeColumnsToContents();
  // Opens wide enough for every column, whatever the language's headers.
  grdJudges->setMinimumWidth(grdJudges->horizontalHeader()->length() + 2 * grdJudges->frameWidth() +
                             grdJudges->verticalScrollBar()->sizeHint().width());

  btnSave = new QPushButton(tr("&Save as CSV..."));
  btnClose = new QPushButton(tr("&Close"));
  btnClose->setDefault(true);
  auto* Commands = new QHBoxLayout;
  Commands->addStretch();
  Commands->addWidget(btnSave);
  Commands->addWidget(btnClose);
  auto* Main = new QVBoxLayout(this);
  Main->addWidget(grdJudges, 1);
  Main->addLayout(Commands);
  connect(btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
  connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

bool TfrmJudgesReport::SaveTo(const QString& Path) const {
  QSaveFile File(Path);
  if (!File.open(QIODevice::WriteOnly)) return false;
  File.write(JudgesReportCsv(FSummaries).toUtf8());
  return File.commit();
}

void TfrmJudgesReport::btnSaveClick() {
  const QString Path = QFileDialog::getSaveFileName(this, tr("Save judges' report"), QString(),
                                                    tr("CSV files (*.csv)"));
  if (Path.isEmpty()) return;
  if (SaveTo(Path)) return;
  qCWarning(lcJudgesReport) << "cannot write" << Path;
  ShowErrorBox(this, tr("Unable to write to %1").arg(QDir::toNativeSeparators(Path)));
}

void ShowJudgesReport(QWidget* Owner, std::vector<TJudgeSummary> Summaries) {
  const auto Dialog = std::make_unique<TfrmJudgesReport>(Owner, std::move(Summaries));
  Dialog->exec();
}
