#include "screens/Flipside/FlipsideViewController.h"

#include "core/AlertPresenter.h"
#include "core/DictionaryHelpers.h"
#include "core/Localization.h"
#include "core/MakerContacts.h"
#include "core/PreferenceKeys.h"
#include "core/RowKeys.h"
#include "core/TextFormat.h"
#include "core/UserDefaults.h"
#include "models/Navigator.h"
#include "models/SkipDistances.h"
#include "net/DeviceNetworkAddress.h"
#include "screens/Flipside/BuildInfo.h"
#include "ui/MailComposer.h"
#include "ui/SourceCell.h"

#include <QFileInfo>

namespace {
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

FlipsideViewController::FlipsideViewController(const AppContext& context, QWidget* parent)
    : StyledTableViewController(parent)
    , m_context(context)
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
    const UserDefaults& defaults = m_context.defaults;
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
        checkmark(defaults.boolForKey(toggleKey(row)));
        break;
    case LockRotationRow:
        checkmark(defaults.integerForKey(PreferenceKeys::lockRotationSpecific) != 0);
        break;
    case SkinRow:
        cell->textLabel()->setText(
            fmt(localizedString("Skin: %@"), QFileInfo(defaults.stringForKey(PreferenceKeys::skin)).fileName()));
        cell->setAccessoryType(TableViewCell::AccessoryDisclosureIndicator);
        break;
    case SkipDistanceRow: {
        // The stored word is in the language it was chosen in (the default in
        // English); the distance itself says it in the reader's language.
        QString word = SkipDistances::wordForDistance(defaults.integerForKey(PreferenceKeys::skipDistance));
        if (word.isEmpty())
            word = defaults.stringForKey(PreferenceKeys::skipDistanceWord);
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
    UserDefaults& defaults = m_context.defaults;
    Navigator& navigator = m_context.navigator;
    const int row = tableStructure()->rowIdForIndexPath(indexPath);
    switch (row) {
    case SetupRow:
        navigator.showSetupInstructions();
        break;
    case WhatsNewRow:
        navigator.showHelp(QStringLiteral("whatsNew"));
        break;
    case HelpRow:
        navigator.showHelp(QStringLiteral("help"));
        break;
    case CreditsRow:
        navigator.showHelp(QStringLiteral("credit"));
        break;
    case DoubleVolRow:
    case PlayFoldersRow:
        toggle(toggleKey(row));
        break;
    case SlideSkinRow:
        toggle(PreferenceKeys::slideRemoteScreens);
        emit skinSlidingChanged();
        break;
    case OnlyShowMediaRow:
        toggle(PreferenceKeys::onlyShowMediaFiles);
        if (defaults.boolForKey(PreferenceKeys::onlyShowMediaFiles))
            m_context.alerts.present({ localizedString("Only showing media files"),
                                       localizedString("PlayerLink tries to guess by the filename endings whether they "
                                                       "are media files\n\nIf we are missing a filetype, let us know!"),
                                       { localizedString("Ok") } });
        break;
    case LockRotationRow:
        defaults.setInteger(PreferenceKeys::lockRotationSpecific,
                            defaults.integerForKey(PreferenceKeys::lockRotationSpecific) != 0 ? 0 : interfaceOrientation());
        table->deselectRowAtIndexPath(indexPath, true);
        table->reloadData();
        emit rotationLockChanged();
        break;
    case DisableSleepRow:
        toggle(PreferenceKeys::disableSleep);
        emit keepAwakeChanged();
        break;
    case SkinRow:
        navigator.showSkins();
        break;
    case SkipDistanceRow:
        navigator.showSkipDistance();
        break;
    case FeedbackRow:
        navigator.composeMail(MakerContacts::feedbackAddress, feedbackSubject(), QString());
        break;
    case TellAFriendRow:
        navigator.composeMail(QString(), tellAFriendSubject(), tellAFriendBody());
        break;
    case NewsletterRow:
        navigator.showNewsletter();
        break;
    case AboutRow:
        navigator.showAbout();
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
    m_context.defaults.toggleBoolForKey(key);
    myTableView()->deselectRowAtIndexPath(myTableView()->indexPathForSelectedRow(), true);
    myTableView()->reloadData();
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
