#include "model/Settings.h"

#include <QCoreApplication>
#include <QDir>

#include "model/DorvaneError.h"
#include "model/SettingsDefs.h"
#include "platform/ProfileFile.h"
#include "platform/ProgramDir.h"

namespace {
QString ConfigSection() { return QStringLiteral("Config"); }
}  // namespace

void TTKDConfig::LoadConfig() {
  const std::span<const TSettingDef> Defs = SettingDefs();
  std::vector<QString> Keys;
  Keys.reserve(Defs.size());
  for (const TSettingDef& Def : Defs)
    Keys.push_back(QLatin1String(Def.ReadKey ? Def.ReadKey : Def.Key));
  const std::vector<std::optional<QString>> Stored =
      ReadProfileStrings(SettingsFilePath(), ConfigSection(), Keys);
  for (size_t I = 0; I < Defs.size(); ++I) {
    const TSettingDef& Def = Defs[I];
    const std::optional<QString>& Text = Def.ResetOnLoad ? std::nullopt : Stored[I];
    if (Def.Kind == TSettingKind::Text) {
      SetSettingText(*this, Def, Text.value_or(QString::fromUtf8(Def.TextDefault)));
    } else {
      const std::optional<double> Value = Text ? SettingNumber(Def, *Text) : std::nullopt;
      SetSettingNumber(*this, Def, Value.value_or(Def.Default));
    }
  }
}

void TTKDConfig::SaveConfig() const {
  std::vector<TProfileText::TEntry> Entries;
  for (const TSettingDef& Def : SettingDefs()) {
    Entries.emplace_back(QLatin1String(Def.Key), SettingText(*this, Def));
  }
  const QString Path = SettingsFilePath();
  if (!WriteProfileStrings(Path, ConfigSection(), Entries)) {
    throw TDorvaneError(QCoreApplication::translate("Settings", "Unable to write to %1")
                            .arg(QDir::toNativeSeparators(Path)));
  }
}
