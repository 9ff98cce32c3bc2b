#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A folder of short generated sine-wave WAV files that another user (the one
// VLC runs as) can read. Some names carry spaces, an apostrophe and
// non-ASCII letters, as real libraries do.
class SampleMedia {
public:
    SampleMedia();
    bool isValid() const { return m_dir.isValid(); }
    QString folder() const { return m_dir.path(); }
    // Absolute paths of the files, in the order they were made.
    QStringList files() const { return m_files; }
    QString path(const QString& name) const { return m_dir.path() + u'/' + name; }

    static bool writeWav(const QString& path, double seconds, double frequency);
    // A silent 8 kHz mono WAV, written at once however long.
    static bool writeSilentWav(const QString& path, int seconds);
    // An MP3 titled "Covered Song" whose ID3 tag carries a 400 x 400 cover
    // of one colour (an APIC frame), made by ffmpeg.
    static bool writeCoveredMp3(const QString& path, const QString& colour = QStringLiteral("C02020"));
    static void makeReadableByAll(const QString& path);

private:
    QTemporaryDir m_dir;
    QStringList m_files;
};
