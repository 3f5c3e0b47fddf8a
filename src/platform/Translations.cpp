#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QTranslator>

#include "platform/ProfileFile.h"
#include "platform/ProgramDir.h"

Q_LOGGING_CATEGORY(lcTranslations, "dorvane.translations", QtInfoMsg)

namespace {

// Where the build puts the compiled translations among the resources.
const QString& TranslationsResource() {
  static const QString Folder = QStringLiteral(":/i18n");
  return Folder;
}

bool InstallTranslator(const QLocale& Language, const QString& Name, const QString& Folder) {
  auto* Translator = new QTranslator(QCoreApplication::instance());
  if (!Translator->load(Language, Name, QStringLiteral("_"), Folder)) {
    delete Translator;
    return false;
  }
  QCoreApplication::installTranslator(Translator);
  return true;
}

}  // namespace

QStringList ShippedLanguages() {
  return {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"), QStringLiteral("ko")};
}

QLocale ChosenLanguage(const QString& Configured, const QLocale& System) {
  const QString Code = Configured.trimmed();
  if (Code.isEmpty()) return System;
  const QLocale Language(Code);
  // QLocale falls back to "C" for a code it does not know.
  if (Language.language() == QLocale::C) {
    qCWarning(lcTranslations) << "Unknown language" << Code << "in [Config] Language";
    return System;
  }
  return Language;
}

void InstallTranslations() {
  const QLocale Language =
      ChosenLanguage(ReadProfileString(SettingsFilePath(), QStringLiteral("Config"),
                                       QStringLiteral("Language"), QString()),
                     QLocale::system());
  if (Language.language() == QLocale::English || Language.language() == QLocale::C) return;
  if (!ShippedLanguages().contains(QLocale::languageToCode(Language.language()))) return;
  // The default locale stays as it is: record lines keep their number format.
  if (!InstallTranslator(Language, QStringLiteral("dorvane"), TranslationsResource())) {
    qCWarning(lcTranslations) << "The built-in translation for" << Language.name()
                              << "did not load";
  }
  // Qt's own texts (standard buttons, the command line's) come with the
  // system's Qt translations package when it is installed.
  if (!InstallTranslator(Language, QStringLiteral("qtbase"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    qCDebug(lcTranslations) << "No Qt translation for" << Language.name();
  }
}
