#pragma once

#include <QString>
#include <optional>

#include "widgets/MessageBoxes.h"

struct TShownMessage {
  // Empty when no box was shown.
  std::optional<TMessageKind> Kind;
  QString Text;
};

// While one exists, no box is shown: each is recorded instead, and a question
// takes the next answer given (No when none was given).
class TMessageBoxTestScope : public TMessageBoxSink {
 public:
  TMessageBoxTestScope() { SetMessageBoxSink(this); }
  ~TMessageBoxTestScope() override { SetMessageBoxSink(nullptr); }
  TMessageBoxTestScope(const TMessageBoxTestScope&) = delete;
  TMessageBoxTestScope& operator=(const TMessageBoxTestScope&) = delete;

  bool Take(TMessageKind Kind, const QString& Text) override {
    FLast = {Kind, Text};
    ++FCount;
    const bool Answer = FHasNextAnswer && FNextAnswer;
    FHasNextAnswer = false;
    return Answer;
  }

  // The answer of the next question only.
  void SetNextAnswer(bool Yes) {
    FHasNextAnswer = true;
    FNextAnswer = Yes;
  }
  // The last box that would have been shown.
  const TShownMessage& LastMessage() const { return FLast; }
  int Count() const { return FCount; }
  void Clear() {
    FLast = {};
    FCount = 0;
    FHasNextAnswer = false;
  }

 private:
  TShownMessage FLast;
  int FCount = 0;
  bool FHasNextAnswer = false;
  bool FNextAnswer = false;
};
