#include <gtest/gtest.h>

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <memory>
#include <vector>

#include "board/FormResizer.h"

namespace {

TBounds BoundsOf(const QWidget* Widget) {
  const QRect Geometry = Widget->geometry();
  return {Geometry.x(), Geometry.y(), Geometry.width(), Geometry.height()};
}

// ---- Arithmetic ----

TEST(ResizerArithmetic, RoundsHalvesToEven) {
  EXPECT_EQ(RoundHalfEven(572.5), 572);
  EXPECT_EQ(RoundHalfEven(197.5), 198);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(2.5000001), 3);
}

TEST(ResizerArithmetic, ConvertsBoardFontsBetweenPixelsAndPoints) {
  struct TCase {
    int Pixels;
    int Points;
  };
  // The board's fonts: each design pixel size maps to its point size and back.
  const TCase Cases[] = {{21, 16}, {85, 64}, {347, 260}, {120, 90}, {13, 10}, {96, 72}};
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Pixels);
    EXPECT_EQ(PixelsToPoints(Case.Pixels), Case.Points);
    EXPECT_EQ(PointsToPixels(Case.Points), Case.Pixels);
  }
}

TEST(ResizerArithmetic, CentredLabelKeepsWidthAndCentre) {
  // The clock at twice the design size.
  const TBounds Design{182, 394, 417, 134};
  const TScaleFlags LabelFlags{.Width = false};
  const TBounds Scaled = ScaledBounds(Design, Design, LabelFlags, TTextAlignment::Center, 2.0, 2.0);
  EXPECT_EQ(Scaled, (TBounds{572, 788, 417, 268}));
}

TEST(ResizerArithmetic, RightAlignedElementKeepsRightEdge) {
  const TBounds Design{600, 32, 166, 24};
  const TBounds Current{700, 50, 120, 30};
  const TScaleFlags LabelFlags{.Width = false};
  const TBounds Scaled = ScaledBounds(Design, Current, LabelFlags, TTextAlignment::Right, 2.0, 2.0);
  EXPECT_EQ(Scaled.Left + Scaled.Width, 1532);
  EXPECT_EQ(Scaled.Width, 120);
  EXPECT_EQ(Scaled.Top, 64);
  EXPECT_EQ(Scaled.Height, 48);
}

TEST(ResizerArithmetic, FontSizeFollowsHeightWithinLimits) {
  struct TCase {
    int Design;
    double HeightRatio;
    int Min;
    int Max;
    int Expected;
  };
  const double Wide = 1040.0 / 582.0;
  const TCase Cases[] = {
      {90, 2.0, 8, 480, 180},          // the clock at twice the size
      {260, 2.0, 8, 480, 480},         // the scores: 520 limited to 480
      {260, Wide, 8, 480, 465},        // 1920 x 1040
      {16, Wide, 8, 480, 29},          // names and headers
      {10, Wide, 8, 480, 18},          // buttons
      {10, 300.0 / 582.0, 8, 480, 8},  // 5 pt raised to the minimum
      {10, 1.0, 12, 11, 12},           // crossed limits: the minimum wins
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Design);
    EXPECT_EQ(ScaledFontSize(Case.Design, Case.HeightRatio, Case.Min, Case.Max), Case.Expected);
  }
}

// ---- Widgets ----

// A piece of the scoreboard at its design size of 805 x 582.
class ResizerBoard : public testing::Test {
 protected:
  void SetUp() override {
    Board.resize(805, 582);
    lblCountDown = AddLabel("3:00", {182, 394, 417, 134}, 120, Qt::AlignCenter);
    lblRedScore = AddLabel("00", {4, 60, 379, 353}, 347, Qt::AlignCenter);
    lblDivision = AddLabel("", {290, 9, 217, 24}, 21, Qt::AlignCenter);
    btnRedAdd = new QPushButton("+ Hong", &Board);
    btnRedAdd->setGeometry(10, 540, 69, 25);
    SetPixelFont(btnRedAdd, 13);
    shpR1 = new QWidget(&Board);
    shpR1->setGeometry(18, 7, 71, 23);
    imgSuddenDeath = new QLabel(&Board);
    QPixmap Picture(67, 67);
    Picture.fill(Qt::red);
    imgSuddenDeath->setPixmap(Picture);
    imgSuddenDeath->setScaledContents(true);
    imgSuddenDeath->setGeometry(374, 144, 44, 44);
    lblBluePlayerName =
        AddLabel("Blue player name", {700, 32, 66, 24}, 21, Qt::AlignRight | Qt::AlignVCenter);
    SetLabelAutoSize(lblBluePlayerName, true);

    Resizer = new TFormResizer(&Board);
    Resizer->ResizeFonts = true;
    Resizer->MaxFontSize = 480;
    Resizer->InitializeForm();
  }

