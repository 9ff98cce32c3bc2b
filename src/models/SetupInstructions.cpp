#include "models/SetupInstructions.h"

#include "core/AlertPresenter.h"
#include "core/Analytics.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "models/Navigator.h"
#include "net/SetupRequestService.h"

SetupInstructions::SetupInstructions(const AppContext& context, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_service(new SetupRequestService(context.defaults, context.network, this))
{
    connect(m_service, &SetupRequestService::successReported, this, [this](bool ok) {
        if (ok)
            m_context.defaults.setBool(PreferenceKeys::haveReportedSuccesfullSetup, true);
    });
}

SetupInstructions::~SetupInstructions() = default;

QString SetupInstructions::header()
{
    return localizedString("Thanks for installing PlayerLink");
}

QString SetupInstructions::defaultMessage(const UserDefaults& defaults)
{
    const QString how = localizedString(
        "To use PlayerLink, you'll need to switch on VLC's web interface and give it a password, on each computer "
        "you want to control. The <a href=\"help\">help page</a> shows how, step by step.");
    const QString mail = SetupRequestService::isConfigured(defaults)
        ? localizedString("If you enter your email address, we'll send you an email with the setup instructions.")
        : localizedString("If you enter your email address, your mail program opens an email to you with the setup "
                          "instructions, so that you can follow them on your computer.");
    return how + QStringLiteral("<br><br>") + mail;
}

QString SetupInstructions::instructionsMailSubject()
{
    return localizedString("Setting up VLC for PlayerLink");
}

QString SetupInstructions::instructionsMailBody()
{
    return localizedString(
        "PlayerLink controls VLC through VLC's web interface. That interface is switched off until you switch it on, "
        "and VLC 3 opens it only with a password. Do this once on each computer you want to control.\n"
        "\n"
        "1. Switch on VLC's web interface\n"
        "- Open VLC and choose Tools > Preferences (on a Mac: VLC > Preferences).\n"
        "- At the bottom left, under Show settings, choose All.\n"
        "- In the list on the left, click Interface > Main interfaces. On the right, tick Web.\n"
        "- Open Main interfaces and click Lua. Under Lua HTTP, type a password into Password.\n"
        "- Click Save, quit VLC and start it again.\n"
        "\n"
        "Or start VLC with the web interface on, putting your own password in place of SECRET:\n"
        "vlc --extraintf http --http-password SECRET\n"
        "\n"
        "To check: open a web browser on the computer at http://localhost:8080, leave the user name empty and type "
        "your password. VLC's own web remote appears.\n"
        "\n"
        "2. Let VLC through the firewall\n"
        "- Windows: when Windows asks whether VLC may communicate on networks, tick Private networks and click "
        "Allow access.\n"
        "- macOS: if you are asked whether VLC may accept incoming network connections, click Allow.\n"
        "- Linux: most desktops have no firewall switched on. With ufw, run: sudo ufw allow 8080/tcp\n"
        "\n"
        "3. Add the computer to PlayerLink\n"
        "PlayerLink looks for computers on your network by itself. Choose yours and type the password you set in "
        "VLC. If it is not in the list, add it by hand with its address, such as 192.168.1.20.\n");
}

bool SetupInstructions::isServiceConfigured() const
{
    return SetupRequestService::isConfigured(m_context.defaults);
}

// --- The address -----------------------------------------------------------------

QString SetupInstructions::problemWith(const QString& typed) const
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        // The find button is there only when it has something to offer.
        return !rememberedAddresses().isEmpty()
            ? localizedString("It looks like your email is blank. Please enter your email address, or use the find "
                              "icon to pick one you typed before.\n\nOr just tap the skip button to skip this "
                              "entirely.")
            : localizedString("It looks like your email is blank. Please enter your email address.\n\nOr just tap "
                              "the skip button to skip this entirely.");
    // The plus sign is the maker's server's limit, not the address's.
    if (isServiceConfigured() && text.contains(u'+'))
        return localizedString("Annoyingly, my ruby on rails server can't handle the plus sign. Sorry");
    if (text.size() > 8) {
        ConsoleLog::log(logModels, QStringLiteral("length ok"));
        if (text.contains(u'@')) {
            ConsoleLog::log(logModels, QStringLiteral("@ ok"));
            if (text.contains(u'.')) {
                ConsoleLog::log(logModels, QStringLiteral(". ok"));
                return QString();
            }
        }
    }
    return localizedString("That doesn't look like a valid email address.\n\n(Just tap the skip button to skip this "
                           "entirely.)");
}

bool SetupInstructions::check(const QString& typed) const
{
    const QString problem = problemWith(typed);
    if (problem.isEmpty())
        return true;
    m_context.alerts.present(AlertRequest::notice(localizedString("Please check your email"), problem));
    return false;
}

bool SetupInstructions::send(const QString& typed, bool subscribe)
{
    if (!check(typed))
        return false;
    const QString address = typed.trimmed();
    const bool viaService = m_service->requestInstructions(address, subscribe);
    m_context.defaults.setBool(PreferenceKeys::haveSeenSetupPage, true);
    rememberAddress(address);
    Analytics::event(m_context.defaults, QStringLiteral("requestedSetupEmail"));
    if (viaService)
        m_context.alerts.present(AlertRequest::notice(localizedString("Request Sent"),
                                                     localizedString("Setup details should arrive by email shortly")));
    else
        m_context.navigator.composeMail(address, instructionsMailSubject(), instructionsMailBody());
    return true;
}

void SetupInstructions::skip()
{
    m_context.defaults.setBool(PreferenceKeys::haveSeenSetupPage, true);
}

void SetupInstructions::showHelp()
{
    m_context.navigator.showHelp(helpLink);
}

QStringList SetupInstructions::rememberedAddresses() const
{
    return m_context.defaults.objectForKey(PreferenceKeys::setupEmailAddresses).toStringList();
}

void SetupInstructions::rememberAddress(const QString& address)
{
    QStringList addresses = rememberedAddresses();
    addresses.removeIf([&](const QString& known) { return known.compare(address, Qt::CaseInsensitive) == 0; });
    addresses.prepend(address);
    while (addresses.size() > maximumRememberedAddresses)
        addresses.removeLast();
    m_context.defaults.setObject(PreferenceKeys::setupEmailAddresses, addresses);
}

// --- What the preferences remember -------------------------------------------------

bool SetupInstructions::haveSeenSetupPage(const UserDefaults& defaults)
{
    return defaults.boolForKey(PreferenceKeys::haveSeenSetupPage);
}

bool SetupInstructions::haveSetupSuccesfully(const UserDefaults& defaults)
{
    return defaults.boolForKey(PreferenceKeys::haveSetupSuccesfully);
}

void SetupInstructions::setHaveSetupSuccesfully()
{
    UserDefaults& defaults = m_context.defaults;
    defaults.setBool(PreferenceKeys::haveSetupSuccesfully, true);
    if (!defaults.boolForKey(PreferenceKeys::haveReportedSuccesfullSetup))
        m_service->reportSuccess();
}
