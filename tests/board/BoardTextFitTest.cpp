// Every text of the board inside its box and the window, clear of every other
// text, at real screen sizes with real tournament content. The ink is
// measured by drawing each label's text unclipped, as the label draws it.

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextLayout>

#include "board/BoardText.h"
#include "board/BoardTextLayout.h"
#include "board/ButtonColors.h"
#include "board/FormResizer.h"
#include "board/TextFit.h"
#include "model/ScoreManager.h"
#include "support/ui/BoardFixture.h"
#include "widgets/BoardFont.h"

namespace {

struct TContent {
  const char* Name;
  int RedScore;
  int BlueScore;
  double Penalty;
  const char* RedName;
  const char* BlueName;
  const char* Division;
};

const char kDivision60[] = "Senior Female -67kg Final, World Championship Manchester 202";

const TContent Contents[] = {
    {"Scores0", 0, 0, 0, nullptr, nullptr, nullptr},
    {"Scores12And18", 12, 18, 0, nullptr, nullptr, "Senior Female -67kg Final"},
    {"Scores88", 88, 88, 0, nullptr, nullptr, nullptr},
    // 12.5 penalties disqualify: the winner's name stands in the state line's place.
    {"Scores188Penalties12_5", 188, 188, 12.5, nullptr, nullptr, nullptr},
    {"LatinNames", 12, 18, 0, "Maximilian Alexander Wolfgang Oberhausen",
     "Jean-Baptiste Emmanuel Zorg de la Fontai", kDivision60},
    {"CyrillicNames", 12, 18, 0, "Александр Владимирович Константинопольск",
     "Екатерина Вячеславовна Преображенская-Ко", kDivision60},
    {"HangulNames", 12, 18, 0,
     "김태권이순신세종대왕한글날대한민국서울특별시부산광역시인천광역시대구광역시울산시",
     "박지성손흥민김연아류현진이승엽차범근홍명보안정환박찬호선동열최동원이만수김성근유",
     kDivision60},
    // Latin descenders below a Hangul line: the fallback font sets the line's box.
    {"HangulDivisionWithDescenders", 12, 18, 0, "김태권", "박지성", "남자 -68kg"},
};

const QSize Sizes[] = {{800, 600},  {1024, 768},  {1280, 1024},
                       {1280, 720}, {1920, 1080}, {3840, 2160}};

// Where the ink of the label's text falls on the board, the text drawn
// without the label's clipping so that a cut glyph shows as overflow.
QString ShownText(const QLabel* Label) {
  const auto* Text = dynamic_cast<const TBoardText*>(Label);
  return Text ? Text->ShownText() : Label->text();
}

QRect DrawnInk(const QFont& Font, const QRect& Rect, int Flags, const QString& Text) {
  const QFontMetrics Metrics(Font);
  const int Margin = Metrics.horizontalAdvance(Text) + Metrics.height();
  const QRect Area = Rect.adjusted(-Margin, -Margin, Margin, Margin);
  QImage Image(Area.size(), QImage::Format_ARGB32_Premultiplied);
  Image.fill(Qt::transparent);
  {
    QPainter Painter(&Image);
    Painter.translate(-Area.topLeft());
    Painter.setPen(Qt::white);
    DrawBoardText(Painter, Font, Rect, Flags | Qt::TextDontClip, Text);
  }
  int Left = Image.width(), Top = Image.height(), Right = -1, Bottom = -1;
  for (int Y = 0; Y < Image.height(); ++Y) {
    const auto* Line = reinterpret_cast<const QRgb*>(Image.constScanLine(Y));
    for (int X = 0; X < Image.width(); ++X) {
      if (qAlpha(Line[X]) == 0) continue;
      Left = std::min(Left, X);
      Right = std::max(Right, X);
      Top = std::min(Top, Y);
      Bottom = std::max(Bottom, Y);
    }
  }
  if (Right < 0) return {};
  return QRect(QPoint(Left, Top), QPoint(Right, Bottom)).translated(Area.topLeft());
}

QRect DrawnInk(const QLabel* Label) {
  return DrawnInk(Label->font(), Label->contentsRect().translated(Label->pos()),
                  int(Label->alignment()), ShownText(Label));
}

QString Repr(const QRect& R) {
  return QStringLiteral("(%1,%2 %3x%4)").arg(R.x()).arg(R.y()).arg(R.width()).arg(R.height());
}

std::string CaseName(const testing::TestParamInfo<std::tuple<QSize, TContent>>& Info) {
  const QSize Size = std::get<0>(Info.param);
  return std::to_string(Size.width()) + "x" + std::to_string(Size.height()) + "_" +
         std::get<1>(Info.param).Name;
}

class BoardTextFitTest : public TBoardFixture,
                         public testing::WithParamInterface<std::tuple<QSize, TContent>> {};

TEST_P(BoardTextFitTest, EveryTextInsideItsBoxAndClearOfTheOthers) {
  const auto& [Size, Content] = GetParam();
  TfrmDorvane& Window = Board();
  Window.resize(Size);
  ASSERT_EQ(Window.size(), Size);
  if (Content.RedName)
    Window.SetPlayerNames(QString::fromUtf8(Content.RedName), QString::fromUtf8(Content.BlueName));
  if (Content.Division) Window.SetDivision(QString::fromUtf8(Content.Division));
  TDorvaneMgr& Mgr = Window.ScoreMgr();
  Mgr.SetRedScore(Content.RedScore);
  Mgr.SetBlueScore(Content.BlueScore);
  Mgr.SetRedPenalty(Content.Penalty);
  Mgr.SetBluePenalty(Content.Penalty);
  Window.SetClockText(QStringLiteral("10:00"));

  struct TDrawn {
    QString Name;
    QRect Ink;
  };
  std::vector<TDrawn> Drawn;
  const QRect Screen(QPoint(0, 0), Size);
  for (const QLabel* Label : Window.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (!Label->isVisible() || Label->text().isEmpty()) continue;
    const QString Name = Label->objectName();
    SCOPED_TRACE(Name.toStdString());
    const QRect Ink = DrawnInk(Label);
    ASSERT_FALSE(Ink.isNull()) << "nothing drawn";
    // A text too long to read at the size that fits shows its start.
    const QString Shown = ShownText(Label);
    if (Shown != Label->text()) {
      EXPECT_TRUE(Shown.endsWith(QChar(0x2026)) && Label->text().startsWith(Shown.chopped(1)) &&
                  Shown.size() > 1)
          << Shown.toStdString();
    }
    const QRect Box = BoardTextPlace(Name, Size).Box;
    EXPECT_TRUE(Box.contains(Ink))
        << "ink " << Repr(Ink).toStdString() << " box " << Repr(Box).toStdString();
    EXPECT_TRUE(Label->geometry().contains(Ink)) << "cut by its own label";
    EXPECT_TRUE(Screen.contains(Ink));
    for (const TDrawn& Other : Drawn) {
      EXPECT_FALSE(Ink.intersects(Other.Ink)) << "overlaps " << Other.Name.toStdString();
    }
    Drawn.push_back({Name, Ink});
  }
  EXPECT_GE(Drawn.size(), 11u);
  // Nothing under the judges' lights or the penalty markers.
  for (const char* Shape : {"shpR1", "shpR2", "shpR3", "shpR4", "shpB1", "shpB2", "shpB3", "shpB4",
                            "shpRedPenalty", "shpBluePenalty"}) {
    const QRect Area = Window.Element(QLatin1String(Shape))->geometry();
    for (const TDrawn& Text : Drawn) {
      EXPECT_FALSE(Area.intersects(Text.Ink)) << Text.Name.toStdString() << " under " << Shape;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(SizesAndContents, BoardTextFitTest,
                         testing::Combine(testing::ValuesIn(Sizes), testing::ValuesIn(Contents)),
                         CaseName);

// The smallest window the board is used in, also with long names and divisions.
INSTANTIATE_TEST_SUITE_P(SmallestWindow, BoardTextFitTest,
                         testing::Combine(testing::Values(QSize(200, 150)),
                                          testing::ValuesIn(Contents)),
                         CaseName);

// The smallest window cuts what it cannot show legibly; the board still
// holds the whole text (the live feed and the winner's line read it), and a
// window with room for it shows it whole again.
TEST_F(TBoardFixture, TextsTooLongForTheSmallestWindowShowTheirStart) {
  const QString Division = QString::fromUtf8(kDivision60);
  const QString RedName = QStringLiteral("Maximilian Alexander Wolfgang Oberhausen");
  Board().SetDivision(Division);
  Board().SetPlayerNames(RedName, QStringLiteral("Blue"));
  const auto* DivisionText =
      dynamic_cast<TBoardText*>(Board().Label(QStringLiteral("lblDivision")));
  const auto* NameText =
      dynamic_cast<TBoardText*>(Board().Label(QStringLiteral("lblRedPlayerName")));
  ASSERT_TRUE(DivisionText && NameText);

  Board().resize(200, 150);
  EXPECT_TRUE(DivisionText->ShownText().startsWith(QStringLiteral("Sen")));
  EXPECT_TRUE(DivisionText->ShownText().endsWith(QChar(0x2026)));
  EXPECT_TRUE(NameText->ShownText().startsWith(QStringLiteral("Max")));
  EXPECT_TRUE(NameText->ShownText().endsWith(QChar(0x2026)));
  EXPECT_GE(NameText->font().pixelSize(), 4);
  EXPECT_EQ(DivisionText->text(), Division);
  EXPECT_EQ(NameText->text(), RedName);

  Board().resize(1920, 1080);
  EXPECT_EQ(DivisionText->ShownText(), Division);
  EXPECT_EQ(NameText->ShownText(), RedName);
}

// A name is shown as typed: angle brackets are letters, not markup.
TEST_F(TBoardFixture, ANameWithMarkupIsDrawnAsTyped) {
  Board().resize(1280, 720);
  QLabel* Name = Board().Label(QStringLiteral("lblRedPlayerName"));
  Board().SetPlayerNames(QStringLiteral("Lee"), QStringLiteral("Blue"));
  const QImage Plain = Name->grab().toImage();
  Board().SetPlayerNames(QStringLiteral("<b>Lee</b>"), QStringLiteral("Blue"));
  EXPECT_NE(Name->grab().toImage(), Plain);
  EXPECT_EQ(dynamic_cast<const TBoardText*>(Name)->ShownText(), QStringLiteral("<b>Lee</b>"));
}

// The operator's captions follow the board's height and the buttons its
// width: on 5:4 and 4:3 screens and in the smallest window the long ones
// shrink until they fit inside the border; the short ones keep their size.
TEST_F(TBoardFixture, ButtonCaptionsFitTheirButtons) {
  const QSize Sizes[] = {{1280, 1024}, {1024, 768}, {800, 600}, {1920, 1080}, {200, 150}};
  for (const QSize& Size : Sizes) {
    Board().resize(Size);
    // A caption changed at this size fits too.
    Board().SetPauseButtonCaption(QStringLiteral("Continue"));
    const double HeightRatio = Size.height() / double(TfrmDorvane::DesignHeight);
    const int ResizerPixels = PointsToPixels(ScaledFontSize(10, HeightRatio, 8, 480));
    for (const QPushButton* Button : Board().findChildren<QPushButton*>()) {
      const QString Caption = Button->text();
      SCOPED_TRACE(Size.width() * 10000 + Size.height());
      SCOPED_TRACE(Caption.toStdString());
      const QRect Inside =
          Button->rect().adjusted(ButtonBorder, ButtonBorder, -ButtonBorder, -ButtonBorder);
      const QRect Ink = DrawnInk(Button->font(), Inside, Qt::AlignCenter, Caption);
      if (!Caption.trimmed().isEmpty()) {
        EXPECT_TRUE(Inside.contains(Ink))
            << "ink " << Repr(Ink).toStdString() << " inside " << Repr(Inside).toStdString();
      }
      EXPECT_LE(Button->font().pixelSize(), ResizerPixels);
      if (Caption == QLatin1String("+ Hong") && Size.width() >= 800) {
        EXPECT_EQ(Button->font().pixelSize(), ResizerPixels) << "shrunk with room to spare";
      }
    }
  }
}

// Where a text fits, it keeps the size the layout gives it: at 1080 lines the
// score is at the 480 pt limit, and a 2160-line screen doubles it.
TEST_F(TBoardFixture, ScoresKeepTheirProportionsOnLargeScreens) {
  const struct {
    QSize Size;
    int Points;
  } Cases[] = {{{1920, 1080}, 480}, {{3840, 2160}, 960}, {{1024, 768}, 343}};
  for (const auto& Case : Cases) {
    Board().resize(Case.Size);
    EXPECT_EQ(Board().Label(QStringLiteral("lblRedScore"))->font().pixelSize(),
              PointsToPixels(Case.Points))
        << Case.Size.width();
  }
}

// A text that fits at its full size keeps the layout's centre; one that must
// shrink is centred in its box, where it can be largest. CentreX 0 stands for
// the centre of the text's layout place.
TEST_F(TBoardFixture, TextsThatFitKeepTheLayoutsCentre) {
  const struct {
    QSize Size;
    const char* Name;
    int Score;
    int CentreX;
  } Cases[] = {
      {{1920, 1080}, "lblRedScore", 0, 470},     {{1920, 1080}, "lblBlueScore", 0, 1447},
      {{1920, 1080}, "lblRedPenalty", 0, 184},   {{1920, 1080}, "lblBluePenalty", 0, 1607},
      {{1920, 1080}, "lblRedScore", 88, 470},    {{1920, 1080}, "lblRedScore", 888, 414},
      {{1920, 1080}, "lblBlueScore", 888, 1490}, {{1280, 1024}, "lblBlueScore", 7, 0},
      {{1280, 1024}, "lblRedPenalty", 3, 0},     {{800, 600}, "lblBluePenalty", 0, 0},
  };
  TDorvaneMgr& Mgr = Board().ScoreMgr();
  for (const auto& Case : Cases) {
    const QString Name = QLatin1String(Case.Name);
    SCOPED_TRACE(Name.toStdString() + " " + std::to_string(Case.Score) + " at " +
                 std::to_string(Case.Size.width()));
    Board().resize(Case.Size);
    Mgr.SetRedScore(Case.Score);
    Mgr.SetBlueScore(Case.Score);
    Mgr.SetRedPenalty(Case.Score);
    Mgr.SetBluePenalty(Case.Score);
    const QLabel* Label = Board().Label(Name);
    ASSERT_EQ(Label->text(), QString::number(Case.Score));
    const QRect Ink = DrawnInk(Label);
    const double Centre = (Ink.left() + Ink.right() + 1) / 2.0;
    const QRect Layout = BoardTextPlace(Name, Case.Size).Rect;
    const double Expected =
        Case.CentreX ? Case.CentreX : (Layout.left() + Layout.right() + 1) / 2.0;
    EXPECT_NEAR(Centre, Expected, 2.5) << "ink " << Repr(Ink).toStdString();
  }
}

TEST(BoardFont, HangulDrawsGlyphsNotTheMissingGlyphBox) {
  const QString Name = QStringLiteral("김태권 박지성");
  QTextLayout Layout(Name, BoardFont(40));
  Layout.beginLayout();
  Layout.createLine();
  Layout.endLayout();
  int Glyphs = 0;
  for (const QGlyphRun& Run : Layout.glyphRuns()) {
    for (const quint32 Glyph : Run.glyphIndexes()) {
      EXPECT_NE(Glyph, 0u) << "the missing-glyph box in "
                           << Run.rawFont().familyName().toStdString();
      ++Glyphs;
    }
  }
  EXPECT_EQ(Glyphs, Name.size());
}

}  // namespace
