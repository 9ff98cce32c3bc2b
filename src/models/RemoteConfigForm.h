#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <memory>

class RemotesScreen;
class VLCController;

// The configuration screen's form: a computer's name, address, the password
// of VLC's web interface and whether it is the default remote, for a new
// computer or a saved one (RemotesScreen::configRemote when the form starts).
// Saving checks them by the form's rules (a name and an
// address, an address requests can be made of, kept as the requests use it,
// an empty password meaning none; what stands in the way shows in the
// alerts), puts them on the remote, adds a new one to the saved ones and
// has it probed.
class RemoteConfigForm : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_MOC_INCLUDE("models/RemotesScreen.h")
    Q_PROPERTY(RemotesScreen* remotes READ remotes WRITE setRemotes NOTIFY remotesChanged)
    Q_PROPERTY(QString nickname MEMBER m_nickname NOTIFY fieldsChanged)
    Q_PROPERTY(QString address MEMBER m_address NOTIFY fieldsChanged)
    Q_PROPERTY(QString password MEMBER m_password NOTIFY fieldsChanged)
    Q_PROPERTY(bool isDefault MEMBER m_isDefault NOTIFY fieldsChanged)
    // There are found computers to choose the address from.
    Q_PROPERTY(bool canChooseFound READ canChooseFound NOTIFY canChooseFoundChanged)
public:
    explicit RemoteConfigForm(QObject* parent = nullptr);

    RemotesScreen* remotes() const { return m_remotes; }
    void setRemotes(RemotesScreen* remotes);

    bool canChooseFound() const;

    // Fills the fields from the computer to configure.
    Q_INVOKABLE void begin();
    // The found-computers chooser; the one chosen gives its address and name.
    Q_INVOKABLE void chooseFound();
    // The help page on keeping the computer's address; the edit stays.
    Q_INVOKABLE void showAddressHelp();
    // True when the remote was saved; otherwise the "Details..." alert says why.
    Q_INVOKABLE bool save();

signals:
    void remotesChanged();
    void fieldsChanged();
    void canChooseFoundChanged();

private:
    QPointer<RemotesScreen> m_remotes;
    QString m_nickname;
    QString m_address;
    QString m_password;
    bool m_isDefault = false;
    std::shared_ptr<VLCController> m_remote;
};
