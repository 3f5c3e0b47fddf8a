#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The languages the program ships besides English, its source language.
QStringList ShippedLanguages();

// The language to show: the [Config] "Language" key (a code such as "de" or
// "pt_BR") when it names one, otherwise the system's.
QLocale ChosenLanguage(const QString& Configured, const QLocale& System);

// Installs the translations of the chosen language into the running
// application: ours (built into the program) and Qt's own where the system
// has them. Nothing when the language is English or not shipped.
void InstallTranslations();
