#include "widgets/MessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
TMessageBoxTestScope* ActiveTestScope = nullptr;

const QString& BoxTitle() {
  static const QString Title = QStringLiteral("Dorvane");
  return Title;
}
}  // namespace

// True when a test scope took the box; Answer is then the question's answer.
bool RecordInsteadOfShowing(TMessageKind Kind, const QString& Text, bool& Answer) {
  TMessageBoxTestScope* Scope = ActiveTestScope;
  if (!Scope) return false;
  Scope->FLast = {Kind, Text};
  ++Scope->FCount;
  Answer = Scope->FHasNextAnswer && Scope->FNextAnswer;
  Scope->FHasNextAnswer = false;
  return true;
}

QString WithFullStop(const QString& Message) {
  return Message.endsWith(QLatin1Char('.')) ? Message : Message + QLatin1Char('.');
}

bool AskYesNo(QWidget* Parent, const QString& Question) {
  bool Answer = false;
  if (RecordInsteadOfShowing(TMessageKind::Question, Question, Answer)) return Answer;
  return QMessageBox::question(Parent, BoxTitle(), Question, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

bool AskChoice(QWidget* Parent, const QString& Question, const QString& First,
               const QString& Second) {
  bool Answer = false;
  if (RecordInsteadOfShowing(TMessageKind::Question, Question, Answer)) return Answer;
  QMessageBox Box(QMessageBox::Question, BoxTitle(), Question, QMessageBox::NoButton, Parent);
  QPushButton* FirstButton = Box.addButton(First, QMessageBox::AcceptRole);
  Box.addButton(Second, QMessageBox::RejectRole);
  Box.setDefaultButton(FirstButton);
  Box.exec();
  return Box.clickedButton() == FirstButton;
}

void ShowInformationBox(QWidget* Parent, const QString& Text) {
  bool Ignored = false;
  if (RecordInsteadOfShowing(TMessageKind::Information, Text, Ignored)) return;
  QMessageBox::information(Parent, BoxTitle(), Text);
}

void ShowErrorBox(QWidget* Parent, const QString& Message) {
  const QString Text = WithFullStop(Message);
  bool Ignored = false;
  if (RecordInsteadOfShowing(TMessageKind::Error, Text, Ignored)) return;
  QMessageBox::critical(Parent, BoxTitle(), Text);
}

TMessageBoxTestScope::TMessageBoxTestScope() { ActiveTestScope = this; }

TMessageBoxTestScope::~TMessageBoxTestScope() {
  if (ActiveTestScope == this) ActiveTestScope = nullptr;
}

void TMessageBoxTestScope::SetNextAnswer(bool Yes) {
  FHasNextAnswer = true;
  FNextAnswer = Yes;
}

void TMessageBoxTestScope::Clear() {
  FLast = {};
  FCount = 0;
  FHasNextAnswer = false;
}