  QLabel* AddLabel(const QString& Text, TBounds Bounds, int PixelSize, Qt::Alignment Alignment) {
    auto* Label = new QLabel(Text, &Board);
    Label->setAlignment(Alignment);
    Label->setGeometry(Bounds.Left, Bounds.Top, Bounds.Width, Bounds.Height);
    SetPixelFont(Label, PixelSize);
    return Label;
  }

  static void SetPixelFont(QWidget* Widget, int PixelSize) {
    QFont Font = Widget->font();
    Font.setPixelSize(PixelSize);
    Widget->setFont(Font);
  }

  void ResizeBoard(int Width, int Height) {
    Board.resize(Width, Height);
    Resizer->ResizeAll();
  }

  QWidget Board;
  QLabel* lblCountDown;
  QLabel* lblRedScore;
  QLabel* lblDivision;
  QPushButton* btnRedAdd;
  QWidget* shpR1;
  QLabel* imgSuddenDeath;
  QLabel* lblBluePlayerName;
  TFormResizer* Resizer;
};

TEST_F(ResizerBoard, ScalesEveryElementAndReturnsToDesign) {
  struct TExpected {
    QWidget* Element;
    TBounds Bounds;
    int FontPixels;  // 0: the element draws no text, its font is not checked
  };
  struct TStep {
    int Width;
    int Height;
    std::vector<TExpected> Elements;
  };
  // One board taken through the sizes in turn: every step starts again from
  // the design values. Labels keep their width; other elements scale it.
  const std::vector<TStep> Steps = {
      {1610,
       1164,
       {{lblCountDown, {572, 788, 417, 268}, 240},  // 180 pt
        {lblRedScore, {198, 120, 379, 706}, 640},   // 520 pt limited to 480 pt
        {lblDivision, {688, 18, 217, 48}, 43},      // 32 pt
        {btnRedAdd, {20, 1080, 138, 50}, 27},       // 20 pt
        {shpR1, {36, 14, 142, 46}, 0},
        {imgSuddenDeath, {748, 288, 88, 88}, 0}}},
      {1920,
       1040,
       {{lblCountDown, {723, 704, 417, 239}, 215},  // 161 pt
        {lblRedScore, {272, 107, 379, 631}, 620},   // 465 pt
        {lblDivision, {842, 16, 217, 43}, 39},      // 29 pt
        {btnRedAdd, {24, 965, 165, 45}, 24},        // 18 pt
        {shpR1, {43, 13, 169, 41}, 0},
        {imgSuddenDeath, {892, 257, 105, 79}, 0}}},
      {400,
       300,
       {{lblCountDown, {-14, 203, 417, 69}, 61},  // 46 pt
        {lblRedScore, {-93, 31, 379, 182}, 179},  // 134 pt
        {lblDivision, {90, 5, 217, 12}, 11},      // 8 pt
        {btnRedAdd, {5, 278, 34, 13}, 11},        // 5 pt raised to 8 pt
        {shpR1, {9, 4, 35, 12}, 0},
        {imgSuddenDeath, {186, 74, 22, 23}, 0}}},
      {805,
       582,
       {{lblCountDown, {182, 394, 417, 134}, 120},
        {lblRedScore, {4, 60, 379, 353}, 347},
        {lblDivision, {290, 9, 217, 24}, 21},
        {btnRedAdd, {10, 540, 69, 25}, 13},
        {shpR1, {18, 7, 71, 23}, 0},
        {imgSuddenDeath, {374, 144, 44, 44}, 0}}},
  };
  for (const TStep& Step : Steps) {
    ResizeBoard(Step.Width, Step.Height);
    for (const TExpected& Expected : Step.Elements) {
      SCOPED_TRACE(QString("%1 x %2, %3")
                       .arg(Step.Width)
                       .arg(Step.Height)
                       .arg(Expected.Element->metaObject()->className())
                       .toStdString());
      EXPECT_EQ(BoundsOf(Expected.Element), Expected.Bounds);
      if (Expected.FontPixels) {
        EXPECT_EQ(Expected.Element->font().pixelSize(), Expected.FontPixels);
      }
    }
  }
}

