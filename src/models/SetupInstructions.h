#pragma once

#include "models/AppContext.h"

#include <QObject>
#include <QString>
#include <QStringList>

class SetupRequestService;

// What the setup screen of either front end says and does: how to prepare
// VLC (its web interface and password), sent to the user's e-mail address
// through the maker's setup-request service when one is configured, else as
// a message the user's own mail program opens. It also records, once per
// installation, that a remote worked, and tells the service so once.
class SetupInstructions : public QObject {
    Q_OBJECT
public:
    explicit SetupInstructions(const AppContext& context, QObject* parent = nullptr);
    ~SetupInstructions() override;

    static QString header();
    // The message (rich text; a link to "help" opens the help page) for
    // the configuration in use.
    static QString defaultMessage(const UserDefaults& defaults);
    // The instructions the e-mail carries when there is no service.
    static QString instructionsMailSubject();
    static QString instructionsMailBody();
    static inline const QString helpLink = QStringLiteral("help");

    // Whether the maker's service is there: it alone hears of the tick box.
    bool isServiceConfigured() const;
    SetupRequestService* service() const { return m_service; }

    // Why the typed address will not do, shown as it stands; empty when it will.
    QString problemWith(const QString& typed) const;
    // Tells the user why the address will not do, if it will not.
    bool check(const QString& typed) const;
    // Sends the instructions to a checked address (false, and nothing
    // done, when the check fails): through the service, which is then
    // confirmed to the user, or as a message the mail program opens.
    bool send(const QString& typed, bool subscribe);
    // The user passes the screen by.
    void skip();
    // The help page the message links to.
    void showHelp();

    // The addresses sent to before, the latest first.
    QStringList rememberedAddresses() const;

    static bool haveSeenSetupPage(const UserDefaults& defaults);
    static bool haveSetupSuccesfully(const UserDefaults& defaults);
    // A remote worked: remembered, and told to the service once.
    void setHaveSetupSuccesfully();

    static constexpr int maximumRememberedAddresses = 5;

private:
    void rememberAddress(const QString& address);

    AppContext m_context;
    SetupRequestService* m_service; // child
};
