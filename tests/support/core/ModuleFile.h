#pragma once

#include <gtest/gtest.h>

#include <QLibrary>

// The entry point Symbol of the module file at Path, as the program's loader
// gets it; the module stays loaded. nullptr, and a failed test, when the file
// does not load.
template <typename TEntry>
TEntry ModuleFileEntry(const char* Path, const char* Symbol) {
  // Destroying the QLibrary leaves the module loaded.
  QLibrary Module(QString::fromUtf8(Path));
  if (!Module.load()) ADD_FAILURE() << Module.errorString().toStdString();
  return reinterpret_cast<TEntry>(Module.resolve(Symbol));
}
