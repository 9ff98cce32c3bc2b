#pragma once

#include "vlc/StreamAddress.h"

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <memory>

class VLCController;

// "Open address...": an address for VLC to play or add to its playlist,
// checked as it is typed (StreamAddress); one that cannot go says why,
// and nothing is sent.
class OpenAddressModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The address form is made by the program")
    Q_PROPERTY(QString address READ address WRITE setAddress NOTIFY addressChanged)
    Q_PROPERTY(Problem problem READ problem NOTIFY problemChanged)
    // Why the address cannot go, in a sentence; empty while it can.
    Q_PROPERTY(QString problemText READ problemText NOTIFY problemChanged)
    Q_PROPERTY(bool acceptable READ isAcceptable NOTIFY problemChanged)
public:
    enum class Problem {
        None = int(StreamAddress::Problem::None),
        Empty = int(StreamAddress::Problem::Empty),
        TooLong = int(StreamAddress::Problem::TooLong),
        Whitespace = int(StreamAddress::Problem::Whitespace),
        ControlCharacter = int(StreamAddress::Problem::ControlCharacter),
        NoScheme = int(StreamAddress::Problem::NoScheme),
        UnsupportedScheme = int(StreamAddress::Problem::UnsupportedScheme),
        NoHost = int(StreamAddress::Problem::NoHost),
        Malformed = int(StreamAddress::Problem::Malformed),
    };
    Q_ENUM(Problem)

    explicit OpenAddressModel(QObject* parent = nullptr);

    void setRemote(const std::shared_ptr<VLCController>& remote);

    QString address() const { return m_address; }
    void setAddress(const QString& address);
    Problem problem() const { return Problem(m_checked.problem); }
    QString problemText() const;
    bool isAcceptable() const { return m_checked.problem == StreamAddress::Problem::None; }
    // The sentence for a problem; scheme: the one refused.
    static QString describe(StreamAddress::Problem problem, const QString& scheme = QString());

    // VLC plays the address, or adds it to its playlist; false, with
    // nothing sent, when it cannot go (or there is no remote).
    Q_INVOKABLE bool play();
    Q_INVOKABLE bool enqueue();

signals:
    void addressChanged();
    void problemChanged();

private:
    std::shared_ptr<VLCController> m_remote;
    QString m_address;
    StreamAddress::Checked m_checked;
};
