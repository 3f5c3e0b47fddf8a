#pragma once

#include <QStyledItemDelegate>
#include <functional>

// In-place editors for the value column of the configuration rows: a line
// edit for text and number rows, a True/False list for check rows, a list of its
// texts for a choice row, and a
// colour swatch with a "..." button for colour rows. Every change reaches
// the model at once, so the dialog sees what is being typed and never has
// to take over a half-edited row.
class TConfigRowDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  // Data roles of the value cell.
  static constexpr int KindRole = Qt::UserRole + 1;          // int(TRowKind); none on categories
  static constexpr int WorkingColorRole = Qt::UserRole + 2;  // QColor of a colour row
  static constexpr int ChoicesRole = Qt::UserRole + 3;       // QStringList of a choice row

  using TColorButtonHandler = std::function<void(const QModelIndex& Index)>;

  TConfigRowDelegate(TColorButtonHandler OnColorButton, QObject* Parent);

  QWidget* createEditor(QWidget* Parent, const QStyleOptionViewItem& Option,
                        const QModelIndex& Index) const override;
  void setEditorData(QWidget* Editor, const QModelIndex& Index) const override;
  void setModelData(QWidget* Editor, QAbstractItemModel* Model,
                    const QModelIndex& Index) const override;
  void paint(QPainter* Painter, const QStyleOptionViewItem& Option,
             const QModelIndex& Index) const override;

 protected:
  bool eventFilter(QObject* Editor, QEvent* Event) override;

 private:
  void CommitAtOnce(QWidget* Editor) const;

  TColorButtonHandler FOnColorButton;
};
