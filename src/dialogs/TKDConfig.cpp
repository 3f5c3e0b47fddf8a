#include "dialogs/TKDConfig.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

#include "dialogs/AdvancedOptions.h"
#include "dialogs/ConfigRowDelegate.h"
#include "dialogs/DialogButtons.h"
#include "model/DorvaneError.h"
#include "model/NumberText.h"
#include "model/Settings.h"
#include "model/StringFn.h"
#include "widgets/BoardFont.h"
#include "widgets/ColorConversion.h"
#include "widgets/MessageBoxes.h"

namespace {

constexpr int RowRole = Qt::UserRole;  // int(TConfigRow) on the caption cell
constexpr double FallbackWinnerBlink = 1.5;

QString CheckText(bool On) { return On ? QStringLiteral("True") : QStringLiteral("False"); }

QString NumberText(double Value) { return NumberLocale().toString(Value, 'f', 1); }

std::optional<TConfigRow> RowOf(const QTreeWidgetItem* Item) {
  if (!Item) return std::nullopt;
  const QVariant Row = Item->data(0, RowRole);
  if (!Row.isValid()) return std::nullopt;
  return static_cast<TConfigRow>(Row.toInt());
}

// The time row a timer preview shows and the colour it is drawn in.
struct TPreviewedTimer {
  TConfigRow TimeRow;
  TConfigRow ColorRow;
};

std::optional<TPreviewedTimer> PreviewedTimer(TConfigRow Row) {
  using enum TConfigRow;
  switch (Row) {
    case RoundTime:
    case RoundColor:
      return TPreviewedTimer{RoundTime, RoundColor};
    case InjuryTime:
    case InjuryColor:
      return TPreviewedTimer{InjuryTime, InjuryColor};
    case CoachTime:
    case BreakColor:
      return TPreviewedTimer{CoachTime, BreakColor};
    default:
      return std::nullopt;
  }
}

bool IsTimeRow(TConfigRow Row) {
  return Row == TConfigRow::RoundTime || Row == TConfigRow::InjuryTime ||
         Row == TConfigRow::CoachTime;
}

bool ChangesPreview(TConfigRow ColorRow) {
  return PreviewedTimer(ColorRow) || ColorRow == TConfigRow::BGColor;
}

void SetLabelColors(QLabel* Label, const QColor& Background, const QColor& Text) {
  QPalette Palette = Label->palette();
  Palette.setColor(QPalette::Window, Background);
  Palette.setColor(QPalette::WindowText, Text);
  Label->setPalette(Palette);
}

}  // namespace

std::optional<QColor> ChooseColorWithDialog(QWidget* Parent, const QColor& Initial) {
  const QColor Chosen = QColorDialog::getColor(Initial, Parent);
  if (!Chosen.isValid()) return std::nullopt;
  return Chosen;
}

TfrmTKDConfig::TfrmTKDConfig(TTKDConfig& Config, QWidget* Owner) : QDialog(Owner), FConfig(Config) {
  setWindowTitle(QStringLiteral("Configuration"));

  Rows = new QTreeWidget;
  Rows->setObjectName(QStringLiteral("Rows"));
  Rows->setColumnCount(2);
  Rows->setHeaderHidden(true);
  Rows->setAlternatingRowColors(false);
  Rows->setEditTriggers(QAbstractItemView::AllEditTriggers);
  Rows->setSelectionBehavior(QAbstractItemView::SelectRows);
  Rows->setItemDelegate(new TConfigRowDelegate(
      [this](const QModelIndex& Index) {
        if (const auto Which = RowOf(Rows->itemFromIndex(Index))) ChooseRowColor(*Which);
      },
      Rows));
  BuildRows();
  Rows->expandAll();
  Rows->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  Rows->header()->setStretchLastSection(true);

  lblTimer = new QLabel(QStringLiteral("3:00"));
  lblTimer->setObjectName(QStringLiteral("lblTimer"));
  lblTimer->setAlignment(Qt::AlignCenter);
  lblTimer->setAutoFillBackground(true);
  lblTimer->setFont(BoardFont(48));
  lblTimer->setMinimumHeight(72);
  SetLabelColors(lblTimer, Qt::black, Qt::white);

  QDialogButtonBox* Buttons = AddOkCancelButtons(this, btnOK, btnCancel);
  btnAdvanced = Buttons->addButton(QStringLiteral("Advanced ..."), QDialogButtonBox::ActionRole);
  btnAdvanced->setObjectName(QStringLiteral("btnAdvanced"));
  btnAdvanced->setAutoDefault(false);
  connect(btnAdvanced, &QPushButton::clicked, this, &TfrmTKDConfig::btnAdvancedClick);

  auto* Layout = new QVBoxLayout(this);
  Layout->addWidget(Rows, 1);
  Layout->addWidget(lblTimer);
  Layout->addWidget(Buttons);

  connect(Rows, &QTreeWidget::itemChanged, this, &TfrmTKDConfig::OnRowChanged);
  connect(Rows, &QTreeWidget::currentItemChanged, this, &TfrmTKDConfig::OnCurrentRowChanged);
  connect(Rows->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &TfrmTKDConfig::OnCurrentCellChanged);

  resize(460, 680);
  if (const QScreen* Screen = QGuiApplication::primaryScreen()) {
    move(Screen->availableGeometry().center() - rect().center());
  }
}

