#pragma once

#include <QLabel>
#include <QString>

// A text of the board. It keeps its whole text (what the live feed and the
// winner's line read) and draws the shortened one its box leaves room for,
// when there is one.
class TBoardText : public QLabel {
 public:
  using QLabel::QLabel;

  // What the label draws: its text, or the start of it with an ellipsis.
  QString ShownText() const;
  // Shown is drawn in place of the text until the text changes.
  void SetShownText(const QString& Shown);

 protected:
  void paintEvent(QPaintEvent* Event) override;

 private:
  QString FShortenedFrom;
  QString FShown;
};
