#include "SampleMedia.h"

#include <QDataStream>
#include <QDir>
#include <QFile>

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
