#include "models/SettingsModel.h"

#include "core/AlertPresenter.h"
#include "core/Localization.h"
#include "core/MakerContacts.h"
#include "core/PreferenceKeys.h"
#include "core/RowKeys.h"
#include "core/TextFormat.h"
#include "core/UserDefaults.h"
#include "models/Navigator.h"
#include "models/SkipDistances.h"
#include "net/DeviceNetworkAddress.h"

#include <QFileInfo>

namespace {
// The preference each toggle row switches.
QString toggleKey(int row)
{
    switch (row) {
    case SettingsModel::DoubleVolRow: return PreferenceKeys::doubleVol;
    case SettingsModel::SlideSkinRow: return PreferenceKeys::slideRemoteScreens;
    case SettingsModel::PlayFoldersRow: return PreferenceKeys::playFolders;
    case SettingsModel::OnlyShowMediaRow: return PreferenceKeys::onlyShowMediaFiles;
    case SettingsModel::DisableSleepRow: return PreferenceKeys::disableSleep;
    default: return QString();
    }
}

bool leadsOn(int row)
{
    switch (row) {
    case SettingsModel::SetupRow:
    case SettingsModel::WhatsNewRow:
    case SettingsModel::HelpRow:
    case SettingsModel::SkinRow:
    case SettingsModel::SkipDistanceRow:
    case SettingsModel::FeedbackRow:
    case SettingsModel::TellAFriendRow:
    case SettingsModel::NewsletterRow:
    case SettingsModel::AboutRow:
    case SettingsModel::CreditsRow: return true;
    default: return false;
    }
}
}

SettingsModel::SettingsModel(const AppContext& context, const QString& version, QObject* parent)
    : TableStructureModel(parent)
    , m_context(context)
    , m_version(version)
{
    TableStructure structure;
    auto add = [&](int id, const char* text) {
        QVariantMap row;
        row.insert(BW_ROW_ID_INT, id);
        if (text)
            row.insert(BW_ROW__AUTO_TEXT_STRING, localizedString(text));
        structure.addRow(row);
    };
    structure.addSection(localizedString("Help"));
    add(SetupRow, L10N_NOOP("Setup Instructions"));
    add(WhatsNewRow, L10N_NOOP("What's New?"));
    add(HelpRow, L10N_NOOP("Help"));

    structure.addSection(localizedString("Settings"));
    add(DoubleVolRow, L10N_NOOP("Boost volume range to 400%"));
    add(SkinRow, nullptr);
    add(SlideSkinRow, L10N_NOOP("Slide skin views"));
    add(SkipDistanceRow, nullptr);
    add(PlayFoldersRow, L10N_NOOP("Allow Playing Folders"));
    add(OnlyShowMediaRow, L10N_NOOP("Only Show Media"));
    add(LockRotationRow, L10N_NOOP("Lock Rotation"));
    add(DisableSleepRow, L10N_NOOP("Disable Screen-Off"));

    structure.addSection(localizedString("Communication"));
    add(FeedbackRow, L10N_NOOP("Email me with feedback..."));
    add(TellAFriendRow, L10N_NOOP("Tell a friend"));
    add(NewsletterRow, L10N_NOOP("Newsletter"));

    structure.addSection(localizedString("Info"));
    add(AboutRow, L10N_NOOP("About Brindlewood Software"));
    add(CreditsRow, L10N_NOOP("Credits"));
    add(IpRow, nullptr);
    add(VersionRow, nullptr);
    add(BuildRow, nullptr);
    setStructure(structure);
}

QString SettingsModel::textOf(int rowId) const
{
    const UserDefaults& defaults = m_context.defaults;
    switch (rowId) {
    case SkinRow:
        return fmt(localizedString("Skin: %@"), QFileInfo(defaults.stringForKey(PreferenceKeys::skin)).fileName());
    case SkipDistanceRow: {
        // The stored word is in the language it was chosen in (the default in
        // English); the distance itself says it in the reader's language.
        QString word = SkipDistances::wordForDistance(defaults.integerForKey(PreferenceKeys::skipDistance));
        if (word.isEmpty())
            word = defaults.stringForKey(PreferenceKeys::skipDistanceWord);
        return fmt(localizedString("Skip Distance: %@"), word);
    }
    case IpRow: {
        const QString address = DeviceNetworkAddress::wifiIP();
        return fmt(localizedString("IP: %@"),
                   address == DeviceNetworkAddress::noAddressText ? Localization::localized(address) : address);
    }
    case VersionRow: return fmt(localizedString("Version %@"), m_version);
    case BuildRow: return fmt(QStringLiteral("%@  %@"), QStringLiteral(__DATE__), QStringLiteral(__TIME__));
    default: return QString();
    }
}

