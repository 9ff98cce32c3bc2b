#include "platform/MprisArtFile.h"

#include "core/ConsoleLog.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {
// The file's ending from the picture's signature, not from what a server
// claims; empty for anything that is no picture a desktop shows.
QString suffixFor(const QByteArray& encoded)
{
    if (encoded.startsWith("\xFF\xD8\xFF"))
        return QStringLiteral("jpg");
    if (encoded.startsWith("\x89PNG\r\n\x1A\n"))
        return QStringLiteral("png");
    if (encoded.startsWith("GIF87a") || encoded.startsWith("GIF89a"))
        return QStringLiteral("gif");
    if (encoded.startsWith("RIFF") && encoded.mid(8, 4) == "WEBP")
        return QStringLiteral("webp");
    if (encoded.startsWith("BM"))
        return QStringLiteral("bmp");
    return {};
}
}

MprisArtFile::MprisArtFile(const QString& folder)
    : m_folder(folder)
{
}

MprisArtFile::~MprisArtFile()
{
    clear();
}

QUrl MprisArtFile::update(qlonglong item, const QByteArray& encoded)
{
    const QByteArray digest = QCryptographicHash::hash(encoded, QCryptographicHash::Sha1).toHex().left(16);
    if (!m_path.isEmpty() && item == m_item && digest == m_digest)
        return url();
    clear();
    const QString suffix = encoded.isEmpty() ? QString() : suffixFor(encoded);
    if (suffix.isEmpty())
        return {};
    QDir dir;
    if (!dir.mkpath(m_folder)) {
        ConsoleLog::log(logPlatform, QStringLiteral("media keys: cannot make the art folder %@"), m_folder);
        return {};
    }
    QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString path = QStringLiteral("%1/art-%2-%3.%4")
                             .arg(m_folder)
                             .arg(item)
                             .arg(QString::fromLatin1(digest), suffix);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encoded) != encoded.size()
        || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) || !file.commit()) {
        ConsoleLog::log(logPlatform, QStringLiteral("media keys: cannot write the album art to %@"), path);
        return {};
    }
    m_path = path;
    m_item = item;
    m_digest = digest;
    return url();
}

void MprisArtFile::clear()
{
    // Art an earlier run left behind (it ended without clearing) goes too.
    const QDir dir(m_folder);
    for (const QString& name : dir.entryList({ QStringLiteral("art-*") }, QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath(name));
    m_path.clear();
    m_digest.clear();
    m_item = -1;
}
