#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The bytes of a profile file, read and edited line by line. Lines end in
// LF or CR LF; a line "[name]" starts a section, a line "key=value" holds a
// value, a line starting with ";" is a comment. Names match without regard
// to case and with blanks around them ignored; the first matching section
// and the first matching key in it win.
class TProfileText {
 public:
  explicit TProfileText(QByteArray Bytes) : FBytes(std::move(Bytes)) {}

  // The trimmed value, cut at MaxValueLength characters; nullopt when the
  // section or key is missing.
  std::optional<QString> Value(const QString& Section, const QString& Key) const;

  // The bytes with Key set to Value. Only the key's own line changes; a new
  // key goes after the last key of its section, a new section at the end of
  // the file. New lines take the file's own line ending (CR LF for a file
  // without one). Line breaks inside Value become blanks so a value can
  // never add lines of its own.
  QByteArray WithValue(const QString& Section, const QString& Key, const QString& Value) const;

  static constexpr qsizetype MaxValueLength = 2047;

 private:
  struct TLine {
    qsizetype Start = 0;  // first byte of the line
    qsizetype End = 0;    // end of its text, before the line ending
    qsizetype Next = 0;   // first byte after the line ending
  };
  struct TPlace {
    bool SectionFound = false;
    std::optional<TLine> KeyLine;  // the first line of the key in the section
    TLine LastKeyLine;             // where a new key goes: the last key, or the header
    qsizetype ValueStart = 0;      // in KeyLine: first byte of the value
  };

  TPlace Find(const QString& Section, const QString& Key) const;
  TLine LineAt(qsizetype Start) const;
  QByteArray LineEnding() const;

  QByteArray FBytes;
};
