#pragma once

#include <QString>

class QWidget;

// Every message box of the board goes through here: titled "Dorvane", and
// answerable in tests without a modal loop.

// "Ready to start a new game?" and the like: true only on Yes.
bool AskYesNo(QWidget* Parent, const QString& Question);
// A question answered by one of two named buttons: true for First. A test's
// next answer Yes stands for First, No for Second.
bool AskChoice(QWidget* Parent, const QString& Question, const QString& First,
               const QString& Second);
void ShowInformationBox(QWidget* Parent, const QString& Text);
// An error for the operator; a full stop is added when the text lacks one.
void ShowErrorBox(QWidget* Parent, const QString& Message);

// The message as the error box shows it.
QString WithFullStop(const QString& Message);

enum class TMessageKind { Question, Information, Error };

// Takes the boxes instead of the screen while installed (a run without an
// operator at the screen): it gets each box and gives a question's answer.
class TMessageBoxSink {
 public:
  virtual ~TMessageBoxSink() = default;
  // The answer of a question; ignored for the other kinds.
  virtual bool Take(TMessageKind Kind, const QString& Text) = 0;
};

// Boxes go to Sink from now on; nullptr shows them on the screen again.
void SetMessageBoxSink(TMessageBoxSink* Sink);
