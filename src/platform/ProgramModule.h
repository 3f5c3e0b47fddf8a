#pragma once

#include <QByteArrayView>
#include <QFunctionPointer>
#include <QLoggingCategory>
#include <QString>
#include <memory>
#include <type_traits>
#include <utility>

// A module built with the program (dorvane-feed.so, dorvane-net.so) that the
// program loads at run time, on first use, so that a start which never needs
// it never maps the libraries behind it.
struct TProgramModule {
  using TLog = const QLoggingCategory& (*)();

  // The module's file, found beside the program (a build or a portable copy)
  // or else in the folder the package installs it to.
  const char* FileName;
  // Where its failures are logged, and what the program goes without then
  // ("No live feed"), which starts each of those log lines.
  TLog Log;
  const char* Without;
};

// Loads Module once (never unloaded: its threads and objects may outlive any
// one user) and looks up its entry point Symbol. nullptr when the module is
// missing, does not load or lacks Symbol: Error says why, and so does Module's
// log.
QFunctionPointer ProgramModuleEntry(const TProgramModule& Module, const char* Symbol,
                                    QString& Error);
// The module's entry point refused this program: it belongs to another
// version. Logged as above; Error says so.
void RefusedByProgramModule(const TProgramModule& Module, QString& Error);

// A module's entry point answers only the program it was built with: the
// types the two pass each other are laid out by that build.
inline bool IsThisProgramsVersion(const char* Version) {
  return QByteArrayView(Version) == QByteArrayView(DORVANE_VERSION);
}

// What Module's entry point Symbol makes, owned by the caller. Every entry
// point takes this program's version first and answers nullptr to a program
// of another version, whose types it cannot trust; Args follow the version.
template <typename TEntry, typename... TArgs>
auto OpenProgramModule(const TProgramModule& Module, const char* Symbol, QString& Error,
                       TArgs&&... Args) {
  using TObject = std::remove_pointer_t<std::invoke_result_t<TEntry, const char*, TArgs...>>;
  std::unique_ptr<TObject> Made;
  const auto Entry = reinterpret_cast<TEntry>(ProgramModuleEntry(Module, Symbol, Error));
  if (!Entry) return Made;
  Made.reset(Entry(DORVANE_VERSION, std::forward<TArgs>(Args)...));
  if (!Made) RefusedByProgramModule(Module, Error);
  return Made;
}
