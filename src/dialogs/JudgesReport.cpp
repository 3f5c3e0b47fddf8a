#include "dialogs/JudgesReport.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSaveFile>
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
  setWindowTitle(QStringLiteral("Judges' report"));
  grdJudges = new QTableWidget(static_cast<int>(FSummaries.size()), 5);
  grdJudges->setObjectName(QStringLiteral("grdJudges"));
  grdJudges->setHorizontalHeaderLabels({QStringLiteral("Judge"), QStringLiteral("Presses"),
                                        QStringLiteral("Scored"), QStringLiteral("Lone"),
                                        QStringLiteral("Median delay (ms)")});
  grdJudges->verticalHeader()->hide();
  for (int Row = 0; Row < grdJudges->rowCount(); ++Row) {
    const TJudgeSummary& Summary = FSummaries[static_cast<size_t>(Row)];
    grdJudges->setItem(Row, 0, Cell(QString::number(Summary.Judge)));
    grdJudges->setItem(Row, 1, Cell(QString::number(Summary.Presses)));
    grdJudges->setItem(Row, 2, Cell(QString::number(Summary.Scored)));
    grdJudges->setItem(Row, 3, Cell(QString::number(Summary.Lone)));
    grdJudges->setItem(Row, 4,
                       Cell(Summary.MedianDelayMs ? QString::number(*Summary.MedianDelayMs)
                                                  : QStringLiteral("-")));
  }
  grdJudges->resizeColumnsToContents();

  btnSave = new QPushButton(QStringLiteral("&Save as CSV..."));
  btnClose = new QPushButton(QStringLiteral("&Close"));
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
  const QString Path = QFileDialog::getSaveFileName(this, QStringLiteral("Save judges' report"),
                                                    QString(), QStringLiteral("CSV files (*.csv)"));
  if (Path.isEmpty()) return;
  if (SaveTo(Path)) return;
  qCWarning(lcJudgesReport) << "cannot write" << Path;
  ShowErrorBox(this, QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(Path)));
}

void ShowJudgesReport(QWidget* Owner, std::vector<TJudgeSummary> Summaries) {
  const auto Dialog = std::make_unique<TfrmJudgesReport>(Owner, std::move(Summaries));
  Dialog->exec();
}
