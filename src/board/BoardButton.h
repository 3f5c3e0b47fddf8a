#pragma once

#include <QPushButton>
#include <QString>

#include "board/ButtonColors.h"

// An operator's button of the board: its group's face and caption for the
// state it is in, inside a thin dark border with round corners. Drawn here
// rather than by a style sheet, which made each button cost the board's
// start several times as much to make, polish and paint.
class TBoardButton : public QPushButton {
 public:
  TBoardButton(const QString& Caption, const TButtonGroupColors& Colors, QWidget* Parent);

  // The look for the button's state: disabled, pressed, under the pointer or none of these.
  const TButtonLook& CurrentLook() const;

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void enterEvent(QEnterEvent* Event) override;
  void leaveEvent(QEvent* Event) override;

 private:
  const TButtonGroupColors& FColors;
};
