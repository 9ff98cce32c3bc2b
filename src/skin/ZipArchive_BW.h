#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

// Unpacks a zip archive (a file, or bytes in memory) into a folder over the
// zlib minizip routines. Archives come from anywhere, so every entry is
// checked against the whole central directory before anything is written:
// paths stay inside the destination, symlinks are never made, and the
// limits below bound what the disk can be made to take.
class ZipArchive_BW {
public:
    struct Limits {
        qint64 maxTotalBytes = 50LL * 1024 * 1024;
        int maxEntries = 2000;
        // Expansion of one entry, checked once it declares more than the
        // grace size (small files of one repeated byte compress very well).
        int maxRatio = 200;
        qint64 ratioGraceBytes = 1024 * 1024;
    };

    // Why unpacking stopped.
    enum class Fault {
        None,
        NotZip,      // no zip archive at all
        Damaged,     // a zip archive whose directory or data is broken
        TooLarge,    // a limit was passed (declared or while inflating)
        UnsafeEntry, // a path leading outside, a symlink, an encrypted entry
        WriteFailed, // the destination refused a file
    };

    ZipArchive_BW();
    ~ZipArchive_BW();
    ZipArchive_BW(const ZipArchive_BW&) = delete;
    ZipArchive_BW& operator=(const ZipArchive_BW&) = delete;

    bool UnzipOpenFile(const QString& path);
    bool UnzipOpenData(const QByteArray& data);
    // Unpacks every entry below destination (which must exist). Entries of
    // an existing path are replaced only when overWrite is set. On a fault it stops at once; whatever it
    // already wrote stays, so callers unpack into a folder of their own.
    bool UnzipFileTo(const QString& destination, bool overWrite);
    bool UnzipCloseFile();

    void setLimits(const Limits& limits) { m_limits = limits; }
    const Limits& limits() const { return m_limits; }
    // Called as bytes reach the disk, with the running total.
    void setWriteObserver(std::function<void(qint64 bytesWritten)> observer) { m_writeObserver = std::move(observer); }

    Fault lastFault() const { return m_fault; }
    // What the fault concerns, such as the entry name; for the log.
    QString lastFaultDetail() const { return m_faultDetail; }
    qint64 bytesWritten() const { return m_bytesWritten; }

    // An entry name as a relative path of plain components ("\" read as
    // "/", "." and empty components dropped); empty when the name must not
    // be unpacked (absolute, drive letter, "..", NUL, too long).
    static QByteArray safeRelativePath(const QByteArray& entryName);

private:
    struct Handle;
    struct Entry;

    bool fail(Fault fault, const QString& detail);
    bool readEntryInfo(Entry& entry);
    bool checkDirectory();
    bool unpackEntry(int destination, const Entry& entry, bool overWrite);

    std::unique_ptr<Handle> m_handle;
    Limits m_limits;
    std::function<void(qint64)> m_writeObserver;
    Fault m_fault = Fault::None;
    QString m_faultDetail;
    qint64 m_bytesWritten = 0;
};
