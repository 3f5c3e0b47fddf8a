#pragma once

#include <QString>

// Sets a file's modification time to now, many times a second if need be:
// the file stays open between marks, so a mark is one system call with no
// path lookup.
class TFileTouch {
 public:
  explicit TFileTouch(QString Path);
  ~TFileTouch();
  TFileTouch(const TFileTouch&) = delete;
  TFileTouch& operator=(const TFileTouch&) = delete;

  // False, with errno's reason in Error, when the file cannot be marked.
  bool Touch(QString* Error = nullptr);
  // The file was replaced by another under its name: the next mark opens it.
  void Reopen();

 private:
  QString FPath;
  int FFd = -1;
};
