#include "models/RemoteWaker.h"

#include "core/Localization.h"
#include "net/NeighbourTable.h"
#include "vlc/VLCController.h"

#include <QHostInfo>
#include <QTimer>
#include <QUrl>

namespace {
QPointer<RemoteWaker> theWaker;
}

RemoteWaker::RemoteWaker(QObject* parent)
    : QObject(parent)
{
    theWaker = this;
}

void RemoteWaker::watch(VLCController& remote)
{
    // Unique: a remote handed in again is still heard once per answer.
    connect(&remote, &VLCController::foundValidRemote, this, &RemoteWaker::remoteAnswered, Qt::UniqueConnection);
}

RemoteWaker* RemoteWaker::instance()
{
    return theWaker;
}

void RemoteWaker::remoteAnswered()
{
    auto* remote = qobject_cast<VLCController*>(sender());
    if (!remote)
        return;
    if (m_waking.remove(remote))
        emit wakingChanged(remote);
    if (remote->record().isSaved)
        learnHardwareAddress(*remote);
}

void RemoteWaker::resolve(VLCController& remote, std::function<void(VLCController*, const QHostAddress&)> then)
{
    const QString host = QUrl(remote.record().baseAddress()).host();
    const QHostAddress literal(host);
    QPointer<VLCController> guard(&remote);
    if (!literal.isNull()) {
        then(guard, literal);
        return;
    }
    if (host.isEmpty())
        return;
    QHostInfo::lookupHost(host, this, [guard, then](const QHostInfo& info) {
        if (!guard)
            return;
        for (const QHostAddress& address : info.addresses())
            if (address.protocol() == QAbstractSocket::IPv4Protocol) {
                then(guard, address);
                return;
            }
        then(guard, QHostAddress());
    });
}

void RemoteWaker::learnHardwareAddress(VLCController& remote)
{
    resolve(remote, [this](VLCController* remote, const QHostAddress& address) {
        if (!remote || address.isNull())
            return;
        // The reply just came, so a computer of the local network is in the
        // table; one behind a router is not, and keeps what it had.
        const std::optional<QString> hardware = NeighbourTable::hardwareAddressFor(address);
        if (!hardware || *hardware == remote->record().hardwareAddress)
            return;
        remote->setHardwareAddress(*hardware);
        emit hardwareAddressLearnt(remote);
    });
}

bool RemoteWaker::canWake(const VLCController& remote)
{
    return remote.record().isSaved && WakeOnLan::parseHardwareAddress(remote.record().hardwareAddress).has_value();
}

void RemoteWaker::wakeComputer(VLCController& remote, std::function<void(WakeOnLan::Outcome)> done)
{
    watch(remote); // its answer ends the waking
    auto report = [this, done](WakeOnLan::Outcome outcome) {
        if (done)
            QTimer::singleShot(0, this, [done, outcome] { done(outcome); });
    };
    resolve(remote, [this, report](VLCController* remote, const QHostAddress& address) {
        if (!remote)
            return;
        const WakeOnLan::Outcome outcome = address.isNull() ? WakeOnLan::Outcome::NotOnLocalNetwork
                                                            : WakeOnLan::wake(remote->record().hardwareAddress, address);
        if (outcome == WakeOnLan::Outcome::Sent) {
            Waking& waking = m_waking[remote];
            waking.remote = remote;
            waking.since.start();
            emit wakingChanged(remote);
            // Told again when the time is up, unless the remote answered first.
            QTimer::singleShot(wakingSeconds * 1000 + 50, this, [this, guard = QPointer<VLCController>(remote)] {
                if (guard && m_waking.contains(guard) && !isWaking(*guard)) {
                    m_waking.remove(guard);
                    emit wakingChanged(guard);
                }
            });
        }
        report(outcome);
    });
}

bool RemoteWaker::isWaking(const VLCController& remote) const
{
    const auto it = m_waking.constFind(&remote);
    return it != m_waking.constEnd() && it->remote && it->since.elapsed() < wakingSeconds * 1000;
}

QString RemoteWaker::failureMessage(WakeOnLan::Outcome outcome)
{
    switch (outcome) {
    case WakeOnLan::Outcome::Sent:
        return {};
    case WakeOnLan::Outcome::NotOnLocalNetwork:
        return localizedString("That computer is not on this network, so it cannot be woken from here.");
    case WakeOnLan::Outcome::BadHardwareAddress:
    case WakeOnLan::Outcome::SendFailed:
        break;
    }
    return localizedString("The wake-up call could not be sent.");
}
