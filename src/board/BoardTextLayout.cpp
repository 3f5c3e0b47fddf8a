#include "board/BoardTextLayout.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "board/FormResizer.h"

namespace {

// The board's design client area and the gap kept between neighbouring boxes.
constexpr double DesignWidth = 805;
constexpr double DesignHeight = 582;
constexpr int Gap = 4;

// Edges at design, so that a box and its neighbour share a scaled edge.
struct TEdges {
  int Left, Top, Right, Bottom;
};

// The judges' lights span 18 to 317 (red) and 484 to 783 (blue) from the top
// down to 30; the centre column under the division holds "ROUND" and the
// round number (347 to 446); the penalty markers start at 137 and 735.
// Layout is the label's design rectangle where it is wider than the box: a
// text that fits keeps its centre there.
struct TTextEdges {
  const char* Name;
  TEdges Box;
  std::optional<TEdges> Layout = std::nullopt;
};
constexpr TTextEdges TextEdges[] = {
    {"lblDivision", {317 + Gap, 9, 484 - Gap, 32}, TEdges{290, 9, 507, 33}},
    {"lblRoundHeader", {347, 33, 446, 54}, TEdges{290, 33, 507, 57}},
    {"lblRound", {347, 54, 446, 141}},
    {"lblRedPlayerName", {19, 32, 347 - Gap, 56}},
    {"lblBluePlayerName", {446 + Gap, 32, 766, 56}},
    {"lblRedScore", {4, 56, 347 - Gap, 368}},
    {"lblBlueScore", {446 + Gap, 56, 800, 368}},
    {"lblRoundState", {240, 368, 557, 392}},
    {"lblWinner", {240, 368, 557, 392}},
    {"lblCountDown", {182, 394, 599, 528}},
    {"lblRedPenaltyCaption", {1, 401, 171, 419}},
    {"lblRedPenalty", {2, 429, 137, 534}, TEdges{2, 429, 152, 534}},
    {"lblBluePenaltyCaption", {604, 402, 779, 420}},
    {"lblBluePenalty", {599, 430, 735, 535}, TEdges{599, 430, 749, 535}},
};

QRect Scaled(const TEdges& Edges, QSize Client) {
  const double X = Client.width() / DesignWidth;
  const double Y = Client.height() / DesignHeight;
  const int Left = RoundHalfEven(Edges.Left * X);
  const int Top = RoundHalfEven(Edges.Top * Y);
  return QRect(Left, Top, RoundHalfEven(Edges.Right * X) - Left,
               RoundHalfEven(Edges.Bottom * Y) - Top);
}

// The score figures lie where their own rule puts them (in proportions of 790
// by 570), down to their boxes' bottom; their text hangs from the figure's top.
QRect ScoreFigureRect(bool Red, const QRect& Box, QSize Client) {
  const int Top = RoundHalfEven(Client.height() * 44.0 / 570);
  const int Left = RoundHalfEven(Client.width() * (Red ? 4.0 : 406.0) / 790);
  const int Width = RoundHalfEven(Client.width() * 379.0 / 790);
  return QRect(Left, Top, Width, Box.top() + Box.height() - Top);
}

}  // namespace

QRect TTextPlace::Narrowed() const {
  const int Left = std::max(Rect.left(), Box.left());
  const int Right = std::min(Rect.left() + Rect.width(), Box.left() + Box.width());
  return QRect(Left, Rect.top(), Right - Left, Rect.height());
}

TTextPlace BoardTextPlace(const QString& Name, QSize Client) {
  for (const TTextEdges& Text : TextEdges) {
    if (Name != QLatin1String(Text.Name)) continue;
    const QRect Box = Scaled(Text.Box, Client);
    const bool Red = Name == QLatin1String("lblRedScore");
    if (Red || Name == QLatin1String("lblBlueScore")) {
      const QRect Figure = ScoreFigureRect(Red, Box, Client);
      return {Figure, Box.intersected(Figure)};
    }
    return {Text.Layout ? Scaled(*Text.Layout, Client) : Box, Box};
  }
  return {};
}

int BoardMaxFontSize(int ClientHeight) {
  constexpr int MaxAt1080 = 480;
  if (ClientHeight <= 1080) return MaxAt1080;
  return RoundHalfEven(MaxAt1080 * ClientHeight / 1080.0);
}
