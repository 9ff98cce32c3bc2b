#include "BlankPng.h"

#include <QtEndian>

#include <zlib.h>

#include <vector>

namespace {
void addChunk(QByteArray& png, const char* type, const QByteArray& data)
{
    QByteArray chunk = QByteArray(type, 4) + data;
    char length[4];
    qToBigEndian(quint32(data.size()), length);
    char crc[4];
    qToBigEndian(quint32(::crc32(0, reinterpret_cast<const Bytef*>(chunk.constData()), uInt(chunk.size()))), crc);
    png += QByteArray(length, 4) + chunk + QByteArray(crc, 4);
}
}

QByteArray blankPng(int width, int height)
{
    QByteArray header(13, '\0');
    qToBigEndian(quint32(width), header.data());
    qToBigEndian(quint32(height), header.data() + 4);
    header[8] = 1; // bit depth; colour type 0 (grey), no interlace
    // Every row: filter byte 0, then width bits of black.
    const size_t raw = size_t(height) * (1 + (size_t(width) + 7) / 8);
    const std::vector<Bytef> rows(raw, 0);
    uLongf packed = compressBound(uLong(raw));
    std::vector<Bytef> deflated(packed);
    ::compress2(deflated.data(), &packed, rows.data(), uLong(raw), Z_BEST_COMPRESSION);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    addChunk(png, "IHDR", header);
    addChunk(png, "IDAT", QByteArray(reinterpret_cast<const char*>(deflated.data()), qsizetype(packed)));
    addChunk(png, "IEND", QByteArray());
    return png;
}
