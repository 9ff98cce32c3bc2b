#include "screens/Flipside/FlipsideViewController.h"

#include "core/AlertPresenter.h"
#include "core/DictionaryHelpers.h"
#include "core/Localization.h"
#include "core/MakerContacts.h"
#include "core/PreferenceKeys.h"
#include "core/TextFormat.h"
#include "core/UserDefaults.h"
#include "screens/Common/CentralAccess.h"
#include "screens/Flipside/BuildInfo.h"
#include "core/ServiceHosts.h"
#include "net/DeviceNetworkAddress.h"
#include "screens/MainView/MainViewController.h"
#include "screens/Setup/SetupInstructionsVC.h"
#include "screens/SkinsView/SkinsViewController.h"
#include "screens/SkipDistance/SkipDistanceViewController.h"
#include "screens/WebView/WebViewController.h"
#include "ui/BWNavigationController.h"
#include "ui/MailComposer.h"
#include "core/RowKeys.h"
#include "ui/SourceCell.h"

#include <QFileInfo>

namespace {
UserDefaults& defaults()
{
    return UserDefaults::standard();
}

// The preference each toggle row switches.
QString toggleKey(int row)
{
    switch (row) {
    case FlipsideViewController::DoubleVolRow:
        return PreferenceKeys::doubleVol;
    case FlipsideViewController::SlideSkinRow:
        return PreferenceKeys::slideRemoteScreens;
    case FlipsideViewController::PlayFoldersRow:
        return PreferenceKeys::playFolders;
    case FlipsideViewController::OnlyShowMediaRow:
        return PreferenceKeys::onlyShowMediaFiles;
    case FlipsideViewController::DisableSleepRow:
        return PreferenceKeys::disableSleep;
    default:
        return QString();
    }
}
}

FlipsideViewController::FlipsideViewController(QWidget* parent)
    : StyledTableViewController(parent)
{
    setTitle(localizedString("Settings"));
}

void FlipsideViewController::initialiseStructure()
{
    TableStructure structure;
    QVariantMap row = displayRow();
    DictionaryHelpers::setFloat(row, 50, BW_ROW_HEIGHT_FLOAT);
    auto add = [&](int id, const char* text, int accessory) {
        DictionaryHelpers::setInt(row, id, BW_ROW_ID_INT);
        if (text)
            row.insert(BW_ROW__AUTO_TEXT_STRING, localizedString(text));
        else
            row.remove(BW_ROW__AUTO_TEXT_STRING);
        DictionaryHelpers::setInt(row, accessory, BW_ROW_AUTO_ACCESSORY_STYLE_INT);
        structure.addRow(row);
    };
    const int none = TableViewCell::AccessoryNone;
    const int more = TableViewCell::AccessoryDisclosureIndicator;

    structure.addSection(localizedString("Help"));
    add(SetupRow, L10N_NOOP("Setup Instructions"), more);
    add(WhatsNewRow, L10N_NOOP("What's New?"), more);
    add(HelpRow, L10N_NOOP("Help"), more);

    structure.addSection(localizedString("Settings"));
    add(DoubleVolRow, L10N_NOOP("Boost volume range to 400%"), none);
    add(SkinRow, nullptr, more);
    add(SlideSkinRow, L10N_NOOP("Slide skin views"), none);
    add(SkipDistanceRow, nullptr, more);
    add(PlayFoldersRow, L10N_NOOP("Allow Playing Folders"), none);
    add(OnlyShowMediaRow, L10N_NOOP("Only Show Media"), none);
    add(LockRotationRow, L10N_NOOP("Lock Rotation"), none);
    add(DisableSleepRow, L10N_NOOP("Disable Screen-Off"), none);

    structure.addSection(localizedString("Communication"));
    add(FeedbackRow, L10N_NOOP("Email me with feedback..."), more);
    add(TellAFriendRow, L10N_NOOP("Tell a friend"), more);
    add(NewsletterRow, L10N_NOOP("Newsletter"), more);

    structure.addSection(localizedString("Info"));
    add(AboutRow, L10N_NOOP("About Brindlewood Software"), more);
    add(CreditsRow, L10N_NOOP("Credits"), more);
    add(IpRow, nullptr, none);
    // The version and build lines are short grey captions.
    row = detailRow();
    DictionaryHelpers::setInt(row, TableViewCell::SelectionStyleNone, BW_ROW_AUTO_SELECTION_STYLE_INT);
    add(VersionRow, nullptr, none);
    add(BuildRow, nullptr, none);
    setTableStructure(structure);
}

