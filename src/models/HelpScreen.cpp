#include "models/HelpScreen.h"

#include "core/AlertPresenter.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "models/HelpPages.h"
#include "models/LinkOpener.h"
#include "models/WebPageScreen.h"

HelpScreen::HelpScreen(UserDefaults& defaults, AlertPresenter& alerts, LinkOpener& links, QObject* parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_alerts(alerts)
    , m_page(new WebPageScreen(this))
{
    m_page->setPolicy([this, opener = &links](const QUrl& url) {
        const auto openOutside = [opener](const QUrl& outside) { return opener->open(outside); };
        return HelpPages::follow(url, openOutside, [this](HelpPages::Action action) {
            switch (action) {
            case HelpPages::Action::ShowSetup:
                emit setupWanted();
                break;
            }
        });
    });
    connect(m_page, &WebPageScreen::failed, this, [this](const WebLoadError& error) {
        ConsoleLog::log(logModels, QStringLiteral("could not load %@: %@"), error.url.toString(), error.description);
        const QUrl backup = m_backup;
        m_backup.clear();
        // The bundled page itself failing must not start the same load again.
        if (!backup.isEmpty() && error.url.adjusted(QUrl::RemoveFragment) != backup) {
            m_page->load(backup);
            return;
        }
        AlertRequest alert;
        alert.title = localizedString("Error loading page.");
        alert.message = localizedString("Sorry, we weren't able to load the requested page.");
        alert.buttons = { localizedString("Ok") };
        m_alerts.present(alert);
    });
}

HelpScreen::~HelpScreen() = default;

void HelpScreen::load(const QUrl& url, const QUrl& backup)
{
    m_backup = backup;
    m_page->load(url);
}

void HelpScreen::showHelp(const QString& name)
{
    const HelpPages::Choice choice = HelpPages::helpPage(m_defaults, name);
    load(choice.url, choice.backup);
}

void HelpScreen::showBundledPage(const QString& name)
{
    load(HelpPages::bundledPage(m_defaults, name).url, {});
}

void HelpScreen::showAbout()
{
    const HelpPages::Choice choice = HelpPages::about(m_defaults);
    load(choice.url, choice.backup);
}

void HelpScreen::showNewsletter()
{
    const QUrl address = HelpPages::newsletter(m_defaults);
    if (address.isEmpty())
        showHtml(HelpPages::noNewsletterPage());
    else
        load(address, {});
}

void HelpScreen::showHtml(const QString& html)
{
    m_backup.clear();
    m_page->loadHtml(html, HelpPages::bundleBase());
}
