#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

class TouchRemotes;

// The configuration screen's form: a new computer's name, address and the
// password of VLC's web interface. Saving checks them by the rules of
// playerlink's screen (a name and an address, an address requests can be
// made of, kept as the requests use it, an empty password meaning none),
// adds the remote to the saved ones and has it probed.
class RemoteConfigForm : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_MOC_INCLUDE("touch/TouchRemotes.h")
    Q_PROPERTY(TouchRemotes* remotes READ remotes WRITE setRemotes NOTIFY remotesChanged)
    Q_PROPERTY(QString nickname MEMBER m_nickname NOTIFY fieldsChanged)
    Q_PROPERTY(QString address MEMBER m_address NOTIFY fieldsChanged)
    Q_PROPERTY(QString password MEMBER m_password NOTIFY fieldsChanged)
    // Why the form cannot be saved as it stands, after a try; empty otherwise.
    Q_PROPERTY(QString problem READ problem NOTIFY problemChanged)
public:
    explicit RemoteConfigForm(QObject* parent = nullptr);

    TouchRemotes* remotes() const { return m_remotes; }
    void setRemotes(TouchRemotes* remotes);
    QString problem() const { return m_problem; }

    // True when the remote was saved; otherwise problem says why.
    Q_INVOKABLE bool save();

signals:
    void remotesChanged();
    void fieldsChanged();
    void problemChanged();

private:
    void setProblem(const QString& problem);

    QPointer<TouchRemotes> m_remotes;
    QString m_nickname;
    QString m_address;
    QString m_password;
    QString m_problem;
};