void FlipsideViewController::viewDidAppear(bool animated)
{
    // A skin or skip distance chosen on a screen above shows at once.
    if (myTableView())
        myTableView()->reloadData();
    StyledTableViewController::viewDidAppear(animated);
}

TableViewCell* FlipsideViewController::cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    TableViewCell* cell = StyledTableViewController::cellForRowAtIndexPath(table, indexPath);
    cell->setAccessoryView(nullptr);
    const int row = tableStructure()->rowIdForIndexPath(indexPath);
    auto checkmark = [cell](bool on) {
        cell->setAccessoryType(on ? TableViewCell::AccessoryCheckmark : TableViewCell::AccessoryNone);
    };
    switch (row) {
    case DoubleVolRow:
    case SlideSkinRow:
    case PlayFoldersRow:
    case OnlyShowMediaRow:
    case DisableSleepRow:
        checkmark(defaults().boolForKey(toggleKey(row)));
        break;
    case LockRotationRow:
        checkmark(defaults().integerForKey(PreferenceKeys::lockRotationSpecific) != 0);
        break;
    case SkinRow:
        cell->textLabel()->setText(
            fmt(localizedString("Skin: %@"), QFileInfo(defaults().stringForKey(PreferenceKeys::skin)).fileName()));
        cell->setAccessoryType(TableViewCell::AccessoryDisclosureIndicator);
        break;
    case SkipDistanceRow: {
        // The stored word is in the language it was chosen in (the default in
        // English); the distance itself says it in the reader's language.
        QString word = SkipDistanceViewController::wordForDistance(defaults().integerForKey(PreferenceKeys::skipDistance));
        if (word.isEmpty())
            word = defaults().stringForKey(PreferenceKeys::skipDistanceWord);
        cell->textLabel()->setText(fmt(localizedString("Skip Distance: %@"), word));
        cell->setAccessoryType(TableViewCell::AccessoryDisclosureIndicator);
        break;
    }
    case IpRow:
        cell->setSelectionStyle(TableViewCell::SelectionStyleNone);
        cell->textLabel()->setText(fmt(localizedString("IP: %@"), wifiIPText()));
        break;
    case VersionRow:
        cell->setSelectionStyle(TableViewCell::SelectionStyleNone);
        if (auto* source = qobject_cast<SourceCell*>(cell))
            source->setText(fmt(localizedString("Version %@"), BuildInfo::version()));
        break;
    case BuildRow:
        cell->setSelectionStyle(TableViewCell::SelectionStyleNone);
        if (auto* source = qobject_cast<SourceCell*>(cell))
            source->setText(fmt(QStringLiteral("%@  %@"), BuildInfo::buildDate(), BuildInfo::buildTime()));
        break;
    default:
        break;
    }
    return cell;
}

void FlipsideViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    const int row = tableStructure()->rowIdForIndexPath(indexPath);
    switch (row) {
    case SetupRow:
        showSetupInstructions();
        break;
    case WhatsNewRow:
        showHelpPage(QStringLiteral("whatsNew"));
        break;
    case HelpRow:
        showHelpPage(QStringLiteral("help"));
        break;
    case CreditsRow:
        showHelpPage(QStringLiteral("credit"));
        break;
    case DoubleVolRow:
    case PlayFoldersRow:
        toggle(toggleKey(row));
        break;
    case SlideSkinRow:
        toggle(PreferenceKeys::slideRemoteScreens);
        // The skin is built again, with or without sliding, at its next showing.
        CentralAccess::shared().mainViewController()->clearCurrentSkin();
        break;
    case OnlyShowMediaRow:
        toggle(PreferenceKeys::onlyShowMediaFiles);
        if (defaults().boolForKey(PreferenceKeys::onlyShowMediaFiles))
            AlertPresenter::show(localizedString("Only showing media files"),
                                 localizedString("PlayerLink tries to guess by the filename endings whether they are "
                                                 "media files\n\nIf we are missing a filetype, let us know!"),
                                 { localizedString("Ok") });
        break;
    case LockRotationRow:
        defaults().setInteger(PreferenceKeys::lockRotationSpecific,
                              defaults().integerForKey(PreferenceKeys::lockRotationSpecific) != 0
                                  ? 0
                                  : interfaceOrientation());
        table->deselectRowAtIndexPath(indexPath, true);
        table->reloadData();
        emit rotationLockChanged();
        break;
    case DisableSleepRow:
        toggle(PreferenceKeys::disableSleep);
        emit keepAwakeChanged();
        break;
    case SkinRow:
        showSkinList();
        break;
    case SkipDistanceRow:
        pushScreen(CentralAccess::shared().skipDistanceViewController());
        break;
    case FeedbackRow:
        MailComposer::sendEmailTo(MakerContacts::feedbackAddress, feedbackSubject(), QString(), false);
        break;
    case TellAFriendRow:
        MailComposer::sendEmailTo(QString(), tellAFriendSubject(), tellAFriendBody(), false);
        break;
    case NewsletterRow:
        showNewsletter();
        break;
    case AboutRow:
        showAbout();
        break;
    default:
        break;
    }
    // Toggles have reloaded the table, which clears the selection.
    if (table->indexPathForSelectedRow().isValid())
        table->deselectRowAtIndexPath(indexPath, true);
}

