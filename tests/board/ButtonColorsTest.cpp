#include <gtest/gtest.h>

#include <algorithm>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QImage>
#include <QMap>
#include <QPushButton>

#include "board/BoardButton.h"
#include "board/ButtonColors.h"
#include "support/ui/BoardFixture.h"

namespace {

TEST(ButtonColors, ContrastRatioFollowsWcag) {
  EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(QColor(0, 0, 255), Qt::black), 2.44, 0.01);
  EXPECT_NEAR(ContrastRatio(QColor(255, 0, 0), QColor(154, 154, 154)), 1.42, 0.01);
}

TEST(ButtonColors, CaptionsReadInEveryStateAndDisabledIsDimmer) {
  const struct {
    const char* Group;
    const TButtonGroupColors& Colors;
  } Groups[] = {{"red", RedButtonColors}, {"clock", ClockButtonColors}, {"blue", BlueButtonColors}};
  for (const auto& Group : Groups) {
    SCOPED_TRACE(Group.Group);
    const TButtonGroupColors& C = Group.Colors;
    for (const TButtonLook* Look : {&C.Normal, &C.Hover, &C.Pressed, &C.Disabled}) {
      EXPECT_GE(ContrastRatio(Look->Face, Look->Caption), 4.5) << Look->Face.name().toStdString();
    }
    for (const TButtonLook* Look : {&C.Normal, &C.Hover, &C.Pressed}) {
      EXPECT_LT(C.Disabled.Face.lightness(), Look->Face.lightness());
    }
  }
  // Each side in its own colour family.
  for (const TButtonLook* Look : {&RedButtonColors.Normal, &RedButtonColors.Hover,
                                  &RedButtonColors.Pressed, &RedButtonColors.Disabled}) {
    EXPECT_GT(Look->Face.red(), Look->Face.blue());
  }
  for (const TButtonLook* Look : {&BlueButtonColors.Normal, &BlueButtonColors.Hover,
                                  &BlueButtonColors.Pressed, &BlueButtonColors.Disabled}) {
    EXPECT_GT(Look->Face.blue(), Look->Face.red());
  }
}

// How often each colour is drawn on the button.
QMap<QRgb, int> DrawnColours(QPushButton* Button) {
  const QImage Image = Button->grab().toImage();
  QMap<QRgb, int> Counts;
  for (int Y = 0; Y < Image.height(); ++Y) {
    for (int X = 0; X < Image.width(); ++X) ++Counts[Image.pixel(X, Y)];
  }
  return Counts;
}

// The face is the commonest colour of the drawn button.
QRgb DrawnFace(const QMap<QRgb, int>& Counts) {
  QRgb Face = 0;
  for (auto It = Counts.cbegin(); It != Counts.cend(); ++It) {
    if (It.value() > Counts.value(Face)) Face = It.key();
  }
  return Face;
}

// The caption is the colour that stands out most from the face.
double DrawnCaptionContrast(QPushButton* Button) {
  const QMap<QRgb, int> Counts = DrawnColours(Button);
  const QRgb Face = DrawnFace(Counts);
  double Best = 1;
  for (auto It = Counts.cbegin(); It != Counts.cend(); ++It) {
    // Ignore stray anti-aliasing pixels and the border.
    if (It.value() < 4 || QColor(It.key()) == QColor(64, 64, 64)) continue;
    Best = std::max(Best, ContrastRatio(QColor(Face), QColor(It.key())));
  }
  return Best;
}

// Left to right: the red side's six, the clock's four, the blue side's six.
TEST_F(TBoardFixture, EachButtonIsDrawnInItsGroupsFaces) {
  QList<QPushButton*> Buttons = Board().findChildren<QPushButton*>();
  ASSERT_EQ(Buttons.size(), 16);
  std::sort(Buttons.begin(), Buttons.end(),
            [](QPushButton* A, QPushButton* B) { return A->x() < B->x(); });
  for (int Index = 0; Index < Buttons.size(); ++Index) {
    QPushButton* Button = Buttons[Index];
    const TButtonGroupColors& Colors = Index < 6    ? RedButtonColors
                                       : Index < 10 ? ClockButtonColors
                                                    : BlueButtonColors;
    SCOPED_TRACE((QString::number(Index) + QLatin1Char(' ') + Button->text()).toStdString());
    const bool Enabled = Button->isEnabled();
    Button->setEnabled(true);
    EXPECT_EQ(QColor(DrawnFace(DrawnColours(Button))), Colors.Normal.Face);
    Button->setEnabled(false);
    EXPECT_EQ(QColor(DrawnFace(DrawnColours(Button))), Colors.Disabled.Face);
    Button->setEnabled(Enabled);
  }
}

// The face follows the pointer and the press; the border frames every state.
TEST_F(TBoardFixture, AButtonsFaceFollowsThePointerAndThePress) {
  TBoardButton* Button = nullptr;
  for (QPushButton* Each : Board().findChildren<QPushButton*>()) {
    if (Each->text() == QLatin1String("+ Hong")) Button = dynamic_cast<TBoardButton*>(Each);
  }
  ASSERT_NE(Button, nullptr);
  const TButtonGroupColors& Red = RedButtonColors;
  Button->setEnabled(true);
  EXPECT_EQ(&Button->CurrentLook(), &Red.Normal);
  // As the application does when the pointer comes in.
  Button->setAttribute(Qt::WA_UnderMouse, true);
  QEnterEvent Enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QCoreApplication::sendEvent(Button, &Enter);
  EXPECT_EQ(&Button->CurrentLook(), &Red.Hover);
  EXPECT_EQ(QColor(DrawnFace(DrawnColours(Button))), Red.Hover.Face);
  Button->setDown(true);
  EXPECT_EQ(QColor(DrawnFace(DrawnColours(Button))), Red.Pressed.Face);
  EXPECT_GT(DrawnColours(Button).value(QColor(64, 64, 64).rgb()), Button->width());
  Button->setDown(false);
  Button->setAttribute(Qt::WA_UnderMouse, false);
  QEvent Leave(QEvent::Leave);
  QCoreApplication::sendEvent(Button, &Leave);
  EXPECT_EQ(QColor(DrawnFace(DrawnColours(Button))), Red.Normal.Face);
}

TEST_F(TBoardFixture, DrawnButtonCaptionsReadEnabledAndDisabled) {
  QStringList Captions;
  for (QPushButton* Button : Board().findChildren<QPushButton*>()) {
    Captions << Button->text();
    if (Button->text().size() < 2) continue;
    SCOPED_TRACE(Button->text().toStdString());
    for (bool Enabled : {true, false}) {
      Button->setEnabled(Enabled);
      EXPECT_GE(DrawnCaptionContrast(Button), 4.5) << (Enabled ? "enabled" : "disabled");
    }
    Button->setEnabled(true);
  }
  EXPECT_TRUE(Captions.contains(QStringLiteral("+ Hong")));
  EXPECT_TRUE(Captions.contains(QStringLiteral("+ Chong")));
}

}  // namespace
