#pragma once

#include <QString>

// A text file that is opened, extended line by line and closed again. Used
// for the match record, which must be complete after every line.
class TASCIIFileReader {
 public:
  // Create the file when it is missing, otherwise keep its content.
  enum TOpenMode { omCreateWrite };
  // No other opener may use the file while it is open.
  enum TShareMode { smExclusive };

  TASCIIFileReader() = default;
  ~TASCIIFileReader();
  TASCIIFileReader(const TASCIIFileReader&) = delete;
  TASCIIFileReader& operator=(const TASCIIFileReader&) = delete;

  // Closes an open file first.
  void SetFileName(const QString& Name);

  // True exactly while the file is open.
  bool Active() const { return FHandle >= 0; }
  // True opens the file, false closes it. A failed open leaves the reader
  // inactive and reports nothing.
  void SetActive(bool Value);

  TOpenMode OpenMode = omCreateWrite;
  TShareMode ShareMode = smExclusive;

  // Appends Text and CR LF at the end of the file, whole or not at all.
  // False when inactive or when the line could not be written.
  bool WriteLine(const QString& Text);

 private:
  void Open();
  void Close();

  QString FFileName;
  int FHandle = -1;
};