void TfrmTKDConfig::BuildRows() {
  const auto Child = [](QTreeWidgetItem* Parent, const QString& Caption) {
    for (int I = 0; I < Parent->childCount(); ++I) {
      if (Parent->child(I)->text(0) == Caption && !RowOf(Parent->child(I))) return Parent->child(I);
    }
    auto* Category = new QTreeWidgetItem(Parent, {Caption});
    Category->setFlags(Qt::ItemIsEnabled);
    Category->setFirstColumnSpanned(true);
    return Category;
  };

  FRowItems.resize(ConfigRowDefs().size());
  QTreeWidgetItem* Root = Rows->invisibleRootItem();
  for (const TConfigRowDef& Def : ConfigRowDefs()) {
    QTreeWidgetItem* Parent = Root;
    if (*Def.Category) Parent = Child(Parent, QString::fromUtf8(Def.Category));
    if (*Def.SubCategory) Parent = Child(Parent, QString::fromUtf8(Def.SubCategory));
    // A category holding only hidden rows is hidden with them.
    if (Def.Hidden && Parent != Root && Parent->childCount() == 0) Parent->setHidden(true);

    auto* Item = new QTreeWidgetItem(Parent, {QString::fromUtf8(Def.Caption)});
    Item->setData(0, RowRole, static_cast<int>(Def.Row));
    Item->setData(1, TConfigRowDelegate::KindRole, static_cast<int>(Def.Kind));
    Item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    if (*Def.Hint) Item->setToolTip(0, QString::fromUtf8(Def.Hint));
    Item->setHidden(Def.Hidden);
    FRowItems[static_cast<size_t>(Def.Row)] = Item;
  }
}

QTreeWidgetItem* TfrmTKDConfig::Row(TConfigRow Which) const {
  return FRowItems[static_cast<size_t>(Which)];
}

QString TfrmTKDConfig::RowText(TConfigRow Which) const { return Row(Which)->text(1); }

void TfrmTKDConfig::SetRowText(TConfigRow Which, const QString& Text) {
  Row(Which)->setText(1, Text);
}

QColor TfrmTKDConfig::WorkingColor(TConfigRow Which) const {
  return Row(Which)->data(1, TConfigRowDelegate::WorkingColorRole).value<QColor>();
}

void TfrmTKDConfig::SetWorkingColor(TConfigRow Which, TColor Color) {
  Row(Which)->setData(1, TConfigRowDelegate::WorkingColorRole, ToQColor(Color));
}

