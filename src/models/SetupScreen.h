#pragma once

#include "models/AppContext.h"

#include <QObject>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class SetupInstructions;

// The setup screen over the setup
// instructions: what it says, the addresses typed before, and sending the
// instructions or skipping them, after which the screen goes.
class SetupScreen : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The setup screen is made by the program")
    Q_PROPERTY(QString header READ header CONSTANT)
    // Rich text, with a link to the help page.
    Q_PROPERTY(QString message READ message NOTIFY changed)
    // The tick box for news of updates means something only to the maker's service.
    Q_PROPERTY(bool serviceConfigured READ isServiceConfigured NOTIFY changed)
    Q_PROPERTY(QStringList addresses READ addresses NOTIFY changed)
public:
    SetupScreen(const AppContext& context, QObject* parent = nullptr);

    SetupInstructions& instructions() const { return *m_instructions; }
    QString header() const;
    QString message() const;
    bool isServiceConfigured() const;
    QStringList addresses() const;

    // The configuration may have changed since the screen last showed.
    Q_INVOKABLE void refresh();
    Q_INVOKABLE void send(const QString& typed, bool subscribe);
    Q_INVOKABLE void skip();
    // A link of the message.
    Q_INVOKABLE void openLink(const QString& link);

signals:
    void changed();

private:
    AppContext m_context;
    SetupInstructions* m_instructions; // child
};
