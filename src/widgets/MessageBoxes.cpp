#include "widgets/MessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
TMessageBoxSink* ActiveSink = nullptr;

const QString& BoxTitle() {
  static const QString Title = QStringLiteral("Dorvane");
  return Title;
}

// True when a sink took the box; Answer is then the question's answer.
bool GivenToSink(TMessageKind Kind, const QString& Text, bool& Answer) {
  if (!ActiveSink) return false;
  Answer = ActiveSink->Take(Kind, Text);
  return true;
}
}  // namespace

void SetMessageBoxSink(TMessageBoxSink* Sink) { ActiveSink = Sink; }

QString WithFullStop(const QString& Message) {
  return Message.endsWith(QLatin1Char('.')) ? Message : Message + QLatin1Char('.');
}

bool AskYesNo(QWidget* Parent, const QString& Question) {
  bool Answer = false;
  if (GivenToSink(TMessageKind::Question, Question, Answer)) return Answer;
  return QMessageBox::question(Parent, BoxTitle(), Question, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

bool AskChoice(QWidget* Parent, const QString& Question, const QString& First,
               const QString& Second) {
  bool Answer = false;
  if (GivenToSink(TMessageKind::Question, Question, Answer)) return Answer;
  QMessageBox Box(QMessageBox::Question, BoxTitle(), Question, QMessageBox::NoButton, Parent);
  QPushButton* FirstButton = Box.addButton(First, QMessageBox::AcceptRole);
  Box.addButton(Second, QMessageBox::RejectRole);
  Box.setDefaultButton(FirstButton);
  Box.exec();
  return Box.clickedButton() == FirstButton;
}

void ShowInformationBox(QWidget* Parent, const QString& Text) {
  bool Ignored = false;
  if (GivenToSink(TMessageKind::Information, Text, Ignored)) return;
  QMessageBox::information(Parent, BoxTitle(), Text);
}

void ShowErrorBox(QWidget* Parent, const QString& Message) {
  const QString Text = WithFullStop(Message);
  bool Ignored = false;
  if (GivenToSink(TMessageKind::Error, Text, Ignored)) return;
  QMessageBox::critical(Parent, BoxTitle(), Text);
}