void TfrmTKDConfig::LoadRows(const TTKDConfig& Config) {
  using enum TConfigRow;
  const QSignalBlocker NotTyping(Rows);  // loading is not a change to preview
  SetRowText(RedPlayer, Config.RedPlayer);
  SetRowText(BluePlayer, Config.BluePlayer);
  SetRowText(Division, Config.Division);
  SetRowText(QueryB4NewGame, CheckText(Config.QueryB4NewGame));
  SetRowText(RoundTime, NumberText(Config.RoundTime));
  SetRowText(InjuryTime, NumberText(Config.InjuryTime));
  SetRowText(CoachTime, NumberText(Config.CoachTime));
  SetRowText(EndOfRoundWarning, NumberText(Config.EndOfRoundWarning));
  SetWorkingColor(RoundColor, Config.RoundColor);
  SetWorkingColor(InjuryColor, Config.InjuryColor);
  SetWorkingColor(BreakColor, Config.BreakColor);
  SetWorkingColor(RedPlayerColor, Config.RedPlayerColor);
  SetWorkingColor(BluePlayerColor, Config.BluePlayerColor);
  SetWorkingColor(OnePointColor, Config.OnePointColor);
  SetWorkingColor(TwoPointColor, Config.TwoPointColor);
  SetWorkingColor(ThreePointColor, Config.ThreePointColor);
  SetWorkingColor(NameColor, Config.NameColor);
  SetWorkingColor(BGColor, Config.BGColor);
  SetRowText(Rounds, QString::number(Config.Rounds));
  SetRowText(AutoRestartAfterInjury, CheckText(Config.AutoRestartAfterInjury));
  SetRowText(DisqualifyPenalty, NumberText(Config.DisqualifyPenalty));
  SetRowText(UsePenaltyIncrement, CheckText(Config.UsePenaltyIncrement));
  SetRowText(ShowTotalPenalty, CheckText(Config.ShowTotalPenalty));
  SetRowText(AutoCalcWinner, CheckText(Config.AutoCalcWinner));
  SetRowText(WinnerBlink, NumberText(Config.WinnerBlink));
  SetRowText(UseSuddenDeath, CheckText(Config.UseSuddenDeath));
  SetRowText(FirstToScore, CheckText(Config.FirstToScore));
  SetRowText(ResetScoreForSuddenDeath, CheckText(Config.ResetScoreForSuddenDeath));
  SetRowText(UseElectronicScoring, CheckText(Config.UseElectronicScoring));
  SetRowText(NumButtons, QString::number(Config.NumButtons));
  SetRowText(Transiency, QString::number(Config.Transiency));
  SetRowText(CommPortNo, QString::number(Config.CommPortNo));
  SetRowText(UsePointGap, CheckText(Config.UsePointGap));
  SetRowText(PointGap, QString::number(Config.PointGap));
  SetRowText(UsePointCeiling, CheckText(Config.UsePointCeiling));
  SetRowText(PointCeiling, QString::number(Config.PointCeiling));
}

void TfrmTKDConfig::StoreRows(TTKDConfig& Config) const {
  using enum TConfigRow;
  const auto Float = [this](TConfigRow Which) {
    const QString Text = RowText(Which);
    const std::optional<double> Value = ParseFloatText(Text);
    if (!Value)
      throw TDorvaneError(QStringLiteral("'%1' is not a valid floating point value").arg(Text));
    return *Value + 0.0;  // "-0" is stored as 0
  };
  const auto Integer = [this](TConfigRow Which) {
    const QString Text = RowText(Which);
    const std::optional<int32_t> Value = ParseIntegerText(Text);
    if (!Value) throw TDorvaneError(QStringLiteral("'%1' is not a valid integer value").arg(Text));
    return *Value;
  };
  const auto Check = [this](TConfigRow Which) {
    return RowText(Which).toUpper() == QStringLiteral("TRUE");
  };
  const auto Color = [this](TConfigRow Which) { return FromQColor(WorkingColor(Which)); };

  Config.RoundTime = Float(RoundTime);
  Config.InjuryTime = Float(InjuryTime);
  Config.EndOfRoundWarning = Float(EndOfRoundWarning);
  Config.BluePlayer = RowText(BluePlayer);
  Config.RedPlayer = RowText(RedPlayer);
  Config.CoachTime = Float(CoachTime);
  Config.Rounds = Integer(Rounds);
  Config.DisqualifyPenalty = Float(DisqualifyPenalty);
  Config.RedPlayerColor = Color(RedPlayerColor);
  Config.BluePlayerColor = Color(BluePlayerColor);
  Config.OnePointColor = Color(OnePointColor);
  Config.TwoPointColor = Color(TwoPointColor);
  Config.ThreePointColor = Color(ThreePointColor);
  Config.NameColor = Color(NameColor);
  Config.BGColor = Color(BGColor);
  Config.Division = RowText(Division);
  Config.RoundColor = Color(RoundColor);
  Config.BreakColor = Color(BreakColor);
  Config.InjuryColor = Color(InjuryColor);
  Config.CommPortNo = Integer(CommPortNo);
  Config.UsePointGap = Check(UsePointGap);
  Config.PointGap = Integer(PointGap);
  Config.UsePointCeiling = Check(UsePointCeiling);
  Config.PointCeiling = Integer(PointCeiling);
  Config.UseSuddenDeath = Check(UseSuddenDeath);
  Config.FirstToScore = Check(FirstToScore);
  Config.ResetScoreForSuddenDeath = Check(ResetScoreForSuddenDeath);
  Config.QueryB4NewGame = Check(QueryB4NewGame);
  Config.AutoCalcWinner = Check(AutoCalcWinner);
  Config.UseElectronicScoring = Check(UseElectronicScoring);
  Config.ShowTotalPenalty = Check(ShowTotalPenalty);
  Config.UsePenaltyIncrement = Check(UsePenaltyIncrement);
  Config.AutoRestartAfterInjury = Check(AutoRestartAfterInjury);
  Config.NumButtons = Integer(NumButtons);
  Config.Transiency = Integer(Transiency);
  Config.WinnerBlink = ParseFloatText(RowText(WinnerBlink)).value_or(FallbackWinnerBlink) + 0.0;
}

