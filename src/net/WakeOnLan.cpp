#include "net/WakeOnLan.h"

#include <QNetworkInterface>
#include <QRegularExpression>
#include <QUdpSocket>

std::optional<QByteArray> WakeOnLan::parseHardwareAddress(const QString& text)
{
    static const QRegularExpression form(
        QStringLiteral("^([0-9A-Fa-f]{2})([:-])([0-9A-Fa-f]{2})\\2([0-9A-Fa-f]{2})\\2([0-9A-Fa-f]{2})\\2([0-9A-Fa-f]{2})\\2([0-9A-Fa-f]{2})$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    QByteArray bytes;
    for (int group : { 1, 3, 4, 5, 6, 7 })
        bytes.append(char(match.captured(group).toUInt(nullptr, 16)));
    return bytes;
}

QString WakeOnLan::formatHardwareAddress(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(':'));
}

QByteArray WakeOnLan::magicPacket(const QByteArray& hardwareAddress)
{
    QByteArray packet(6, char(0xFF));
    for (int i = 0; i < 16; ++i)
        packet.append(hardwareAddress);
    return packet;
}

std::optional<QHostAddress> WakeOnLan::subnetBroadcastFor(const QHostAddress& address)
{
    bool isIpv4 = false;
    const quint32 target = address.toIPv4Address(&isIpv4);
    if (!isIpv4)
        return std::nullopt;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!(flags & QNetworkInterface::IsUp) || (flags & QNetworkInterface::IsLoopBack)
            || !(flags & QNetworkInterface::CanBroadcast))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol || entry.broadcast().isNull())
                continue;
            const quint32 mask = entry.netmask().toIPv4Address();
            if ((entry.ip().toIPv4Address() & mask) == (target & mask))
                return entry.broadcast();
        }
    }
    return std::nullopt;
}

WakeOnLan::Outcome WakeOnLan::wake(const QString& hardwareAddress, const QHostAddress& address)
{
    const std::optional<QByteArray> hardware = parseHardwareAddress(hardwareAddress);
    if (!hardware)
        return Outcome::BadHardwareAddress;
    const std::optional<QHostAddress> broadcast = subnetBroadcastFor(address);
    if (!broadcast)
        return Outcome::NotOnLocalNetwork;
    QUdpSocket socket;
    const QByteArray packet = magicPacket(*hardware);
    bool sent = true;
    // A datagram leaves at once or fails at once: nothing here waits.
    for (quint16 port : ports)
        sent = socket.writeDatagram(packet, *broadcast, port) == packet.size() && sent;
    return sent ? Outcome::Sent : Outcome::SendFailed;
}