QVariant SettingsModel::data(const QModelIndex& index, int role) const
{
    const int rowId = TableStructureModel::data(index, RowIdRole).toInt();
    switch (role) {
    case Qt::DisplayRole:
    case TextRole: {
        const QString text = textOf(rowId);
        return text.isEmpty() ? TableStructureModel::data(index, role) : text;
    }
    case CheckedRole:
        if (rowId == LockRotationRow)
            return m_context.defaults.integerForKey(PreferenceKeys::lockRotationSpecific) != 0;
        return !toggleKey(rowId).isEmpty() && m_context.defaults.boolForKey(toggleKey(rowId));
    case MoreRole: return leadsOn(rowId);
    case CaptionRole: return rowId == VersionRow || rowId == BuildRow;
    default: return TableStructureModel::data(index, role);
    }
}

QHash<int, QByteArray> SettingsModel::roleNames() const
{
    QHash<int, QByteArray> names = TableStructureModel::roleNames();
    names.insert(CheckedRole, "checked");
    names.insert(MoreRole, "more");
    names.insert(CaptionRole, "caption");
    return names;
}

void SettingsModel::refresh()
{
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1));
}

void SettingsModel::toggle(const QString& key)
{
    m_context.defaults.toggleBoolForKey(key);
    refresh();
}

void SettingsModel::activate(int row, int orientation)
{
    UserDefaults& defaults = m_context.defaults;
    Navigator& navigator = m_context.navigator;
    const int rowId = TableStructureModel::data(index(row), RowIdRole).toInt();
    switch (rowId) {
    case SetupRow: navigator.showSetupInstructions(); break;
    case WhatsNewRow: navigator.showHelp(QStringLiteral("whatsNew")); break;
    case HelpRow: navigator.showHelp(QStringLiteral("help")); break;
    case CreditsRow: navigator.showHelp(QStringLiteral("credit")); break;
    case DoubleVolRow:
    case PlayFoldersRow: toggle(toggleKey(rowId)); break;
    case SlideSkinRow:
        toggle(PreferenceKeys::slideRemoteScreens);
        emit skinSlidingChanged();
        break;
    case OnlyShowMediaRow:
        toggle(PreferenceKeys::onlyShowMediaFiles);
        if (defaults.boolForKey(PreferenceKeys::onlyShowMediaFiles)) {
            AlertRequest notice;
            notice.title = localizedString("Only showing media files");
            notice.message = localizedString("PlayerLink tries to guess by the filename endings whether they "
                                             "are media files\n\nIf we are missing a filetype, let us know!");
            notice.buttons = { localizedString("Ok") };
            m_context.alerts.present(notice);
        }
        break;
    case LockRotationRow:
        defaults.setInteger(PreferenceKeys::lockRotationSpecific,
                            defaults.integerForKey(PreferenceKeys::lockRotationSpecific) != 0 ? 0 : orientation);
        refresh();
        emit rotationLockChanged();
        break;
    case DisableSleepRow:
        toggle(PreferenceKeys::disableSleep);
        emit keepAwakeChanged();
        break;
    case SkinRow: navigator.showSkins(); break;
    case SkipDistanceRow: navigator.showSkipDistance(); break;
    case FeedbackRow:
        navigator.composeMail(MakerContacts::feedbackAddress, feedbackSubject(), QString());
        break;
    case TellAFriendRow:
        navigator.composeMail(QString(), tellAFriendSubject(), tellAFriendBody());
        break;
    case NewsletterRow: navigator.showNewsletter(); break;
    case AboutRow: navigator.showAbout(); break;
    default: break;
    }
}

QString SettingsModel::feedbackSubject()
{
    return localizedString("Feedback on PlayerLink");
}

QString SettingsModel::tellAFriendSubject()
{
    return localizedString("Try PlayerLink...");
}

QString SettingsModel::tellAFriendBody()
{
    return localizedString("I'm using PlayerLink - it lets me control VLC completely from my "
                           "iPhone.\n\nI think you might like it!\n\n")
        + MakerContacts::storePage;
}
