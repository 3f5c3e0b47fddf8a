#pragma once

#include <QColor>
#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "dialogs/ConfigRows.h"
#include "model/Colors.h"
#include "model/DorvaneError.h"

class QLabel;
class QModelIndex;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TTKDConfig;

// Asks the operator for a colour, starting from Initial; nullopt when the
// chooser is cancelled.
using TColorChooser = std::function<std::optional<QColor>(QWidget* Parent, const QColor& Initial)>;

// The platform colour dialog with its full palette.
std::optional<QColor> ChooseColorWithDialog(QWidget* Parent, const QColor& Initial);

// A row whose text the settings refuse, and the message that says why.
class TRefusedRow : public TDorvaneError {
 public:
  TRefusedRow(TConfigRow Row, const QString& Message) : TDorvaneError(Message), FRow(Row) {}
  TConfigRow Row() const { return FRow; }

 private:
  TConfigRow FRow;
};

// The configuration dialog: the settings as captioned rows grouped under
// their categories, a preview clock under the list, and the advanced options
// one button away.
class TfrmTKDConfig : public QDialog {
  Q_OBJECT

 public:
  // Config is where the advanced options are stored and saved.
  explicit TfrmTKDConfig(TTKDConfig& Config, QWidget* Owner = nullptr);

  QTreeWidget* Rows;
  QLabel* lblTimer;  // the preview clock
  QPushButton* btnOK;
  QPushButton* btnCancel;
  QPushButton* btnAdvanced;
  // Opens the colour chooser of a colour row; tests answer it themselves.
  TColorChooser ColorChooser = ChooseColorWithDialog;

  // The item that holds Row; hidden rows have one too.
  QTreeWidgetItem* Row(TConfigRow Which) const;
  QString RowText(TConfigRow Which) const;
  void SetRowText(TConfigRow Which, const QString& Text);
  QColor WorkingColor(TConfigRow Which) const;

  // Fills every row and the working colours from Config: numbers with one
  // decimal, checks as "True"/"False". Up, Down and Tab move between the
  // rows; Space, Enter, F2 or a click opens a row's editor.
  void LoadRows(const TTKDConfig& Config);
  // Stores the rows into Config. Throws TRefusedRow for the first number
  // or integer row from the top that does not convert or lies outside its
  // setting's range; Config is then unchanged.
  void StoreRows(TTKDConfig& Config) const;

  // OK: stores the rows into the settings and closes. A refused row keeps
  // the dialog open with every edit, says why, and selects that row.
  void accept() override;

  // Shows on the preview clock the time of the time row or timer colour row
  // Item, in that timer's working colour; any other row, or none, only
  // repaints the preview's background.
  void ShowTimerPreview(const QTreeWidgetItem* Item);
  // The text of a time row changed: preview the focused row again.
  void RefreshTimerDisplay();
  // The "..." button of a colour row.
  void ChooseRowColor(TConfigRow Which);

  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void BuildRows();
  void EditRow(const QModelIndex& Index);
  QTreeWidgetItem* NeighbourRow(int Step) const;
  void OnRowChanged(QTreeWidgetItem* Item, int Column);
  void OnCurrentRowChanged(QTreeWidgetItem* Current);
  void OnCurrentCellChanged(const QModelIndex& Current);
  void btnAdvancedClick();
  void SetWorkingColor(TConfigRow Which, TColor Color);

  std::vector<QTreeWidgetItem*> FRowItems;  // indexed by TConfigRow
  TTKDConfig& FConfig;
};

// Shows the configuration dialog modally, loaded from Config. On OK stores
// the rows into Config and saves the settings file, then returns true;
// false when cancelled. Throws TDorvaneError when the file cannot be written;
// the dialog is closed by then.
bool ShowConfigDialog(TTKDConfig& Config, QWidget* Owner = nullptr);
