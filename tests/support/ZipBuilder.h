#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// Builds zip archives for tests with minizip's own writer, honest or not.
class ZipBuilder {
public:
    struct Entry {
        QByteArray name;
        QByteArray data;
        // A Unix symlink entry whose target is data.
        bool symlink = false;
        // Written raw with this uncompressed size in the directory, whatever
        // data inflates to.
        std::optional<quint64> declaredSize;
        // Inflates to this many zero bytes instead of data (with declaredSize
        // to lie about it).
        quint64 zeros = 0;
    };

    ZipBuilder& add(const QByteArray& name, const QByteArray& data = {});
    // A Unix symlink entry.
    ZipBuilder& addSymlink(const QByteArray& name, const QByteArray& target);
    // An entry of `zeros` zero bytes that claims the declared size, when given.
    ZipBuilder& addZeros(const QByteArray& name, quint64 zeros, std::optional<quint64> declaredSize = {});
    // Every file of folder, below the top-level name, with this separator.
    ZipBuilder& addFolder(const QString& folder, const QByteArray& topLevel, char separator = '/');
    QByteArray build() const;

    // A small skin: a definition and one image.
    static QByteArray minimalSkin(const QByteArray& topLevel, const QByteArray& marker = "one");

private:
    std::vector<Entry> m_entries;
};
