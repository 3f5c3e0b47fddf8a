#pragma once

#include <QString>

// Profile-file (INI) access with the semantics of the Windows profile calls:
// section and key names match without regard to case, the first matching
// section and key win, values are cut at 2047 characters. A write changes
// only the one line it owns (or appends the key at the end of its section,
// the section at the end of the file) and keeps every other byte, line ending
// and duplicate as it was; it goes through a temporary file and a rename, so
// a failed write leaves the old file intact. Files are UTF-8.

// The value of Key in Section, or Default when the file, section or key is missing.
QString ReadProfileString(const QString& Path, const QString& Section, const QString& Key,
                          const QString& Default);
// Stores Value under Key in Section, creating the file when needed. False
// when the file cannot be written.
bool WriteProfileString(const QString& Path, const QString& Section, const QString& Key,
                        const QString& Value);
