#include "dialogs/ConfigRowDelegate.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>
#include <algorithm>

#include "dialogs/ConfigRows.h"

namespace {

QString TrueText() { return QCoreApplication::translate("Configuration", "True"); }
QString FalseText() { return QCoreApplication::translate("Configuration", "False"); }

std::optional<TRowKind> KindOf(const QModelIndex& Index) {
  const QVariant Kind = Index.data(TConfigRowDelegate::KindRole);
  if (Index.column() != 1 || !Kind.isValid()) return std::nullopt;
  return static_cast<TRowKind>(Kind.toInt());
}

// The editor of a colour row: the cell filled with the working colour and a
// button that opens the colour chooser.
class TColorSwatchEditor : public QWidget {
 public:
  explicit TColorSwatchEditor(QWidget* Parent) : QWidget(Parent) {
    // Without its own role it would take the viewport's Base role and stay white.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    auto* Layout = new QHBoxLayout(this);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->addStretch();
    Button = new QToolButton(this);
    Button->setText(QStringLiteral("..."));
    Button->setObjectName(QStringLiteral("btnChooseColor"));
    Layout->addWidget(Button);
  }

  void SetColor(const QColor& Color) {
    QPalette Palette = palette();
    Palette.setColor(QPalette::Window, Color);
    setPalette(Palette);
  }

  QToolButton* Button;
};

}  // namespace

TConfigRowDelegate::TConfigRowDelegate(TColorButtonHandler OnColorButton, QObject* Parent)
    : QStyledItemDelegate(Parent), FOnColorButton(std::move(OnColorButton)) {}

void TConfigRowDelegate::CommitAtOnce(QWidget* Editor) const {
  emit const_cast<TConfigRowDelegate*>(this)->commitData(Editor);
}

QWidget* TConfigRowDelegate::createEditor(QWidget* Parent, const QStyleOptionViewItem&,
                                          const QModelIndex& Index) const {
  const std::optional<TRowKind> Kind = KindOf(Index);
  if (!Kind) return nullptr;  // captions and categories are not edited
  switch (*Kind) {
    case TRowKind::Check:
    case TRowKind::Choice: {
      auto* Combo = new QComboBox(Parent);
      Combo->addItems(*Kind == TRowKind::Check ? QStringList{TrueText(), FalseText()}
                                               : Index.data(ChoicesRole).toStringList());
      connect(Combo, &QComboBox::activated, this, [this, Combo] { CommitAtOnce(Combo); });
      return Combo;
    }
    case TRowKind::Colour: {
      auto* Swatch = new TColorSwatchEditor(Parent);
      const QPersistentModelIndex Row(Index);
      connect(Swatch->Button, &QToolButton::clicked, this, [this, Row] {
        if (Row.isValid() && FOnColorButton) FOnColorButton(Row);
      });
      return Swatch;
    }
    default: {
      auto* Edit = new QLineEdit(Parent);
      Edit->setFrame(false);
      connect(Edit, &QLineEdit::textEdited, this, [this, Edit] { CommitAtOnce(Edit); });
      return Edit;
    }
  }
}

void TConfigRowDelegate::setEditorData(QWidget* Editor, const QModelIndex& Index) const {
  const QString Text = Index.data(Qt::EditRole).toString();
  if (auto* Swatch = dynamic_cast<TColorSwatchEditor*>(Editor)) {
    Swatch->SetColor(Index.data(WorkingColorRole).value<QColor>());
  } else if (auto* Combo = qobject_cast<QComboBox*>(Editor)) {
    if (KindOf(Index) == TRowKind::Choice) {
      // A stored text that is none of the choices reads as the first one.
      Combo->setCurrentIndex(std::max(0, Combo->findText(Text, Qt::MatchFixedString)));
    } else {
      Combo->setCurrentIndex(Text.compare(TrueText(), Qt::CaseInsensitive) == 0 ? 0 : 1);
    }
  } else if (auto* Edit = qobject_cast<QLineEdit*>(Editor)) {
    // The model echoes every keystroke back; setting the same text again
    // would move the cursor to the end.
    if (Edit->text() != Text) Edit->setText(Text);
  }
}

void TConfigRowDelegate::setModelData(QWidget* Editor, QAbstractItemModel* Model,
                                      const QModelIndex& Index) const {
  if (auto* Combo = qobject_cast<QComboBox*>(Editor)) {
    Model->setData(Index, Combo->currentText());
  } else if (auto* Edit = qobject_cast<QLineEdit*>(Editor)) {
    Model->setData(Index, Edit->text());
  }
  // A colour row's working colour is set by the chooser, not by the editor.
}

void TConfigRowDelegate::paint(QPainter* Painter, const QStyleOptionViewItem& Option,
                               const QModelIndex& Index) const {
  if (KindOf(Index) != TRowKind::Colour) {
    QStyledItemDelegate::paint(Painter, Option, Index);
    return;
  }
  // A colour row has no text of its own: its cell is a plain swatch of the
  // working colour, with a thin outline that keeps white visible on white.
  const QRect Swatch = Option.rect.adjusted(1, 1, -2, -2);
  Painter->save();
  Painter->fillRect(Swatch, Index.data(WorkingColorRole).value<QColor>());
  Painter->setPen(Option.palette.color(QPalette::Mid));
  Painter->drawRect(Swatch);
  Painter->restore();
}

bool TConfigRowDelegate::eventFilter(QObject* Editor, QEvent* Event) {
  // A turn of the wheel over an open True/False list would flip it unseen.
  if (Event->type() == QEvent::Wheel && qobject_cast<QComboBox*>(Editor)) return true;
  // Escape cancels the whole dialog, not just the row: the row holds what was
  // typed already, so closing only the editor would undo nothing.
  if (Event->type() != QEvent::KeyPress) return QStyledItemDelegate::eventFilter(Editor, Event);
  const auto* KeyEvent = static_cast<QKeyEvent*>(Event);
  const int Key = KeyEvent->key();
  if (Key == Qt::Key_Escape) return false;
  // Enter presses the dialog's default button; the view would swallow it
  // while a row is being edited.
  if (Key == Qt::Key_Return || Key == Qt::Key_Enter) {
    if (auto* EditorWidget = qobject_cast<QWidget*>(Editor)) {
      QCoreApplication::sendEvent(EditorWidget->window(), Event);
      return true;
    }
  }
  // Up, Down and Tab leave the row as they would without an editor; a
  // True/False list would take Up and Down as a change of its value.
  const bool LeavesRow =
      Key == Qt::Key_Tab || Key == Qt::Key_Backtab ||
      ((Key == Qt::Key_Up || Key == Qt::Key_Down) && !(KeyEvent->modifiers() & Qt::AltModifier));
  auto* View = qobject_cast<QAbstractItemView*>(parent());
  auto* EditorWidget = qobject_cast<QWidget*>(Editor);
  if (LeavesRow && View && EditorWidget) {
    emit commitData(EditorWidget);
    emit closeEditor(EditorWidget, NoHint);
    QCoreApplication::sendEvent(View, Event);
    return true;
  }
  return QStyledItemDelegate::eventFilter(Editor, Event);
}
