#include "skin/ZipArchive_BW.h"

#include <QFile>
#include <QStringDecoder>

#include <cctype>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <unzip.h>

namespace {
constexpr int chunkSize = 4096;
constexpr int maxComponentBytes = 255;
constexpr int maxPathBytes = 1024;
constexpr unsigned encryptedFlag = 1;

// An archive held in memory, read by minizip through its file functions.
struct MemoryStream {
    QByteArray data;
    ZPOS64_T position = 0;
};

voidpf ZCALLBACK memoryOpen(voidpf opaque, const void*, int)
{
    return opaque;
}

uLong ZCALLBACK memoryRead(voidpf, voidpf stream, void* buffer, uLong size)
{
    auto* memory = static_cast<MemoryStream*>(stream);
    const ZPOS64_T available = ZPOS64_T(memory->data.size()) - memory->position;
    const uLong count = uLong(qMin<ZPOS64_T>(size, available));
    std::memcpy(buffer, memory->data.constData() + memory->position, count);
    memory->position += count;
    return count;
}

uLong ZCALLBACK memoryWrite(voidpf, voidpf, const void*, uLong)
{
    return 0;
}

ZPOS64_T ZCALLBACK memoryTell(voidpf, voidpf stream)
{
    return static_cast<MemoryStream*>(stream)->position;
}

long ZCALLBACK memorySeek(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    auto* memory = static_cast<MemoryStream*>(stream);
    const ZPOS64_T size = ZPOS64_T(memory->data.size());
    ZPOS64_T base = 0;
    switch (origin) {
    case ZLIB_FILEFUNC_SEEK_CUR:
        base = memory->position;
        break;
    case ZLIB_FILEFUNC_SEEK_END:
        base = size;
        break;
    default:
        break;
    }
    // Offsets come from the archive itself: anything outside it is an error.
    if (offset > size || base > size - offset)
        return -1;
    memory->position = base + offset;
    return 0;
}

int ZCALLBACK memoryClose(voidpf, voidpf)
{
    return 0;
}

int ZCALLBACK memoryError(voidpf, voidpf)
{
    return 0;
}

bool looksLikeZip(const QByteArray& head)
{
    return head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06") || head.startsWith("PK\x07\x08");
}

bool isUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    return !decoder.hasError();
}

QString printable(const QByteArray& name)
{
    return QString::fromUtf8(name.left(200));
}

// A file descriptor closed when it goes.
struct Fd {
    int fd = -1;
    explicit Fd(int value = -1) : fd(value) { }
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    void reset(int value = -1)
    {
        if (fd >= 0)
            ::close(fd);
        fd = value;
    }
};

// Opens the folder `name` below `parent`, making it when asked. Symlinks
// are never followed, so nothing below can lead out of the destination.
int openFolder(int parent, const QByteArray& name, bool create)
{
    const int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::openat(parent, name.constData(), flags);
    if (fd < 0 && errno == ENOENT && create) {
        if (::mkdirat(parent, name.constData(), 0755) != 0 && errno != EEXIST)
            return -1;
        fd = ::openat(parent, name.constData(), flags);
    }
    return fd;
}

bool writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}
}

struct ZipArchive_BW::Handle {
    unzFile file = nullptr;
    MemoryStream memory;
    zlib_filefunc64_def functions {};
};

struct ZipArchive_BW::Entry {
    unz_file_info64 info {};
    QByteArray name;
    QByteArray path;
    bool isFolder = false;
};

ZipArchive_BW::ZipArchive_BW() = default;

ZipArchive_BW::~ZipArchive_BW()
{
    UnzipCloseFile();
}

QByteArray ZipArchive_BW::safeRelativePath(const QByteArray& entryName)
{
    // Names are file names here, which are UTF-8; anything else could not
    // be listed or removed reliably afterwards.
    if (entryName.contains('\0') || !isUtf8(entryName))
        return {};
    QByteArray name = entryName;
    name.replace('\\', '/');
    if (name.startsWith('/'))
        return {};
    if (name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0])))
        return {};
    QList<QByteArray> kept;
    for (const QByteArray& component : name.split('/')) {
        if (component.isEmpty() || component == ".")
            continue;
        if (component == ".." || component.size() > maxComponentBytes)
            return {};
        kept.append(component);
    }
    const QByteArray path = kept.join('/');
    return path.size() > maxPathBytes ? QByteArray() : path;
}