TEST_F(ResizerBoard, WidthAloneChangesNoFontHeightAloneChangesAll) {
  const std::vector<std::pair<QWidget*, int>> Fonts = {
      {lblCountDown, 120}, {lblRedScore, 347}, {lblDivision, 21}, {btnRedAdd, 13}};
  ResizeBoard(1610, 582);
  for (const auto& [Element, DesignPixels] : Fonts) {
    EXPECT_EQ(Element->font().pixelSize(), DesignPixels);
  }
  ResizeBoard(805, 1164);
  for (const auto& [Element, DesignPixels] : Fonts) {
    EXPECT_EQ(Element->font().pixelSize(),
              PointsToPixels(std::min(2 * PixelsToPoints(DesignPixels), 480)));
  }
}

TEST_F(ResizerBoard, AutoSizedRightAlignedLabelKeepsItsRightEdge) {
  const TBounds Design = BoundsOf(lblBluePlayerName);
  const int DesignWidth = Design.Width;
  EXPECT_EQ(lblBluePlayerName->geometry().right() + 1, 766);

  ResizeBoard(1610, 1164);
  EXPECT_EQ(lblBluePlayerName->x() + lblBluePlayerName->width(), 1532);
  EXPECT_EQ(lblBluePlayerName->size(), lblBluePlayerName->sizeHint());
  EXPECT_GT(lblBluePlayerName->width(), DesignWidth);

  ResizeBoard(1920, 1040);
  EXPECT_NEAR(lblBluePlayerName->x() + lblBluePlayerName->width(), 766 * 1920.0 / 805, 1.0);
  EXPECT_EQ(lblBluePlayerName->size(), lblBluePlayerName->sizeHint());

  ResizeBoard(805, 582);
  EXPECT_EQ(BoundsOf(lblBluePlayerName), Design);
}

TEST_F(ResizerBoard, RaisesPostResizeForEveryElementInOrder) {
  std::vector<QWidget*> Seen;
  Resizer->OnPostResize = [&](TFormResizer& Sender, QWidget* Comp, double HeightRatio,
                              double WidthRatio) {
    EXPECT_EQ(&Sender, Resizer);
    EXPECT_DOUBLE_EQ(HeightRatio, 1040.0 / 582.0);
    EXPECT_DOUBLE_EQ(WidthRatio, 1920.0 / 805.0);
    Seen.push_back(Comp);
  };
  ResizeBoard(1920, 1040);
  const std::vector<QWidget*> Expected = {lblCountDown, lblRedScore,    lblDivision,      btnRedAdd,
                                          shpR1,        imgSuddenDeath, lblBluePlayerName};
  EXPECT_EQ(Seen, Expected);
}

TEST_F(ResizerBoard, PostResizeRuleOverridesTheComputedBounds) {
  // The scoreboard places its score figures by a rule of its own.
  Resizer->OnPostResize = [&](TFormResizer&, QWidget* Comp, double, double) {
    if (Comp == lblRedScore) {
      lblRedScore->setGeometry(
          RoundHalfEven(Board.width() * 4 / 790.0), RoundHalfEven(Board.height() * 44 / 570.0),
          RoundHalfEven(Board.width() * 379 / 790.0), RoundHalfEven(Board.height() * 353 / 570.0));
    }
  };
  ResizeBoard(1610, 1164);
  EXPECT_EQ(BoundsOf(lblRedScore), (TBounds{8, 90, 772, 721}));
  EXPECT_EQ(lblRedScore->font().pixelSize(), 640);
  ResizeBoard(805, 582);
  EXPECT_EQ(BoundsOf(lblRedScore), (TBounds{4, 45, 386, 360}));
  EXPECT_EQ(lblRedScore->font().pixelSize(), 347);
}

