#include "settings/defaults.h"

#include "settings/mregistry.h"
#include "settings/settingsstore.h"

#include <string>
#include <utility>

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

void WriteAll(SettingsStore& store, const QString& poolSize, const QString& bleachStrength,
              const QString& uom)
{
    const std::pair<const char*, const QString*> values[] = {
        {kPoolSize, &poolSize}, {kBleachStrength, &bleachStrength}, {kUnitOfMeasure, &uom}};
    int saved = 0;
    try {
        for (const auto& [key, value] : values) {
            Write(store, key, *value);
            ++saved;
        }
    } catch (const SettingsError& failure) {
        static constexpr const char* kSaved[] = {
            "None of the three settings was saved.",
            "The pool size was saved; the bleach strength and the unit of measure were not.",
            "The pool size and the bleach strength were saved; the unit of measure was not.",
        };
        const std::string cause =
            failure.cause().empty() ? kSaved[saved] : failure.cause() + "\n" + kSaved[saved];
        throw SettingsError(failure.number(), failure.description(), cause);
    }
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
