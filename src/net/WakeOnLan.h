#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>

#include <optional>
#include <vector>

// Waking a sleeping computer over the local network: the "magic packet"
// (six bytes 0xFF, then the computer's hardware address sixteen times) sent
// as UDP to the broadcast address of the subnet the computer is on, on the
// ports wake-on-LAN listeners use (9, discard, and 7, echo).
namespace WakeOnLan {
inline constexpr quint16 ports[] = { 9, 7 };

enum class Outcome {
    Sent,
    BadHardwareAddress, // not six bytes written in hex
    NotOnLocalNetwork,  // no interface's subnet holds the address
    SendFailed,
};

// "aa:bb:cc:dd:ee:ff" or with dashes, either case: the six bytes.
std::optional<QByteArray> parseHardwareAddress(const QString& text);
QString formatHardwareAddress(const QByteArray& bytes);
QByteArray magicPacket(const QByteArray& hardwareAddress);

// The broadcast address of the IPv4 subnet (of an interface that is up)
// holding address; none when the address is not on a local subnet, where a
// broadcast would not reach it anyway.
std::optional<QHostAddress> subnetBroadcastFor(const QHostAddress& address);

// Sends the packet for hardwareAddress towards the computer at address.
Outcome wake(const QString& hardwareAddress, const QHostAddress& address);
}
