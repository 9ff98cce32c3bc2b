#include "SampleMedia.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>

SampleMedia::SampleMedia()
    : m_dir(QStringLiteral("/tmp/playerlink-media-XXXXXX"))
{
    if (!m_dir.isValid())
        return;
    QDir(m_dir.path()).mkpath(QStringLiteral("Sub Folder"));
    const struct {
        const char* name;
        double seconds;
        double frequency;
    } media[] = {
        { "alpha.wav", 30, 440 },
        { "Bob's Café Song.wav", 25, 660 },
        { "Sub Folder/gamma.wav", 20, 330 },
        { "delta.wav", 15, 550 },
    };
    for (const auto& m : media) {
        const QString p = path(QString::fromUtf8(m.name));
        if (writeWav(p, m.seconds, m.frequency))
            m_files.append(p);
    }
    QFile notes(path(QStringLiteral("notes.txt")));
    if (notes.open(QIODevice::WriteOnly))
        notes.write("not media\n");
    notes.close();
    makeReadableByAll(m_dir.path());
}

bool SampleMedia::writeWav(const QString& path, double seconds, double frequency)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const quint32 rate = 8000;
    const quint32 samples = quint32(seconds * rate);
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples * 2);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << rate << quint32(rate * 2) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(samples * 2);
    for (quint32 i = 0; i < samples; ++i)
        out << qint16(6000 * std::sin(2 * M_PI * frequency * i / rate));
    return out.status() == QDataStream::Ok;
}

bool SampleMedia::writeSilentWav(const QString& path, int seconds)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const quint32 rate = 8000;
    const quint32 bytes = quint32(seconds) * rate * 2;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + bytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << rate << quint32(rate * 2) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << bytes;
    return out.status() == QDataStream::Ok && file.resize(44 + bytes);
}

bool SampleMedia::writeCoveredMp3(const QString& path, const QString& colour)
{
    // The picture itself stays out of the media folder: VLC would take a
    // cover.png beside a file as the art of every item there.
    QTemporaryDir elsewhere;
    const QString cover = elsewhere.filePath(QStringLiteral("cover.png"));
    auto run = [](const QStringList& arguments) {
        QProcess ffmpeg;
        ffmpeg.start(QStringLiteral("ffmpeg"), QStringList { "-hide_banner", "-loglevel", "error", "-y" } + arguments);
        return ffmpeg.waitForFinished(60000) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
    };
    return run({ "-f", "lavfi", "-i", QStringLiteral("color=c=0x%1:s=400x400").arg(colour), "-frames:v", "1", cover })
        && run({ "-f", "lavfi", "-i", "sine=frequency=440:duration=30", "-i", cover, "-map", "0:a", "-map", "1:v",
                 "-c:a", "libmp3lame", "-b:a", "64k", "-c:v", "png", "-id3v2_version", "3", "-metadata",
                 "title=Covered Song", "-metadata:s:v", "comment=Cover (front)", "-disposition:v", "attached_pic", path });
}

void SampleMedia::makeReadableByAll(const QString& path)
{
    const auto dirPerms = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
        | QFile::ReadOther | QFile::ExeOther;
    const auto filePerms = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    QFile::setPermissions(path, dirPerms);
    QDir dir(path);
    for (const QFileInfo& info : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (info.isDir())
            makeReadableByAll(info.absoluteFilePath());
        else
            QFile::setPermissions(info.absoluteFilePath(), filePerms);
    }
}
