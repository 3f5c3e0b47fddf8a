#pragma once

#include <QLocale>

// Makes Locale the default for one test and restores the previous default.
class TDefaultLocaleScope {
 public:
  explicit TDefaultLocaleScope(const QLocale& Locale) { QLocale::setDefault(Locale); }
  ~TDefaultLocaleScope() { QLocale::setDefault(FSaved); }
  TDefaultLocaleScope(const TDefaultLocaleScope&) = delete;
  TDefaultLocaleScope& operator=(const TDefaultLocaleScope&) = delete;

 private:
  QLocale FSaved;
};
