#include "platform/ProfileText.h"

#include <QByteArrayView>
#include <QStringDecoder>
#include <algorithm>

namespace {

constexpr QByteArrayView Utf8Bom("\xEF\xBB\xBF");

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five unassigned
// bytes read as the C1 controls, as Windows maps them.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString FromCp1252(QByteArrayView Bytes) {
  QString Text(Bytes.size(), Qt::Uninitialized);
  for (qsizetype I = 0; I < Bytes.size(); ++I) {
    const auto Byte = static_cast<unsigned char>(Bytes[I]);
    Text[I] = QChar(Byte >= 0x80 && Byte < 0xA0 ? Cp1252High[Byte - 0x80] : char16_t(Byte));
  }
  return Text;
}

// UTF-8 when the bytes are valid UTF-8, Windows-1252 otherwise.
QString DecodeText(QByteArrayView Bytes) {
  QStringDecoder Utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString Text = Utf8(Bytes);
  if (Utf8.hasError()) return FromCp1252(Bytes);
  return Text;
}

// The longest start of Bytes of at most Limit bytes that does not split a
// UTF-8 sequence (continuation bytes are 10xxxxxx).
QByteArrayView CutAtCharacter(QByteArrayView Bytes, qsizetype Limit) {
  if (Bytes.size() <= Limit) return Bytes;
  qsizetype End = Limit;
  for (int Back = 0; Back < 3 && End > 0 && (Bytes[End] & 0xC0) == 0x80; ++Back) --End;
  return Bytes.first(End);
}

bool IsQuoted(QStringView Text) {
  return Text.size() >= 2 && Text.startsWith(u'"') && Text.endsWith(u'"');
}

// Case folding keeps the UTF-16 length, and a name takes one to three bytes
// per UTF-16 unit in either encoding, so a line whose name cannot have a
// wanted length is skipped without decoding it: a garbage line of megabytes
// costs nothing.
struct TNameLengths {
  qsizetype Shortest = 0;
  qsizetype Longest = 0;
  bool Fits(QByteArrayView Bytes) const {
    return Bytes.size() >= Shortest && Bytes.size() <= 3 * Longest;
  }
};

TNameLengths LengthsOf(std::span<const QString> Names) {
  TNameLengths Lengths{Names.empty() ? 0 : Names.front().size(), 0};
  for (const QString& Name : Names) {
    Lengths.Shortest = std::min(Lengths.Shortest, Name.size());
    Lengths.Longest = std::max(Lengths.Longest, Name.size());
  }
  return Lengths;
}

bool SameName(QByteArrayView Bytes, const QString& Name) {
  if (Bytes.size() < Name.size() || Bytes.size() > 3 * Name.size()) return false;
  return DecodeText(Bytes).compare(Name, Qt::CaseInsensitive) == 0;
}

// The name of a section header "[name]"; nullopt for any other line. A "["
// without "]" is no header, as in the Windows profile reader.
std::optional<QByteArrayView> HeaderName(QByteArrayView Text) {
  if (!Text.startsWith('[')) return std::nullopt;
  const qsizetype Close = Text.indexOf(']');
  if (Close < 0) return std::nullopt;
  return Text.sliced(1, Close - 1).trimmed();
}

QString OneLine(const QString& Value) {
  QString Line = Value;
  Line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
  // The reader takes one pair of surrounding quotes off; a value that has
  // its own goes between another pair.
  if (IsQuoted(Line)) return QLatin1Char('"') + Line + QLatin1Char('"');
  return Line;
}

