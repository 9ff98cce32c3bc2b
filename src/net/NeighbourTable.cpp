#include "net/NeighbourTable.h"

#include "net/WakeOnLan.h"

#include <QFile>
#include <QList>

namespace {
constexpr unsigned completeFlag = 0x2; // ATF_COM: the neighbour answered
}

std::optional<QString> NeighbourTable::hardwareAddressIn(const QByteArray& table, const QHostAddress& address)
{
    // IP address  HW type  Flags  HW address  Mask  Device, after a heading.
    const QList<QByteArray> lines = table.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].simplified().split(' ');
        if (fields.size() < 4 || QHostAddress(QString::fromLatin1(fields[0])) != address)
            continue;
        bool ok = false;
        const unsigned flags = fields[2].toUInt(&ok, 16);
        if (!ok || !(flags & completeFlag))
            continue;
        const std::optional<QByteArray> hardware = WakeOnLan::parseHardwareAddress(QString::fromLatin1(fields[3]));
        if (hardware && *hardware != QByteArray(6, '\0'))
            return WakeOnLan::formatHardwareAddress(*hardware);
    }
    return std::nullopt;
}

std::optional<QString> NeighbourTable::hardwareAddressFor(const QHostAddress& address)
{
    // The thread's own view first: a thread may have stepped into another
    // network namespace than the process's.
    for (const QString& path : { QStringLiteral("/proc/thread-self/net/arp"), QStringLiteral("/proc/net/arp") }) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            return hardwareAddressIn(file.readAll(), address);
    }
    return std::nullopt;
}
