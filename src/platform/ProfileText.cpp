#include "platform/ProfileText.h"

#include <QByteArrayView>
#include <algorithm>

namespace {

constexpr QByteArrayView Utf8Bom("\xEF\xBB\xBF");

// Case-insensitive match of UTF-8 bytes against Name. Case folding keeps the
// UTF-16 length, and UTF-8 needs one to three bytes per UTF-16 unit, so a
// name of the wrong byte length is rejected without decoding it: a garbage
// line of megabytes costs nothing.
bool SameName(QByteArrayView Bytes, const QString& Name) {
  if (Bytes.size() < Name.size() || Bytes.size() > 3 * Name.size()) return false;
  return QString::fromUtf8(Bytes).compare(Name, Qt::CaseInsensitive) == 0;
}

// The name of a section header "[name]"; nullopt for any other line. A "["
// without "]" is no header, as in the Windows profile reader.
std::optional<QByteArrayView> HeaderName(QByteArrayView Text) {
  if (!Text.startsWith('[')) return std::nullopt;
  const qsizetype Close = Text.indexOf(']');
  if (Close < 0) return std::nullopt;
  return Text.sliced(1, Close - 1).trimmed();
}

}  // namespace

TProfileText::TLine TProfileText::LineAt(qsizetype Start) const {
  const qsizetype Newline = FBytes.indexOf('\n', Start);
  if (Newline < 0) return {Start, FBytes.size(), FBytes.size()};
  const bool CrLf = Newline > Start && FBytes[Newline - 1] == '\r';
  return {Start, CrLf ? Newline - 1 : Newline, Newline + 1};
}

QByteArray TProfileText::LineEnding() const {
  const qsizetype Newline = FBytes.indexOf('\n');
  if (Newline < 0) return "\r\n";  // a new file, or a single line without an ending
  return Newline > 0 && FBytes[Newline - 1] == '\r' ? "\r\n" : "\n";
}

TProfileText::TPlace TProfileText::Find(const QString& Section, const QString& Key) const {
  const QString SectionName = Section.trimmed();
  const QString KeyName = Key.trimmed();
  const QByteArrayView Bytes(FBytes);
  TPlace Place;
  for (qsizetype Start = 0; Start < Bytes.size();) {
    const TLine Line = LineAt(Start);
    Start = Line.Next;
    // Editors on Windows like to put a byte-order mark before the first header.
    const qsizetype TextStart =
        Line.Start == 0 && Bytes.first(Line.End).startsWith(Utf8Bom) ? Utf8Bom.size() : Line.Start;
    const QByteArrayView Text = Bytes.sliced(TextStart, Line.End - TextStart).trimmed();
    if (const auto Header = HeaderName(Text)) {
      if (Place.SectionFound) break;  // the first matching section has ended
      if (SameName(*Header, SectionName)) {
        Place.SectionFound = true;
        Place.LastKeyLine = Line;
      }
      continue;
    }
    const qsizetype Equals = Text.indexOf('=');
    if (!Place.SectionFound || Equals < 0 || Text.startsWith(';')) continue;
    Place.LastKeyLine = Line;
    if (!SameName(Text.first(Equals).trimmed(), KeyName)) continue;
    Place.KeyLine = Line;
    qsizetype ValueStart = Text.data() - Bytes.data() + Equals + 1;
    while (ValueStart < Line.End && (Bytes[ValueStart] == ' ' || Bytes[ValueStart] == '\t')) {
      ++ValueStart;
    }
    Place.ValueStart = ValueStart;
    break;
  }
  return Place;
}

std::optional<QString> TProfileText::Value(const QString& Section, const QString& Key) const {
  const TPlace Place = Find(Section, Key);
  if (!Place.KeyLine) return std::nullopt;
  QByteArrayView Bytes =
      QByteArrayView(FBytes).sliced(Place.ValueStart, Place.KeyLine->End - Place.ValueStart);
  Bytes = Bytes.trimmed();
  // Four bytes per character always holds more than the cut keeps.
  QString Text = QString::fromUtf8(Bytes.first(std::min(Bytes.size(), 4 * MaxValueLength)));
  if (Text.size() > MaxValueLength) {
    Text.truncate(MaxValueLength);
    if (Text.back().isHighSurrogate()) Text.chop(1);
  }
  return Text;
}

QByteArray TProfileText::WithValue(const QString& Section, const QString& Key,
                                   const QString& Value) const {
  QString OneLine = Value;
  OneLine.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
  const QByteArray ValueBytes = OneLine.toUtf8();
  const TPlace Place = Find(Section, Key);
  QByteArray Result = FBytes;
  if (Place.KeyLine) {
    return Result.replace(Place.ValueStart, Place.KeyLine->End - Place.ValueStart, ValueBytes);
  }

  const QByteArray Eol = LineEnding();
  const QByteArray KeyLine = Key.trimmed().toUtf8() + '=' + ValueBytes;
  if (Place.SectionFound) {
    const TLine& After = Place.LastKeyLine;
    // A last line without an ending stays without one.
    if (After.Next > After.End) return Result.insert(After.Next, KeyLine + Eol);
    return Result.insert(After.End, Eol + KeyLine);
  }
  const QByteArray NewSection = '[' + Section.trimmed().toUtf8() + ']' + Eol + KeyLine;
  if (Result.isEmpty() || Result.endsWith('\n')) return Result + NewSection + Eol;
  return Result + Eol + NewSection;
}