bool ZipArchive_BW::UnzipOpenFile(const QString& path)
{
    UnzipCloseFile();
    m_fault = Fault::None;
    m_handle = std::make_unique<Handle>();
    const QByteArray local = QFile::encodeName(path);
    m_handle->file = unzOpen64(local.constData());
    if (m_handle->file)
        return true;
    m_handle.reset();
    QFile file(path);
    const bool zip = file.open(QIODevice::ReadOnly) && looksLikeZip(file.read(4));
    return fail(zip ? Fault::Damaged : Fault::NotZip, path);
}

bool ZipArchive_BW::UnzipOpenData(const QByteArray& data)
{
    UnzipCloseFile();
    m_fault = Fault::None;
    m_handle = std::make_unique<Handle>();
    m_handle->memory.data = data;
    zlib_filefunc64_def& f = m_handle->functions;
    f.zopen64_file = memoryOpen;
    f.zread_file = memoryRead;
    f.zwrite_file = memoryWrite;
    f.ztell64_file = memoryTell;
    f.zseek64_file = memorySeek;
    f.zclose_file = memoryClose;
    f.zerror_file = memoryError;
    f.opaque = &m_handle->memory;
    m_handle->file = unzOpen2_64("memory", &f);
    if (m_handle->file)
        return true;
    m_handle.reset();
    return fail(looksLikeZip(data.left(4)) ? Fault::Damaged : Fault::NotZip, QStringLiteral("memory"));
}

bool ZipArchive_BW::UnzipCloseFile()
{
    if (!m_handle)
        return false;
    const bool ok = unzClose(m_handle->file) == UNZ_OK;
    m_handle.reset();
    return ok;
}

bool ZipArchive_BW::fail(Fault fault, const QString& detail)
{
    m_fault = fault;
    m_faultDetail = detail;
    return false;
}

