#include "CabinetWriter.h"

#include <QtEndian>

namespace {

template <typename T>
void Put(QByteArray& Out, T Value) {
  const T Little = qToLittleEndian(Value);
  Out.append(reinterpret_cast<const char*>(&Little), sizeof Little);
}

}  // namespace

QByteArray MakeCabinet(const QList<QPair<QString, QByteArray>>& Files) {
  constexpr quint32 HeaderSize = 36;
  constexpr quint32 FolderSize = 8;
  QByteArray Entries;
  QByteArray Data;
  for (const auto& [Name, Content] : Files) {
    Put<quint32>(Entries, Content.size());
    Put<quint32>(Entries, Data.size());  // offset in the folder
    Put<quint16>(Entries, 0);            // folder
    Put<quint16>(Entries, 0x5821);       // 2024-01-01
    Put<quint16>(Entries, 0);            // 00:00:00
    Put<quint16>(Entries, 0x20);         // archive attribute
    Entries += Name.toLatin1() + '\0';
    Data += Content;
  }
  const quint32 DataStart = HeaderSize + FolderSize + Entries.size();
  const quint32 Total = DataStart + 8 + Data.size();

  QByteArray Cabinet = "MSCF";
  Put<quint32>(Cabinet, 0);
  Put<quint32>(Cabinet, Total);
  Put<quint32>(Cabinet, 0);
  Put<quint32>(Cabinet, HeaderSize + FolderSize);  // first file entry
  Put<quint32>(Cabinet, 0);
  Cabinet += char(3);  // version 1.3
  Cabinet += char(1);
  Put<quint16>(Cabinet, 1);  // folders
  Put<quint16>(Cabinet, Files.size());
  Put<quint16>(Cabinet, 0);  // flags
  Put<quint16>(Cabinet, 0);  // set id
  Put<quint16>(Cabinet, 0);  // cabinet number
  Put<quint32>(Cabinet, DataStart);
  Put<quint16>(Cabinet, 1);  // data blocks
  Put<quint16>(Cabinet, 0);  // stored, not compressed
  Cabinet += Entries;
  Put<quint32>(Cabinet, 0);  // no checksum
  Put<quint16>(Cabinet, Data.size());
  Put<quint16>(Cabinet, Data.size());
  Cabinet += Data;
  return Cabinet;
}
