#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// The album art of the open remote as a file that desktop media widgets can
// show (MPRIS passes art by URL only). One file at a time, in a folder of
// the cache that only the user can read; named after the item and the
// picture, so that a widget that keeps pictures by URL sees new art as new.
class MprisArtFile {
public:
    // folder: where the file goes; made on first use.
    explicit MprisArtFile(const QString& folder);
    ~MprisArtFile();

    MprisArtFile(const MprisArtFile&) = delete;
    MprisArtFile& operator=(const MprisArtFile&) = delete;

    // Writes the encoded picture of an item and removes the one before;
    // empty art, or bytes that are no picture (JPEG, PNG, GIF, WebP or
    // BMP), removes it and gives an empty URL. Returns the file's URL.
    QUrl update(qlonglong item, const QByteArray& encoded);
    // Removes the file, and any an earlier run left in the folder.
    void clear();
    QUrl url() const { return m_path.isEmpty() ? QUrl() : QUrl::fromLocalFile(m_path); }

private:
    QString m_folder;
    QString m_path;
    QByteArray m_digest;
    qlonglong m_item = -1;
};
