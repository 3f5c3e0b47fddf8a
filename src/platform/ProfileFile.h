#pragma once

#include <QString>
#include <span>
#include <vector>

#include "platform/ProfileText.h"

// Profile-file (INI) access with the semantics of the Windows profile calls:
// section and key names match without regard to case, the first matching
// section and key win, values are cut at 2047 characters and lose one pair
// of surrounding double quotes.
//
// The file is found without regard to the case of its name (an existing
// "dorvane.ini" is used rather than a second file made beside it). Only a
// regular file of at most MaxProfileFileSize bytes is read, so a link to a
// device or a pipe cannot hang or exhaust the program; such a file reads as
// empty and is never written over. It is read once and again only when its
// size, time or identity on disk changed. UTF-8, with Windows-1252 for
// bytes that are not UTF-8; a UTF-16 file with a byte-order mark is read as
// its text and written back as UTF-8.
//
// A write changes only the lines it owns (or appends keys at the end of
// their section, the section at the end of the file) and keeps every other
// byte, line ending and duplicate as it was; all its keys reach the file in
// one temporary file, flushed and renamed over the old one, so the file
// holds either all old or all new values and a failed write leaves it intact.

constexpr qint64 MaxProfileFileSize = 32 * 1024 * 1024;

// The value of Key in Section, or Default when the file, section or key is missing.
QString ReadProfileString(const QString& Path, const QString& Section, const QString& Key,
                          const QString& Default);
// The values of Keys in Section (nullopt where missing), from one reading.
std::vector<std::optional<QString>> ReadProfileStrings(const QString& Path, const QString& Section,
                                                       std::span<const QString> Keys);
// Stores Value under Key in Section, creating the file when needed. False
// when the file cannot be written.
bool WriteProfileString(const QString& Path, const QString& Section, const QString& Key,
                        const QString& Value);
// Stores every entry in Section at once. False when the file cannot be
// written; the file is then unchanged.
bool WriteProfileStrings(const QString& Path, const QString& Section,
                         std::span<const TProfileText::TEntry> Entries);
