#include "settings/defaults.h"

#include "settings/mregistry.h"
#include "settings/settingsstore.h"

namespace defaults {

namespace {
constexpr char kApplication[] = "Poolwright";
constexpr char kSection[] = "Defaults";
} // namespace

QString Read(SettingsStore& store, const char* key, const QString& defaultValue)
{
    return QString::fromStdString(MRegistry(store).ReadSetting(
        kApplication, kSection, key, defaultValue.toStdString()));
}

void Write(SettingsStore& store, const char* key, const QString& value)
{
    MRegistry(store).WriteSetting(kApplication, kSection, key, value.toStdString());
}

calc::UnitSystem ReadUnitSystem(SettingsStore& store)
{
    return calc::UnitSystemFromText(Read(store, kUnitOfMeasure));
}

QString ReadPoolSize(SettingsStore& store)
{
    return Read(store, kPoolSize);
}

QString TakeStoreNotice(SettingsStore& store)
{
    return QString::fromStdString(store.TakeNotice());
}

} // namespace defaults
