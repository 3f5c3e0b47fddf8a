#pragma once

#include <QWidget>

// A judge's light area without a pad: a thin grey outline and slash over the
// light, faint enough not to pull the audience's eye. Clicks go through to
// the board (popup menu).
class TMissingPadMark : public QWidget {
 public:
  // Covers Light and scales with it; hidden until shown.
  explicit TMissingPadMark(QWidget* Light);

 protected:
  void paintEvent(QPaintEvent* Event) override;
};
