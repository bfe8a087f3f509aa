#include "settings/defaults.h"

#include "settings/activestore.h"
#include "settings/mregistry.h"
#include "settings/settingsstore.h"

#include <string>
#include <utility>

namespace defaults {

namespace {
constexpr char kApplication[] = "Poolwright";
constexpr char kSection[] = "Defaults";
} // namespace

QString Read(const char* key, const QString& defaultValue)
{
    return QString::fromStdString(MRegistry(ActiveStore()).ReadSetting(
        kApplication, kSection, key, defaultValue.toStdString()));
}

void Write(const char* key, const QString& value)
{
    MRegistry(ActiveStore()).WriteSetting(kApplication, kSection, key, value.toStdString());
}

void WriteAll(const QString& poolSize, const QString& bleachStrength, const QString& uom)
{
    const std::pair<const char*, const QString*> values[] = {
        {kPoolSize, &poolSize}, {kBleachStrength, &bleachStrength}, {kUnitOfMeasure, &uom}};
    int saved = 0;
    try {
        for (const auto& [key, value] : values) {
            Write(key, *value);
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

QString TakeStoreNotice()
{
    return QString::fromStdString(ActiveStore().TakeNotice());
}

} // namespace defaults
