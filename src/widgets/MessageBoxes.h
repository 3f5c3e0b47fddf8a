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

// ---- For tests ----

enum class TMessageKind { None, Question, Information, Error };

struct TShownMessage {
  TMessageKind Kind = TMessageKind::None;
  QString Text;
};

// While one exists, no box is shown: each is recorded instead, and a question
// takes the next answer given (No when none was given).
class TMessageBoxTestScope {
 public:
  TMessageBoxTestScope();
  ~TMessageBoxTestScope();
  TMessageBoxTestScope(const TMessageBoxTestScope&) = delete;
  TMessageBoxTestScope& operator=(const TMessageBoxTestScope&) = delete;

  // The answer of the next question only.
  void SetNextAnswer(bool Yes);
  // The last box that would have been shown; Kind None when none was.
  const TShownMessage& LastMessage() const { return FLast; }
  int Count() const { return FCount; }
  void Clear();

 private:
  friend bool RecordInsteadOfShowing(TMessageKind Kind, const QString& Text, bool& Answer);
  TShownMessage FLast;
  int FCount = 0;
  bool FHasNextAnswer = false;
  bool FNextAnswer = false;
};
