#pragma once

#include <QLibrary>
#include <QString>
#include <mutex>

// Looks Name up in Library; false when the library lacks it.
template <typename TCall>
bool ResolveCall(QLibrary& Library, TCall& Call, const char* Name) {
  Call = reinterpret_cast<TCall>(Library.resolve(Name));
  return Call != nullptr;
}

// The calls of a library loaded on first use rather than with the program:
// loaded once whichever thread asks first, and never unloaded, since a call
// or a thread of the library may outlive any one user. ResolveAll fills the
// calls in. nullptr, with the loader's reason in Error, when the library or
// one of the calls is missing.
template <typename TCalls>
const TCalls* LoadLibraryOnce(const QString& Name, int Version,
                              bool (*ResolveAll)(QLibrary&, TCalls&), QString& Error) {
  static std::once_flag Once;
  static TCalls Calls;
  static bool Loaded = false;
  static QString LoadError;
  std::call_once(Once, [&] {
    // Destroying the QLibrary leaves the library loaded.
    QLibrary Library(Name, Version);
    Loaded = Library.load() && ResolveAll(Library, Calls);
    if (!Loaded) LoadError = Library.errorString();
  });
  Error = LoadError;
  return Loaded ? &Calls : nullptr;
}
