#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <memory>

class QSettings;

// The preference store: values the user changed live in an INI file in the
// home directory; a key never written reads as its registered default, or as
// false / 0 / none when it has no default.
class UserDefaults {
public:
    static UserDefaults& standard();
    // Forgets the shared store so that the next standard() opens the file of
    // the current home directory again (tests change PLAYERLINK_HOME).
    static void resetStandard();

    explicit UserDefaults(const QString& filePath);
    ~UserDefaults();
    UserDefaults(const UserDefaults&) = delete;
    UserDefaults& operator=(const UserDefaults&) = delete;

    void registerDefaults(const QVariantMap& defaults);
    QVariantMap registeredDefaults() const { return m_registered; }

    QVariant objectForKey(const QString& key) const;
    bool boolForKey(const QString& key) const;
    int integerForKey(const QString& key) const;
    double floatForKey(const QString& key) const;
    QString stringForKey(const QString& key) const;

    void setObject(const QString& key, const QVariant& value);
    void setBool(const QString& key, bool value);
    void setInteger(const QString& key, int value);
    void setFloat(const QString& key, double value);
    void removeObject(const QString& key);

    // Inverts a boolean preference and returns its new value.
    bool toggleBoolForKey(const QString& key);

    void synchronize();

private:
    std::unique_ptr<QSettings> m_settings;
    QVariantMap m_registered;
};
