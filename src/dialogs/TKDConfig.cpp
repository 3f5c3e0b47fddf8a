#include "dialogs/TKDConfig.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "dialogs/AdvancedOptions.h"
#include "dialogs/ConfigRowDelegate.h"
#include "dialogs/DialogButtons.h"
#include "model/DorvaneError.h"
#include "model/NumberText.h"
#include "model/Settings.h"
#include "model/SettingsDefs.h"
#include "model/StringFn.h"
#include "widgets/BoardFont.h"
#include "widgets/ColorConversion.h"
#include "widgets/MessageBoxes.h"

namespace {

constexpr int RowRole = Qt::UserRole;  // int(TConfigRow) on the caption cell

QString CheckText(bool On) {
  return On ? QCoreApplication::translate("Configuration", "True")
            : QCoreApplication::translate("Configuration", "False");
}

QString NumberText(double Value) { return FormatFixedText(Value, 1); }

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

// The number in Text, or the message that names what is wrong with it.
double CheckedNumber(const TConfigRowDef& Def, const QString& Text) {
  const TSettingDef& Setting = Def.Setting();
  const std::optional<double> Value = ParseSettingNumber(Setting, Text);
  if (!Value) {
    throw TRefusedRow(
        Def.Row,
        Setting.Kind == TSettingKind::Float
            ? QCoreApplication::translate("Configuration",
                                          "'%1' is not a valid floating point value")
                  .arg(Text)
            : QCoreApplication::translate("Configuration", "'%1' is not a valid integer value")
                  .arg(Text));
  }
  if (!Setting.Range.Contains(*Value)) {
    throw TRefusedRow(Def.Row,
                      QCoreApplication::translate(
                          "Configuration", "'%1' is not a valid value for \"%2\": it must be %3")
                          .arg(Text, QCoreApplication::translate("Configuration", Def.Caption),
                               Setting.Range.Text()));
  }
  return *Value;
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
  setWindowTitle(QCoreApplication::translate("Configuration", "Configuration"));

  Rows = new QTreeWidget;
  Rows->setObjectName(QStringLiteral("Rows"));
  Rows->setColumnCount(2);
  Rows->setHeaderHidden(true);
  Rows->setAlternatingRowColors(false);
  // A value changes only in an open editor, and only Space, Enter, F2 or a
  // click opens one: moving over a True/False row must never flip it.
  Rows->setEditTriggers(QAbstractItemView::EditKeyPressed);
  Rows->installEventFilter(this);
  connect(Rows, &QAbstractItemView::clicked, this, &TfrmTKDConfig::EditRow);
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
  btnAdvanced = Buttons->addButton(QCoreApplication::translate("Configuration", "Advanced ..."),
                                   QDialogButtonBox::ActionRole);
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

  // The list scrolls, so the dialog can shrink to fit a small screen with
  // its buttons on it; the margin leaves room for the window's frame.
  constexpr int FrameMargin = 48;
  const QScreen* Screen = Owner ? Owner->screen() : QGuiApplication::primaryScreen();
  const QRect Area = Screen ? Screen->availableGeometry() : QRect(0, 0, 460, 680 + FrameMargin);
  resize(std::min(460, Area.width()), std::min(680, Area.height() - FrameMargin));
  move(Area.center() - rect().center());
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
    if (*Def.Category)
      Parent = Child(Parent, QCoreApplication::translate("Configuration", Def.Category));
    if (*Def.SubCategory)
      Parent = Child(Parent, QCoreApplication::translate("Configuration", Def.SubCategory));
    // A category holding only hidden rows is hidden with them.
    if (Def.Hidden && Parent != Root && Parent->childCount() == 0) Parent->setHidden(true);

    auto* Item =
        new QTreeWidgetItem(Parent, {QCoreApplication::translate("Configuration", Def.Caption)});
    Item->setData(0, RowRole, static_cast<int>(Def.Row));
    Item->setData(1, TConfigRowDelegate::KindRole, static_cast<int>(Def.Kind()));
    Item->setData(1, TConfigRowDelegate::ChoicesRole, Def.Choices());
    Item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    if (*Def.Hint) Item->setToolTip(0, QCoreApplication::translate("Configuration", Def.Hint));
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
  const QSignalBlocker NotTyping(Rows);  // loading is not a change to preview
  for (const TConfigRowDef& Def : ConfigRowDefs()) {
    const TSettingDef& Setting = Def.Setting();
    switch (Def.Kind()) {
      case TRowKind::Colour:
        SetWorkingColor(Def.Row, TColor(SettingValue(Config, Setting)));
        break;
      case TRowKind::Check:
        SetRowText(Def.Row, CheckText(SettingValue(Config, Setting) != 0));
        break;
      case TRowKind::Number:
        SetRowText(Def.Row, NumberText(SettingValue(Config, Setting)));
        break;
      default:
        SetRowText(Def.Row, SettingText(Config, Setting));
    }
  }
}

void TfrmTKDConfig::StoreRows(TTKDConfig& Config) const {
  // Every row is converted before any field changes: a bad row leaves the
  // settings as they were, not half stored.
  struct TStore {
    const TSettingDef* Setting;
    double Number;
    QString Text;
  };
  std::vector<TStore> Stores;
  for (const TConfigRowDef& Def : ConfigRowDefs()) {
    const TSettingDef& Setting = Def.Setting();
    const QString Text = RowText(Def.Row);
    switch (Def.Kind()) {
      case TRowKind::Text:
      case TRowKind::Choice:
        Stores.push_back({&Setting, 0, Text});
        break;
      case TRowKind::Check:
        Stores.push_back(
            {&Setting, Text.compare(CheckText(true), Qt::CaseInsensitive) == 0 ? 1.0 : 0.0, {}});
        break;
      case TRowKind::Colour:
        Stores.push_back({&Setting, double(FromQColor(WorkingColor(Def.Row))), {}});
        break;
      default:
        Stores.push_back({&Setting, CheckedNumber(Def, Text), {}});
    }
  }
  for (const TStore& Store : Stores) {
    if (Store.Setting->Kind == TSettingKind::Text) {
      SetSettingText(Config, *Store.Setting, Store.Text);
    } else {
      SetSettingNumber(Config, *Store.Setting, Store.Number);
    }
  }
}

void TfrmTKDConfig::accept() {
  try {
    StoreRows(FConfig);
  } catch (const TRefusedRow& Refused) {
    // The row is selected first, so the message is read beside it.
    Rows->setCurrentItem(Row(Refused.Row()), 1);
    Rows->scrollToItem(Row(Refused.Row()));
    ShowErrorBox(this, Refused.Message());
    Rows->setFocus();
    return;
  }
  QDialog::accept();
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

void TfrmTKDConfig::EditRow(const QModelIndex& Index) {
  if (RowOf(Rows->itemFromIndex(Index))) Rows->edit(Index.siblingAtColumn(1));
}

// The next (Step 1) or previous (Step -1) value row after the current one.
QTreeWidgetItem* TfrmTKDConfig::NeighbourRow(int Step) const {
  QTreeWidgetItem* Item = Rows->currentItem();
  do {
    Item = Step > 0 ? Rows->itemBelow(Item) : Rows->itemAbove(Item);
  } while (Item && !RowOf(Item));
  return Item;
}

bool TfrmTKDConfig::eventFilter(QObject* Watched, QEvent* Event) {
  // An open editor has the focus and its own keys; these reach the list only
  // while no row is being edited.
  if (Watched != Rows || Event->type() != QEvent::KeyPress) {
    return QDialog::eventFilter(Watched, Event);
  }
  const auto* Key = static_cast<QKeyEvent*>(Event);
  switch (Key->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
      if (!RowOf(Rows->currentItem())) return false;  // Enter on no row: the OK button
      EditRow(Rows->currentIndex());
      return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      // Tab walks the rows; after the last one it moves on to the buttons.
      if (QTreeWidgetItem* Next = NeighbourRow(Key->key() == Qt::Key_Tab ? 1 : -1)) {
        Rows->setCurrentItem(Next, 1);
        return true;
      }
      return false;
    default:
      return false;
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
  // OK stores the rows (the editors write through at once) before it closes.
  if (Dialog.exec() != QDialog::Accepted) return false;
  Config.SaveConfig();
  return true;
}
