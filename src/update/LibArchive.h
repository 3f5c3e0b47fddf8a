#pragma once

#include <archive.h>
#include <archive_entry.h>

#include <QString>

// libarchive, loaded when an update first opens a cabinet rather than with
// the program: the library and those it pulls in (libxml2, nettle, bz2...)
// cost every start of the board milliseconds and memory, and only an update
// ever needs them. Only the calls the cabinet extraction makes.
struct TLibArchive {
  decltype(&archive_read_new) ReadNew = nullptr;
  decltype(&archive_read_support_format_cab) ReadSupportFormatCab = nullptr;
  decltype(&archive_read_open_filename) ReadOpenFilename = nullptr;
  decltype(&archive_read_next_header) ReadNextHeader = nullptr;
  decltype(&archive_read_data) ReadData = nullptr;
  decltype(&archive_error_string) ErrorString = nullptr;
  decltype(&archive_read_free) ReadFree = nullptr;
  decltype(&archive_entry_pathname) EntryPathname = nullptr;
  decltype(&archive_entry_pathname_utf8) EntryPathnameUtf8 = nullptr;
  decltype(&archive_entry_filetype) EntryFiletype = nullptr;
};

// The library's calls, loaded once; nullptr, with the loader's reason in
// Error, when the library cannot be loaded.
const TLibArchive* LoadLibArchive(QString& Error);