void FlipsideViewController::toggle(const QString& key)
{
    defaults().toggleBoolForKey(key);
    myTableView()->deselectRowAtIndexPath(myTableView()->indexPathForSelectedRow(), true);
    myTableView()->reloadData();
}

void FlipsideViewController::pushScreen(ViewController* screen)
{
    if (screen && navigationController())
        navigationController()->pushViewController(screen, true);
}

QString FlipsideViewController::feedbackSubject()
{
    return localizedString("Feedback on PlayerLink");
}

QString FlipsideViewController::tellAFriendSubject()
{
    return localizedString("Try PlayerLink...");
}

QString FlipsideViewController::tellAFriendBody()
{
    return localizedString("I'm using PlayerLink - it lets me control VLC completely from my "
                           "iPhone.\n\nI think you might like it!\n\n")
        + MakerContacts::storePage;
}

QUrl FlipsideViewController::feedbackMail()
{
    return MailComposer::mailtoUrl(MakerContacts::feedbackAddress, feedbackSubject(), QString());
}

QUrl FlipsideViewController::tellAFriendMail()
{
    return MailComposer::mailtoUrl(QString(), tellAFriendSubject(), tellAFriendBody());
}

QString FlipsideViewController::wifiIPText()
{
    const QString address = DeviceNetworkAddress::wifiIP();
    return address == DeviceNetworkAddress::noAddressText ? Localization::localized(address) : address;
}

// --- Screens reached from here ----------------------------------------------------

void FlipsideViewController::pushPage(WebViewController* viewer)
{
    if (auto* navigation = qobject_cast<BWNavigationController*>(navigationController()))
        navigation->pushViewControllerVisibility(viewer, true, 1);
    else
        pushScreen(viewer);
}

void FlipsideViewController::showHelpPage(const QString& page)
{
    WebViewController* viewer = CentralAccess::shared().webViewController();
    viewer->loadHelpPage(page);
    pushPage(viewer);
}

void FlipsideViewController::showSetupInstructions()
{
    CentralAccess::shared().setupInstructionsViewController()->presentOn(navigationController());
}

void FlipsideViewController::showSkinList()
{
    pushScreen(CentralAccess::shared().skinsViewController());
}

void FlipsideViewController::showNewsletter()
{
    WebViewController* viewer = CentralAccess::shared().webViewController();
    pushPage(viewer);
    const QUrl address = ServiceHosts::helpSiteAddress(newsletterPath);
    if (address.isEmpty())
        // The newsletter lives only on the maker's site; without one the page says so.
        viewer->loadHTMLString(QStringLiteral("<html><head><link rel=\"stylesheet\" type=\"text/css\" href=\"help.css\">"
                                              "<title>%1</title></head><body><h1>%1</h1><p>%2</p></body></html>")
                                   .arg(localizedString("Newsletter").toHtmlEscaped(),
                                        localizedString("The newsletter is read from the maker's web site, and none "
                                                        "is set up for this copy of PlayerLink.")
                                            .toHtmlEscaped()),
                               WebViewController::bundlePageDirectory);
    else
        viewer->loadUrlString(address.toString(QUrl::FullyEncoded));
}

void FlipsideViewController::showAbout()
{
    WebViewController* viewer = CentralAccess::shared().webViewController();
    pushPage(viewer);
    const QUrl address = ServiceHosts::helpSiteAddress(aboutPath);
    if (address.isEmpty())
        viewer->loadFromResource(aboutPage, WebViewController::bundlePageType, WebViewController::bundlePageDirectory);
    else
        viewer->loadUrlStringWithBackupResourceTypeDirectory(address.toString(QUrl::FullyEncoded), aboutPage,
                                                             WebViewController::bundlePageType,
                                                             WebViewController::bundlePageDirectory);
}