TEST_F(ResizerBoard, SkipsDestroyedElements) {
  delete lblDivision;
  std::vector<QWidget*> Seen;
  Resizer->OnPostResize = [&](TFormResizer&, QWidget* Comp, double, double) {
    Seen.push_back(Comp);
  };
  ResizeBoard(1610, 1164);
  EXPECT_EQ(Seen.size(), 6u);
  EXPECT_EQ(std::count(Seen.begin(), Seen.end(), nullptr), 0);
  EXPECT_EQ(BoundsOf(lblCountDown), (TBounds{572, 788, 417, 268}));
}

TEST_F(ResizerBoard, RecordsOnlyOnce) {
  auto* Late = new QWidget(&Board);
  Late->setGeometry(10, 10, 20, 20);
  Resizer->InitializeForm();
  ResizeBoard(1610, 1164);
  EXPECT_EQ(BoundsOf(Late), (TBounds{10, 10, 20, 20}));
  EXPECT_EQ(BoundsOf(shpR1), (TBounds{36, 14, 142, 46}));
}

TEST(FormResizer, ScalesElementsInsidePanelsButNotWindows) {
  QWidget Form;
  Form.resize(400, 300);
  auto* Panel = new QWidget(&Form);
  Panel->setGeometry(100, 50, 200, 100);
  auto* Inner = new QWidget(Panel);
  Inner->setGeometry(10, 10, 30, 20);
  auto* Popup = new QWidget(&Form, Qt::Popup);
  Popup->setGeometry(0, 0, 50, 50);
  TFormResizer Resizer(&Form);
  Resizer.InitializeForm();
  Form.resize(800, 600);
  Resizer.ResizeAll();
  EXPECT_EQ(BoundsOf(Panel), (TBounds{200, 100, 400, 200}));
  EXPECT_EQ(BoundsOf(Inner), (TBounds{20, 20, 60, 40}));
  EXPECT_EQ(Popup->size(), QSize(50, 50));
}

TEST(FormResizer, EnforceMinSizeKeepsTheOwnerAtItsDesignSize) {
  QWidget Form;
  Form.resize(400, 300);
  auto* Box = new QWidget(&Form);
  Box->setGeometry(40, 30, 80, 60);
  TFormResizer Resizer(&Form);
  Resizer.EnforceMinSize = true;
  Resizer.InitializeForm();
  Form.resize(200, 600);
  Resizer.ResizeAll();
  EXPECT_EQ(Form.size(), QSize(400, 600));
  EXPECT_EQ(BoundsOf(Box), (TBounds{40, 60, 80, 120}));
}

TEST(FormResizer, OwnerWithoutAreaScalesNothing) {
  QWidget Form;
  Form.resize(0, 0);
  auto* Box = new QWidget(&Form);
  Box->setGeometry(4, 3, 8, 6);
  TFormResizer Resizer(&Form);
  Resizer.InitializeForm();
  Form.resize(100, 100);
  Resizer.ResizeAll();
  EXPECT_EQ(BoundsOf(Box), (TBounds{4, 3, 8, 6}));
}

TEST(FormResizer, RejectsMissingOrNonVisualOwners) {
  struct TCase {
    QObject* Owner;
    const char* Message;
  };
  QObject NotAWidget;
  const TCase Cases[] = {{nullptr, "TFormResizer created without an owner"},
                         {&NotAWidget, "TFormResizer owner must be a panel or form"}};
  for (const TCase& Case : Cases) {
    try {
      TFormResizer Resizer(Case.Owner);
      ADD_FAILURE() << "no error for " << Case.Message;
    } catch (const EResizerException& Error) {
      EXPECT_EQ(Error.Message(), Case.Message);
    }
  }
}

TEST(SingleResizer, RejectsMissingLinks) {
  QWidget Form;
  QWidget* Element = new QWidget(&Form);
  try {
    TSingleResizer Resizer(nullptr, &Form, false, 8, 48);
    ADD_FAILURE();
  } catch (const EResizerException& Error) {
    EXPECT_EQ(Error.Message(), "TSingleResizer created without a component link");
  }
  try {
    TSingleResizer Resizer(Element, nullptr, false, 8, 48);
    ADD_FAILURE();
  } catch (const EResizerException& Error) {
    EXPECT_EQ(Error.Message(), "TSingleResizer created without a parent form link");
  }
}

}  // namespace
