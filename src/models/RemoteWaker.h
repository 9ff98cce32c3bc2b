#pragma once

#include "net/WakeOnLan.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>

class VLCController;

// Waking saved computers over the network. Whenever a saved remote answers,
// the hardware address its reply came from is read from the kernel's
// neighbour table and kept with the record (and so saved). A saved remote
// with a known hardware address that does not answer can then be woken:
// the magic packet goes to its subnet's broadcast address, and the remote
// counts as waking until it answers or wakingSeconds pass.
//
// For the remotes list: canWake() says whether "Wake computer" may be
// offered for a remote that gives no answer (in the "No sign of VLC" sheet
// and as a row action in edit mode), wakeComputer() does it, isWaking()
// says when to show "Waking…", failureMessage() what to say when it failed.
class RemoteWaker : public QObject {
    Q_OBJECT
public:
    static constexpr int wakingSeconds = 60;

    explicit RemoteWaker(QObject* parent = nullptr);

    // The one the application made; none before.
    static RemoteWaker* instance();

    // Hears the remote's probe answers from now on (the remotes list hands
    // in each of its remotes; a remote being woken is heard anyway).
    void watch(VLCController& remote);

    // Reads the neighbour table for a saved remote that just answered. The
    // address is resolved first when the remote is saved by name.
    void learnHardwareAddress(VLCController& remote);

    // Saved, with a known hardware address.
    static bool canWake(const VLCController& remote);
    // Sends the packet (resolving a name first); done, if given, hears how
    // it went, through the event loop.
    void wakeComputer(VLCController& remote, std::function<void(WakeOnLan::Outcome)> done = {});
    bool isWaking(const VLCController& remote) const;
    // What the list says when a wake-up call did not go out; empty when it did.
    static QString failureMessage(WakeOnLan::Outcome outcome);

signals:
    // A remote began or stopped waking.
    void wakingChanged(VLCController* remote);
    // A hardware address was learnt (or changed) for a remote.
    void hardwareAddressLearnt(VLCController* remote);

private:
    // A watched remote (the sender) answered as VLC.
    void remoteAnswered();
    // The IPv4 address of the remote's host: at once for an address, after
    // a look-up for a name.
    void resolve(VLCController& remote, std::function<void(VLCController*, const QHostAddress&)> then);

    struct Waking {
        QPointer<VLCController> remote;
        QElapsedTimer since;
    };
    QHash<const VLCController*, Waking> m_waking;
};