void TfrmTKDConfig::ShowTimerPreview(const QTreeWidgetItem* Item) {
  const QColor Background = WorkingColor(TConfigRow::BGColor);
  QColor Digits = lblTimer->palette().color(QPalette::WindowText);
  const std::optional<TConfigRow> Which = RowOf(Item);
  if (const auto Timer = Which ? PreviewedTimer(*Which) : std::nullopt) {
    const double Seconds = ParseFloatText(RowText(Timer->TimeRow)).value_or(0);
    lblTimer->setText(FormatSecondsHMS(std::nearbyint(Seconds)));
    Digits = WorkingColor(Timer->ColorRow);
  }
  SetLabelColors(lblTimer, Background, Digits);
}

void TfrmTKDConfig::RefreshTimerDisplay() { ShowTimerPreview(Rows->currentItem()); }

void TfrmTKDConfig::ChooseRowColor(TConfigRow Which) {
  const std::optional<QColor> Chosen = ColorChooser(this, WorkingColor(Which));
  if (!Chosen) return;
  SetWorkingColor(Which, FromQColor(*Chosen));
  if (ChangesPreview(Which)) ShowTimerPreview(Row(Which));
}

void TfrmTKDConfig::OnRowChanged(QTreeWidgetItem* Item, int Column) {
  const std::optional<TConfigRow> Which = RowOf(Item);
  if (Column == 1 && Which && IsTimeRow(*Which)) RefreshTimerDisplay();
}

void TfrmTKDConfig::OnCurrentRowChanged(QTreeWidgetItem* Current) { ShowTimerPreview(Current); }

void TfrmTKDConfig::OnCurrentCellChanged(const QModelIndex& Current) {
  // Property-grid style: a focused row is focused in its value cell, where
  // the view's current-changed trigger opens the editor and, on leaving it,
  // closes it again.
  if (Current.column() == 0 && RowOf(Rows->itemFromIndex(Current))) {
    Rows->setCurrentIndex(Current.siblingAtColumn(1));
  }
}

void TfrmTKDConfig::btnAdvancedClick() {
  try {
    ShowAdvancedOptions(FConfig, this);
  } catch (const TDorvaneError& Error) {
    ShowErrorBox(this, Error.Message());
  }
}

bool ShowConfigDialog(TTKDConfig& Config, QWidget* Owner) {
  TfrmTKDConfig Dialog(Config, Owner);
  Dialog.LoadRows(Config);
  Dialog.ShowTimerPreview(nullptr);
  if (Dialog.exec() != QDialog::Accepted) return false;
  // The rows hold what was typed already: the editors write through at once.
  Dialog.StoreRows(Config);
  Config.SaveConfig();
  return true;
}
