#include <QApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "model/Settings.h"

int main(int argc, char** argv) {
  if (!getenv("DISPLAY") && !getenv("WAYLAND_DISPLAY") && !getenv("QT_QPA_PLATFORM")) {
    std::fputs(
        "Dorvane needs a display: start it from a desktop session, or headless with "
        "'xvfb-run build/dorvane'.\n",
        stderr);
    return 1;
  }
  auto Config = std::make_unique<TTKDConfig>();
  Settings = Config.get();
  Settings->LoadConfig();

  QApplication App(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Dorvane"));

  QWidget Board;
  Board.setWindowTitle(QStringLiteral("Dorvane"));
  Board.setWindowFlags(Qt::FramelessWindowHint);
  QPalette Palette = Board.palette();
  Palette.setColor(QPalette::Window, ToQColor(Settings->BGColor));
  Board.setPalette(Palette);
  Board.setAutoFillBackground(true);
  QShortcut Exit(QKeySequence(Qt::CTRL | Qt::Key_X), &Board, &QWidget::close);
  Board.resize(805, 582);
  Board.show();
  const int Result = App.exec();
  Settings = nullptr;
  return Result;
}
