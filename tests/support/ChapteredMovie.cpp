#include "ChapteredMovie.h"

#include "SampleMedia.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {
bool writeText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QByteArray subtitle(const char* line)
{
    return QByteArray("1\n00:00:00,500 --> 00:00:59,000\n") + line + "\n";
}
}

ChapteredMovie::ChapteredMovie()
    : m_dir(QStringLiteral("/tmp/playerlink-movie-XXXXXX"))
{
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty()) {
        m_error = QStringLiteral("ffmpeg is not installed (make test installs it)");
        return;
    }
    QByteArray chapters = ";FFMETADATA1\ntitle=PlayerLink Chapters\n";
    for (int i = 0; i < 3; ++i)
        chapters += QByteArray("[CHAPTER]\nTIMEBASE=1/1000\nSTART=") + QByteArray::number(i * chapterSeconds * 1000)
            + "\nEND=" + QByteArray::number((i + 1) * chapterSeconds * 1000) + "\ntitle=Part " + QByteArray::number(i + 1)
            + "\n";
    const QString dir = m_dir.path();
    if (!writeText(dir + QStringLiteral("/chapters.txt"), chapters) || !writeText(dir + QStringLiteral("/en.srt"), subtitle("Hello"))
        || !writeText(dir + QStringLiteral("/de.srt"), subtitle("Hallo"))) {
        m_error = QStringLiteral("could not write the film's parts in ") + dir;
        return;
    }
    const QString length = QString::number(seconds);
    const QString out = dir + QStringLiteral("/chaptered film.mkv");
    QProcess process;
    process.setWorkingDirectory(dir);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(ffmpeg, {
        "-v", "error", "-y",
        "-f", "lavfi", "-i", "testsrc=size=320x240:rate=10:duration=" + length,
        "-f", "lavfi", "-i", "sine=frequency=440:duration=" + length,
        "-f", "lavfi", "-i", "sine=frequency=660:duration=" + length,
        "-i", "en.srt", "-i", "de.srt", "-i", "chapters.txt",
        "-map", "0:v", "-map", "1:a", "-map", "2:a", "-map", "3:s", "-map", "4:s",
        "-map_metadata", "5", "-map_chapters", "5",
        "-c:v", "mpeg4", "-q:v", "10", "-c:a", "mp2", "-b:a", "64k", "-c:s", "srt",
        "-metadata:s:a:0", "language=eng", "-metadata:s:a:1", "language=fre",
        "-metadata:s:s:0", "language=eng", "-metadata:s:s:1", "language=ger",
        out,
    });
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0
        || !QFile::exists(out)) {
        m_error = QStringLiteral("ffmpeg failed: ") + QString::fromLocal8Bit(process.readAll());
        return;
    }
    SampleMedia::makeReadableByAll(dir);
    m_path = out;
}
