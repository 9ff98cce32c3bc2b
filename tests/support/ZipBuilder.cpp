#include "ZipBuilder.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryFile>

#include <zip.h>
#include <zlib.h>

namespace {
// A raw deflate stream of data followed by `zeros` zero bytes, and its CRC.
std::pair<QByteArray, uLong> rawDeflate(const QByteArray& data, quint64 zeros)
{
    z_stream stream {};
    deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out;
    uLong crc = crc32(0, nullptr, 0);
    auto feed = [&](const QByteArray& chunk, int flush) {
        crc = crc32(crc, reinterpret_cast<const Bytef*>(chunk.constData()), uInt(chunk.size()));
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(chunk.constData()));
        stream.avail_in = uInt(chunk.size());
        char buffer[65536];
        do {
            stream.next_out = reinterpret_cast<Bytef*>(buffer);
            stream.avail_out = sizeof buffer;
            deflate(&stream, flush);
            out.append(buffer, qsizetype(sizeof buffer - stream.avail_out));
        } while (stream.avail_out == 0);
    };
    feed(data, Z_NO_FLUSH);
    const QByteArray block(1 << 20, '\0');
    for (quint64 left = zeros; left > 0;) {
        const quint64 n = qMin<quint64>(left, quint64(block.size()));
        feed(block.left(qsizetype(n)), Z_NO_FLUSH);
        left -= n;
    }
    feed(QByteArray(), Z_FINISH);
    deflateEnd(&stream);
    return { out, crc };
}
}

ZipBuilder& ZipBuilder::add(const QByteArray& name, const QByteArray& data)
{
    Entry entry;
    entry.name = name;
    entry.data = data;
    m_entries.push_back(entry);
    return *this;
}

ZipBuilder& ZipBuilder::addSymlink(const QByteArray& name, const QByteArray& target)
{
    add(name, target);
    m_entries.back().symlink = true;
    return *this;
}

ZipBuilder& ZipBuilder::addZeros(const QByteArray& name, quint64 zeros, std::optional<quint64> declaredSize)
{
    add(name);
    m_entries.back().declaredSize = declaredSize;
    m_entries.back().zeros = zeros;
    return *this;
}

ZipBuilder& ZipBuilder::addFolder(const QString& folder, const QByteArray& topLevel, char separator)
{
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    QStringList files;
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    for (const QString& path : files) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QByteArray name = topLevel + '/' + path.mid(folder.size() + 1).toUtf8();
        name.replace('/', separator);
        add(name, file.readAll());
    }
    return *this;
}

QByteArray ZipBuilder::build() const
{
    QTemporaryFile file;
    file.open();
    const QByteArray path = QFile::encodeName(file.fileName());
    file.close();
    zipFile zip = zipOpen64(path.constData(), APPEND_STATUS_CREATE);
    for (const Entry& e : m_entries) {
        zip_fileinfo info {};
        constexpr uLong unixHost = 3 << 8 | 20;
        if (e.symlink)
            info.external_fa = uLong(0120777) << 16;
        else
            info.external_fa = uLong(e.name.endsWith('/') ? 040755 : 0100644) << 16;
        const bool raw = e.declaredSize.has_value() || e.zeros > 0;
        const bool zip64 = e.declaredSize.value_or(0) > 0xffffffffULL || e.zeros > 0xffffffffULL;
        zipOpenNewFileInZip4_64(zip, e.name.constData(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 9,
                                raw ? 1 : 0, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY, nullptr, 0, unixHost, 0, zip64 ? 1 : 0);
        if (raw) {
            const auto [stream, crc] = rawDeflate(e.data, e.zeros);
            zipWriteInFileInZip(zip, stream.constData(), unsigned(stream.size()));
            zipCloseFileInZipRaw64(zip, e.declaredSize.value_or(quint64(e.data.size()) + e.zeros), crc);
        } else {
            zipWriteInFileInZip(zip, e.data.constData(), unsigned(e.data.size()));
            zipCloseFileInZip(zip);
        }
    }
    zipClose(zip, nullptr);
    QFile result(QString::fromLocal8Bit(path));
    result.open(QIODevice::ReadOnly);
    return result.readAll();
}

QByteArray ZipBuilder::minimalSkin(const QByteArray& topLevel, const QByteArray& marker)
{
    return ZipBuilder()
        .add(topLevel + "/SkinDefinition.xml",
             "<?xml version=\"1.0\"?>\n<skin apiVersion=\"4.2\"><Portrait><view x=\"0\" y=\"0\" width=\"320\" "
             "height=\"480\"><label id=\"Status\" x=\"10\" y=\"10\" width=\"300\" height=\"20\"/></view></Portrait></skin>\n")
        .add(topLevel + "/marker.txt", marker)
        .build();
}
