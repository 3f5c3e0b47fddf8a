#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "board/NewPlayers.h"

namespace {

struct TNamesCase {
  const char* Red;
  const char* Blue;
  bool Acceptable;
};

const TNamesCase kNamesCases[] = {
    {"Kim", "Lee", true},   {"", "Lee", false},
    {"Kim", "", false},     {"   ", "Lee", false},  // blanks only
    {"Kim", " \t ", false}, {"Kim", "Kim", false},  // the same text
    {"Kim", "kim", true},                           // differs in letter case only
    {"Kim", "Kim ", true},                          // differs by a trailing blank only
    {"", "", false},
};

TEST(PlayerNames, AcceptableByTheOkRule) {
  for (const TNamesCase& Case : kNamesCases) {
    SCOPED_TRACE(std::string(Case.Red) + "|" + Case.Blue);
    EXPECT_EQ(PlayerNamesAcceptable(Case.Red, Case.Blue), Case.Acceptable);
  }
}

TEST(NewPlayersDialog, OkFollowsTheFieldsAsTheyChange) {
  TfrmNewPlayers Dialog(nullptr);
  Dialog.edtDivision->setText("Juniors");
  for (const TNamesCase& Case : kNamesCases) {
    SCOPED_TRACE(std::string(Case.Red) + "|" + Case.Blue);
    Dialog.edtRedPlayer->setText(Case.Red);
    Dialog.edtBluePlayer->setText(Case.Blue);
    EXPECT_EQ(Dialog.BtnOK->isEnabled(), Case.Acceptable);
  }
  // The division plays no part.
  Dialog.edtRedPlayer->setText("Kim");
  Dialog.edtBluePlayer->setText("Lee");
  Dialog.edtDivision->clear();
  EXPECT_TRUE(Dialog.BtnOK->isEnabled());
}

TEST(NewPlayersDialog, CaptionsAndStartingFocus) {
  TfrmNewPlayers Dialog(nullptr);
  EXPECT_EQ(Dialog.windowTitle(), "  Players");
  EXPECT_EQ(Dialog.BtnOK->text(), "&OK");
  EXPECT_EQ(Dialog.btnCancel->text(), "&Cancel");
  EXPECT_EQ(Dialog.focusWidget(), Dialog.edtRedPlayer);
}

// Runs Answer on the names dialog once it is shown modally.
void WhenDialogShows(std::function<void(TfrmNewPlayers&)> Answer) {
  QTimer::singleShot(0, [Answer] {
    auto* Dialog = qobject_cast<TfrmNewPlayers*>(QApplication::activeModalWidget());
    ASSERT_NE(Dialog, nullptr);
    Answer(*Dialog);
  });
}

class AskPlayerNamesTest : public testing::Test {
 protected:
  QString Red = "Red player";
  QString Blue = "Blue player";
  QString Division = "Seniors";
};

TEST_F(AskPlayerNamesTest, OkStoresTheFieldsAsTyped) {
  WhenDialogShows([](TfrmNewPlayers& Dialog) {
    EXPECT_EQ(Dialog.edtRedPlayer->text(), "Red player");
    EXPECT_EQ(Dialog.edtBluePlayer->text(), "Blue player");
    EXPECT_EQ(Dialog.edtDivision->text(), "Seniors");
    Dialog.edtRedPlayer->setText(" Kim ");
    Dialog.edtBluePlayer->setText("Lee");
    Dialog.edtDivision->setText("");
    Dialog.BtnOK->click();
  });
  EXPECT_TRUE(AskPlayerNames(nullptr, Red, Blue, Division));
  EXPECT_EQ(Red, " Kim ");
  EXPECT_EQ(Blue, "Lee");
  EXPECT_EQ(Division, "");
}

TEST_F(AskPlayerNamesTest, CancelKeepsTheNames) {
  WhenDialogShows([](TfrmNewPlayers& Dialog) {
    Dialog.edtRedPlayer->setText("Kim");
    Dialog.btnCancel->click();
  });
  EXPECT_FALSE(AskPlayerNames(nullptr, Red, Blue, Division));
  EXPECT_EQ(Red, "Red player");
  EXPECT_EQ(Blue, "Blue player");
  EXPECT_EQ(Division, "Seniors");
}

TEST_F(AskPlayerNamesTest, CloseBoxCountsAsCancel) {
  WhenDialogShows([](TfrmNewPlayers& Dialog) {
    Dialog.edtBluePlayer->setText("Lee");
    Dialog.close();
  });
  EXPECT_FALSE(AskPlayerNames(nullptr, Red, Blue, Division));
  EXPECT_EQ(Blue, "Blue player");
}

TEST_F(AskPlayerNamesTest, DisabledOkCannotConfirm) {
  Blue = Red;
  WhenDialogShows([](TfrmNewPlayers& Dialog) {
    EXPECT_FALSE(Dialog.BtnOK->isEnabled());  // the show event applied the rule
    Dialog.BtnOK->click();
    EXPECT_TRUE(Dialog.isVisible());
    Dialog.reject();
  });
  EXPECT_FALSE(AskPlayerNames(nullptr, Red, Blue, Division));
}

}  // namespace
