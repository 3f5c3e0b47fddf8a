#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;
class QShowEvent;

// The names dialog of a new game: the two players' names and the division.
class TfrmNewPlayers : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmNewPlayers(QWidget* Owner);

  QLineEdit* edtRedPlayer;
  QLineEdit* edtBluePlayer;
  QLineEdit* edtDivision;
  QPushButton* BtnOK;
  QPushButton* btnCancel;

  // Enables OK exactly when PlayerNamesAcceptable holds for the two fields.
  void UpdateOkButton();

 protected:
  void showEvent(QShowEvent* Event) override;
};

// Both names hold more than blanks and differ as typed (case-sensitive, blanks
// included); the division plays no part.
bool PlayerNamesAcceptable(const QString& RedName, const QString& BlueName);

// Shows the names dialog modally over Owner, filled with the three texts.
// On OK replaces all three with the field texts as typed and returns true;
// on Cancel or the close box leaves them and returns false.
bool AskPlayerNames(QWidget* Owner, QString& RedName, QString& BlueName, QString& Division);