// Reads the current entry's record from the central directory and judges
// it; false (with the fault set) when the entry must not be unpacked.
bool ZipArchive_BW::readEntryInfo(Entry& entry)
{
    if (unzGetCurrentFileInfo64(m_handle->file, &entry.info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return fail(Fault::Damaged, QStringLiteral("entry information"));
    entry.name = QByteArray(qsizetype(entry.info.size_filename) + 1, '\0');
    if (unzGetCurrentFileInfo64(m_handle->file, &entry.info, entry.name.data(), uLong(entry.name.size()), nullptr, 0,
                                nullptr, 0) != UNZ_OK)
        return fail(Fault::Damaged, QStringLiteral("entry name"));
    entry.name.chop(1);
    entry.isFolder = entry.name.endsWith('/') || entry.name.endsWith('\\');
    entry.path = safeRelativePath(entry.name);
    if (entry.path.isEmpty())
        return fail(Fault::UnsafeEntry, printable(entry.name));

    // Unix modes live in the upper half of the external attributes.
    const uLong mode = entry.info.external_fa >> 16;
    if ((mode & S_IFMT) == S_IFLNK)
        return fail(Fault::UnsafeEntry, QStringLiteral("symlink ") + printable(entry.name));
    if (entry.info.flag & encryptedFlag)
        return fail(Fault::UnsafeEntry, QStringLiteral("encrypted ") + printable(entry.name));

    const ZPOS64_T declared = entry.info.uncompressed_size;
    if (declared > ZPOS64_T(m_limits.maxTotalBytes))
        return fail(Fault::TooLarge, printable(entry.name));
    if (declared > ZPOS64_T(m_limits.ratioGraceBytes)
        && (entry.info.compressed_size == 0 || declared / entry.info.compressed_size > ZPOS64_T(m_limits.maxRatio)))
        return fail(Fault::TooLarge, QStringLiteral("ratio of ") + printable(entry.name));
    return true;
}

// The whole central directory is read and judged before the first byte is
// written: a hostile entry anywhere leaves nothing behind.
bool ZipArchive_BW::checkDirectory()
{
    unz_global_info64 global {};
    if (unzGetGlobalInfo64(m_handle->file, &global) != UNZ_OK)
        return fail(Fault::Damaged, QStringLiteral("directory"));
    if (global.number_entry > ZPOS64_T(m_limits.maxEntries))
        return fail(Fault::TooLarge, QStringLiteral("%1 entries").arg(global.number_entry));
    int status = unzGoToFirstFile(m_handle->file);
    if (status == UNZ_END_OF_LIST_OF_FILE)
        return true;
    ZPOS64_T total = 0;
    int count = 0;
    while (status == UNZ_OK) {
        if (++count > m_limits.maxEntries)
            return fail(Fault::TooLarge, QStringLiteral("more than %1 entries").arg(m_limits.maxEntries));
        Entry entry;
        if (!readEntryInfo(entry))
            return false;
        total += entry.info.uncompressed_size;
        if (total > ZPOS64_T(m_limits.maxTotalBytes))
            return fail(Fault::TooLarge, QStringLiteral("total size"));
        status = unzGoToNextFile(m_handle->file);
    }
    return status == UNZ_END_OF_LIST_OF_FILE || fail(Fault::Damaged, QStringLiteral("directory"));
}

bool ZipArchive_BW::UnzipFileTo(const QString& destination, bool overWrite)
{
    m_fault = Fault::None;
    m_faultDetail.clear();
    m_bytesWritten = 0;
    if (!m_handle)
        return fail(Fault::NotZip, QStringLiteral("no archive open"));
    if (!checkDirectory())
        return false;

    const Fd root(::open(QFile::encodeName(destination).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (root.fd < 0)
        return fail(Fault::WriteFailed, destination);
    // An archive without entries: nothing to write.
    if (unzGoToFirstFile(m_handle->file) != UNZ_OK)
        return true;
    for (;;) {
        if (unzOpenCurrentFile(m_handle->file) != UNZ_OK)
            return fail(Fault::Damaged, QStringLiteral("entry"));
        Entry entry;
        bool ok = readEntryInfo(entry) && unpackEntry(root.fd, entry, overWrite);
        const int closed = unzCloseCurrentFile(m_handle->file);
        if (ok && closed != UNZ_OK)
            ok = fail(Fault::Damaged, QStringLiteral("checksum of ") + printable(entry.name));
        if (!ok)
            return false;
        const int next = unzGoToNextFile(m_handle->file);
        if (next == UNZ_END_OF_LIST_OF_FILE)
            return true;
        if (next != UNZ_OK)
            return fail(Fault::Damaged, QStringLiteral("directory"));
    }
}

bool ZipArchive_BW::unpackEntry(int destination, const Entry& entry, bool overWrite)
{
    const QList<QByteArray> components = entry.path.split('/');
    const qsizetype folders = entry.isFolder ? components.size() : components.size() - 1;
    Fd folder(::dup(destination));
    for (qsizetype i = 0; i < folders; ++i) {
        const int next = openFolder(folder.fd, components[i], true);
        if (next < 0)
            return fail(errno == ELOOP || errno == ENOTDIR ? Fault::UnsafeEntry : Fault::WriteFailed,
                        printable(entry.name));
        folder.reset(next);
    }
    if (entry.isFolder)
        return true;

    const QByteArray& leaf = components.last();
    struct stat existing {};
    if (::fstatat(folder.fd, leaf.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
        if (!S_ISREG(existing.st_mode))
            return fail(Fault::UnsafeEntry, printable(entry.name));
        if (!overWrite)
            return true;
    }
    const Fd out(::openat(folder.fd, leaf.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (out.fd < 0)
        return fail(errno == ELOOP ? Fault::UnsafeEntry : Fault::WriteFailed, printable(entry.name));

    // minizip stops at the declared size itself; the count here keeps that
    // promise independent of it, and a short entry is damage.
    const qint64 declared = qint64(entry.info.uncompressed_size);
    qint64 inflated = 0;
    char buffer[chunkSize];
    for (;;) {
        const int read = unzReadCurrentFile(m_handle->file, buffer, chunkSize);
        if (read < 0)
            return fail(Fault::Damaged, printable(entry.name));
        if (read == 0)
            break;
        inflated += read;
        if (inflated > declared)
            return fail(Fault::TooLarge, QStringLiteral("more than declared in ") + printable(entry.name));
        if (m_bytesWritten + read > m_limits.maxTotalBytes)
            return fail(Fault::TooLarge, QStringLiteral("total size"));
        if (!writeAll(out.fd, buffer, read))
            return fail(Fault::WriteFailed, printable(entry.name));
        m_bytesWritten += read;
        if (m_writeObserver)
            m_writeObserver(m_bytesWritten);
    }
    if (inflated != declared)
        return fail(Fault::Damaged, QStringLiteral("short entry ") + printable(entry.name));
    return true;
}
