#include "core/UserDefaults.h"

#include "core/HomePaths.h"

#include <QSettings>

namespace {
std::unique_ptr<UserDefaults>& sharedStore()
{
    static std::unique_ptr<UserDefaults> store;
    return store;
}
}

UserDefaults& UserDefaults::standard()
{
    auto& store = sharedStore();
    if (!store)
        store = std::make_unique<UserDefaults>(HomePaths::preferencesFile());
    return *store;
}

void UserDefaults::resetStandard()
{
    sharedStore().reset();
}

UserDefaults::UserDefaults(const QString& filePath)
    : m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
}

UserDefaults::~UserDefaults() = default;

void UserDefaults::registerDefaults(const QVariantMap& defaults)
{
    for (auto it = defaults.begin(); it != defaults.end(); ++it)
        m_registered.insert(it.key(), it.value());
}

QVariant UserDefaults::objectForKey(const QString& key) const
{
    const QVariant stored = m_settings->value(key);
    if (stored.isValid())
        return stored;
    return m_registered.value(key);
}

bool UserDefaults::boolForKey(const QString& key) const
{
    return objectForKey(key).toBool();
}

int UserDefaults::integerForKey(const QString& key) const
{
    return objectForKey(key).toInt();
}

double UserDefaults::floatForKey(const QString& key) const
{
    return objectForKey(key).toDouble();
}

QString UserDefaults::stringForKey(const QString& key) const
{
    return objectForKey(key).toString();
}

void UserDefaults::setObject(const QString& key, const QVariant& value)
{
    m_settings->setValue(key, value);
    m_settings->sync();
}

void UserDefaults::setBool(const QString& key, bool value)
{
    setObject(key, value);
}

void UserDefaults::setInteger(const QString& key, int value)
{
    setObject(key, value);
}

void UserDefaults::setFloat(const QString& key, double value)
{
    setObject(key, value);
}

void UserDefaults::removeObject(const QString& key)
{
    m_settings->remove(key);
    m_settings->sync();
}

bool UserDefaults::toggleBoolForKey(const QString& key)
{
    const bool value = !boolForKey(key);
    setBool(key, value);
    return value;
}

void UserDefaults::synchronize()
{
    m_settings->sync();
}
