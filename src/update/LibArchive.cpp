#include "update/LibArchive.h"

#include "platform/RuntimeLibrary.h"

namespace {

bool ResolveLibArchive(QLibrary& Library, TLibArchive& Archive) {
  return ResolveCall(Library, Archive.ReadNew, "archive_read_new") &&
         ResolveCall(Library, Archive.ReadSupportFormatCab, "archive_read_support_format_cab") &&
         ResolveCall(Library, Archive.ReadOpenFilename, "archive_read_open_filename") &&
         ResolveCall(Library, Archive.ReadNextHeader, "archive_read_next_header") &&
         ResolveCall(Library, Archive.ReadData, "archive_read_data") &&
         ResolveCall(Library, Archive.ErrorString, "archive_error_string") &&
         ResolveCall(Library, Archive.ReadFree, "archive_read_free") &&
         ResolveCall(Library, Archive.EntryPathname, "archive_entry_pathname") &&
         ResolveCall(Library, Archive.EntryPathnameUtf8, "archive_entry_pathname_utf8") &&
         ResolveCall(Library, Archive.EntryFiletype, "archive_entry_filetype");
}

}  // namespace

const TLibArchive* LoadLibArchive(QString& Error) {
  return LoadLibraryOnce<TLibArchive>(QStringLiteral("archive"), 13, ResolveLibArchive, Error);
}