std::vector<QString> TrimmedKeys(std::span<const TProfileText::TEntry> Entries) {
  std::vector<QString> Keys;
  Keys.reserve(Entries.size());
  for (const auto& [Key, Value] : Entries) Keys.push_back(Key.trimmed());
  return Keys;
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

TProfileText::TPlaces TProfileText::Find(const QString& Section, std::span<const QString> Keys,
                                         bool ToSectionEnd) const {
  const QString SectionName = Section.trimmed();
  const TNameLengths Lengths = LengthsOf(Keys);
  const QByteArrayView Bytes(FBytes);
  TPlaces Places;
  Places.Keys.resize(Keys.size());
  size_t Missing = Keys.size();
  for (qsizetype Start = 0; Start < Bytes.size();) {
    const TLine Line = LineAt(Start);
    Start = Line.Next;
    // Editors on Windows like to put a byte-order mark before the first header.
    const qsizetype TextStart =
        Line.Start == 0 && Bytes.first(Line.End).startsWith(Utf8Bom) ? Utf8Bom.size() : Line.Start;
    const QByteArrayView Text = Bytes.sliced(TextStart, Line.End - TextStart).trimmed();
    if (const auto Header = HeaderName(Text)) {
      if (Places.SectionFound) break;  // the first matching section has ended
      if (SameName(*Header, SectionName)) {
        Places.SectionFound = true;
        Places.LastKeyLine = Line;
      }
      continue;
    }
    const qsizetype Equals = Text.indexOf('=');
    if (!Places.SectionFound || Equals < 0 || Text.startsWith(';')) continue;
    Places.LastKeyLine = Line;
    const QByteArrayView NameBytes = Text.first(Equals).trimmed();
    if (Missing == 0 || !Lengths.Fits(NameBytes)) continue;
    const QString Name = DecodeText(NameBytes);
    for (size_t I = 0; I < Keys.size(); ++I) {
      TKeyPlace& Place = Places.Keys[I];
      if (Place.KeyLine || Name.compare(Keys[I], Qt::CaseInsensitive) != 0) continue;
      Place.KeyLine = Line;
      qsizetype ValueStart = Text.data() - Bytes.data() + Equals + 1;
      while (ValueStart < Line.End && (Bytes[ValueStart] == ' ' || Bytes[ValueStart] == '\t')) {
        ++ValueStart;
      }
      Place.ValueStart = ValueStart;
      --Missing;
    }
    if (Missing == 0 && !ToSectionEnd) break;
  }
  return Places;
}

QString TProfileText::ValueText(const TKeyPlace& Place, qsizetype MaxLength) const {
  QByteArrayView Bytes =
      QByteArrayView(FBytes).sliced(Place.ValueStart, Place.KeyLine->End - Place.ValueStart);
  Bytes = Bytes.trimmed();
  if (Bytes.size() >= 2 && Bytes.front() == '"' && Bytes.back() == '"') {
    Bytes = Bytes.sliced(1, Bytes.size() - 2);
  }
  // Four bytes per character always hold more than the cut keeps.
  QString Text = DecodeText(CutAtCharacter(Bytes, 4 * MaxLength));
  if (Text.size() > MaxLength) {
    Text.truncate(MaxLength);
    if (Text.back().isHighSurrogate()) Text.chop(1);
  }
  return Text;
}

std::vector<std::optional<QString>> TProfileText::Values(const QString& Section,
                                                         std::span<const QString> Keys) const {
  std::vector<QString> Names(Keys.begin(), Keys.end());
  for (QString& Name : Names) Name = Name.trimmed();
  const TPlaces Places = Find(Section, Names, false);
  std::vector<std::optional<QString>> Result;
  Result.reserve(Keys.size());
  for (const TKeyPlace& Place : Places.Keys) {
    if (Place.KeyLine) {
      Result.emplace_back(ValueText(Place, MaxValueLength));
    } else {
      Result.emplace_back();
    }
  }
  return Result;
}

QByteArray TProfileText::WithValues(const QString& Section, std::span<const TEntry> Entries) const {
  const std::vector<QString> Keys = TrimmedKeys(Entries);
  const TPlaces Places = Find(Section, Keys, true);
  const QByteArray Eol = LineEnding();

  // Edits from the end of the file backwards keep the earlier offsets valid.
  struct TEdit {
    qsizetype Start;
    qsizetype Length;
    QByteArray Bytes;
  };
  std::vector<TEdit> Edits;
  QByteArray NewLines;  // the keys the section lacks, each after an Eol
  for (size_t I = 0; I < Entries.size(); ++I) {
    const TKeyPlace& Place = Places.Keys[I];
    const QString& Value = Entries[I].second;
    if (!Place.KeyLine) {
      NewLines += Eol + Keys[I].toUtf8() + '=' + OneLine(Value).toUtf8();
      continue;
    }
    // A value that already reads as the new one keeps its bytes: its
    // encoding, quotes and blanks stay as the file's author wrote them.
    const qsizetype Length = Place.KeyLine->End - Place.ValueStart;
    if (ValueText(Place, Length) == Value) continue;
    Edits.push_back({Place.ValueStart, Length, OneLine(Value).toUtf8()});
  }

  QByteArray Result = FBytes;
  if (!NewLines.isEmpty()) {
    if (!Places.SectionFound) {
      QByteArray NewSection = '[' + Section.trimmed().toUtf8() + ']' + NewLines;
      if (Result.isEmpty() || Result.endsWith('\n')) return Result + NewSection + Eol;
      return Result + Eol + NewSection;
    }
    const TLine& After = Places.LastKeyLine;
    // A last line without an ending stays without one.
    if (After.Next > After.End) {
      Edits.push_back({After.Next, 0, NewLines.sliced(Eol.size()) + Eol});
    } else {
      Edits.push_back({After.End, 0, NewLines});
    }
  }
  // The new keys go in before an empty last value at the same offset is
  // filled, so they end up after it.
  std::reverse(Edits.begin(), Edits.end());
  std::stable_sort(Edits.begin(), Edits.end(),
                   [](const TEdit& A, const TEdit& B) { return A.Start > B.Start; });
  for (const TEdit& Edit : Edits) Result.replace(Edit.Start, Edit.Length, Edit.Bytes);
  return Result;
}
