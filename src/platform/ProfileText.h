#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <span>
#include <utility>
#include <vector>

// The bytes of a profile file, read and edited line by line. Lines end in
// LF or CR LF; a line "[name]" starts a section, a line "key=value" holds a
// value, a line starting with ";" is a comment. Names match without regard
// to case and with blanks around them ignored; the first matching section
// and the first matching key in it win. Text is UTF-8; a name or value that
// is not valid UTF-8 is read as Windows-1252, as older versions wrote it.
// One pass over the bytes serves any number of keys of a section.
class TProfileText {
 public:
  using TEntry = std::pair<QString, QString>;  // key, value

  explicit TProfileText(QByteArray Bytes) : FBytes(std::move(Bytes)) {}

  // For each key the trimmed value without one pair of surrounding double
  // quotes, cut at MaxValueLength characters; nullopt when the section or
  // key is missing.
  std::vector<std::optional<QString>> Values(const QString& Section,
                                             std::span<const QString> Keys) const;

  // The bytes with every key set to its value. Only the keys' own lines
  // change, and a line whose value already reads as the new one keeps its
  // bytes; a new key goes after the last key of its section, a new section
  // at the end of the file. New lines take the file's own line ending (CR LF
  // for a file without one). Line breaks inside a value become blanks so a
  // value can never add lines of its own; a value that would lose its own
  // surrounding quotes on reading gets another pair.
  QByteArray WithValues(const QString& Section, std::span<const TEntry> Entries) const;

  const QByteArray& Bytes() const { return FBytes; }

  static constexpr qsizetype MaxValueLength = 2047;

 private:
  struct TLine {
    qsizetype Start = 0;  // first byte of the line
    qsizetype End = 0;    // end of its text, before the line ending
    qsizetype Next = 0;   // first byte after the line ending
  };
  struct TKeyPlace {
    std::optional<TLine> KeyLine;  // the first line of the key in the section
    qsizetype ValueStart = 0;      // in KeyLine: first byte of the value
  };
  struct TPlaces {
    bool SectionFound = false;
    TLine LastKeyLine;  // where a new key goes: the last key, or the header
    std::vector<TKeyPlace> Keys;
  };

  TPlaces Find(const QString& Section, std::span<const QString> Keys, bool ToSectionEnd) const;
  TLine LineAt(qsizetype Start) const;
  QByteArray LineEnding() const;
  QString ValueText(const TKeyPlace& Place, qsizetype MaxLength) const;

  QByteArray FBytes;
};
