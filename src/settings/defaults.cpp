#include "settings/defaults.h"

#include "settings/activestore.h"
#include "settings/mregistry.h"
#include "settings/settingsstore.h"

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

calc::UnitSystem ReadUnitSystem()
{
    return calc::UnitSystemFromText(Read(kUnitOfMeasure));
}

QString ReadPoolSize()
{
    return Read(kPoolSize);
}

QString TakeStoreNotice()
{
    return QString::fromStdString(ActiveStore().TakeNotice());
}

} // namespace defaults
