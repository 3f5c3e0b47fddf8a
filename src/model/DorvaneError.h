#pragma once

#include <QString>
#include <stdexcept>

// An error meant for the operator: the top-level handler shows its message in
// a box titled "Dorvane".
class TDorvaneError : public std::runtime_error {
 public:
  explicit TDorvaneError(const QString& Message)
      : std::runtime_error(Message.toStdString()), FMessage(Message) {}
  const QString& Message() const { return FMessage; }

 private:
  QString FMessage;
};
