#include "board/NewPlayers.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// The two corners of the mat: a red and a blue shield facing each other.
QPixmap PlayersPicture() {
  QPixmap Picture(64, 64);
  Picture.fill(Qt::transparent);
  QPainter Painter(&Picture);
  Painter.setRenderHint(QPainter::Antialiasing);
  Painter.setPen(QPen(QColor(40, 40, 40), 1.5));
  Painter.setBrush(QColor(220, 30, 30));
  Painter.drawRoundedRect(QRectF(4, 8, 32, 40), 8, 8);
  Painter.setBrush(QColor(30, 60, 220));
  Painter.drawRoundedRect(QRectF(28, 16, 32, 40), 8, 8);
  return Picture;
}

QLineEdit* AddField(QGridLayout* Grid, int Row, const QString& Caption, const char* Name) {
  auto* Field = new QLineEdit;
  Field->setObjectName(Name);
  auto* Label = new QLabel(Caption);
  Label->setBuddy(Field);  // the "&" letter moves the focus to the field
  Grid->addWidget(Label, Row, 0);
  Grid->addWidget(Field, Row, 1);
  return Field;
}

}  // namespace

TfrmNewPlayers::TfrmNewPlayers(QWidget* Owner) : QDialog(Owner, Qt::Tool) {
  setWindowTitle(QCoreApplication::translate("Players", "  Players"));
  auto* Picture = new QLabel;
  Picture->setPixmap(PlayersPicture());
  Picture->setAlignment(Qt::AlignTop);

  auto* Grid = new QGridLayout;
  edtRedPlayer =
      AddField(Grid, 0, QCoreApplication::translate("Players", "&Red player"), "edtRedPlayer");
  edtBluePlayer =
      AddField(Grid, 1, QCoreApplication::translate("Players", "&Blue player"), "edtBluePlayer");
  edtDivision =
      AddField(Grid, 2, QCoreApplication::translate("Players", "&Division"), "edtDivision");

  auto* Buttons = new QDialogButtonBox;
  BtnOK = Buttons->addButton(QCoreApplication::translate("Players", "&OK"),
                             QDialogButtonBox::AcceptRole);
  BtnOK->setObjectName("BtnOK");
  BtnOK->setDefault(true);
  btnCancel = Buttons->addButton(QCoreApplication::translate("Players", "&Cancel"),
                                 QDialogButtonBox::RejectRole);
  btnCancel->setObjectName("btnCancel");
  connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* Top = new QHBoxLayout;
  Top->addWidget(Picture);
  Top->addLayout(Grid, 1);
  auto* Main = new QVBoxLayout(this);
  Main->addLayout(Top);
  Main->addStretch();
  Main->addWidget(Buttons);

  for (QLineEdit* Field : {edtRedPlayer, edtBluePlayer, edtDivision}) {
    connect(Field, &QLineEdit::textChanged, this, &TfrmNewPlayers::UpdateOkButton);
  }
  resize(387, 169);
  if (const QScreen* Screen = QGuiApplication::primaryScreen()) {
    move(Screen->availableGeometry().center() - rect().center());
  }
  edtRedPlayer->setFocus();
}

void TfrmNewPlayers::UpdateOkButton() {
  BtnOK->setEnabled(PlayerNamesAcceptable(edtRedPlayer->text(), edtBluePlayer->text()));
}

void TfrmNewPlayers::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  UpdateOkButton();
}

bool PlayerNamesAcceptable(const QString& RedName, const QString& BlueName) {
  return !RedName.trimmed().isEmpty() && !BlueName.trimmed().isEmpty() && RedName != BlueName;
}

bool AskPlayerNames(QWidget* Owner, QString& RedName, QString& BlueName, QString& Division) {
  TfrmNewPlayers Dialog(Owner);
  Dialog.edtRedPlayer->setText(RedName);
  Dialog.edtBluePlayer->setText(BlueName);
  Dialog.edtDivision->setText(Division);
  if (Dialog.exec() != QDialog::Accepted) return false;
  RedName = Dialog.edtRedPlayer->text();
  BlueName = Dialog.edtBluePlayer->text();
  Division = Dialog.edtDivision->text();
  return true;
}
