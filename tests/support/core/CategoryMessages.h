#pragma once

#include <QByteArray>
#include <QStringList>
#include <QtGlobal>

// Catches what one logging category says while it exists (one at a time);
// the other messages go where they went before.
class TCategoryMessages {
 public:
  explicit TCategoryMessages(const char* Category) : FCategory(Category) {
    Active() = this;
    FPrevious = qInstallMessageHandler(Catch);
  }
  ~TCategoryMessages() {
    qInstallMessageHandler(FPrevious);
    Active() = nullptr;
  }
  TCategoryMessages(const TCategoryMessages&) = delete;
  TCategoryMessages& operator=(const TCategoryMessages&) = delete;

  const QStringList& Texts() const { return FTexts; }

 private:
  static TCategoryMessages*& Active() {
    static TCategoryMessages* Instance = nullptr;
    return Instance;
  }
  static void Catch(QtMsgType Type, const QMessageLogContext& Context, const QString& Text) {
    TCategoryMessages* Self = Active();
    if (Self && Self->FCategory == Context.category) {
      Self->FTexts << Text;
    } else if (Self && Self->FPrevious) {
      Self->FPrevious(Type, Context, Text);
    }
  }

  QByteArray FCategory;
  QStringList FTexts;
  QtMessageHandler FPrevious = nullptr;
};
