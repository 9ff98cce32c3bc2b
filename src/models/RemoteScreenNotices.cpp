#include "models/RemoteScreenNotices.h"

#include "core/AlertPresenter.h"
#include "core/Localization.h"
#include "core/PreferenceKeys.h"
#include "core/TextFormat.h"
#include "core/UserDefaults.h"
#include "models/Navigator.h"

#include <QFileInfo>
#include <QPointer>

RemoteScreenNotices::RemoteScreenNotices(const AppContext& context, QObject* parent)
    : QObject(parent)
    , m_context(context)
{
}

RemoteScreenNotices::~RemoteScreenNotices() = default;

void RemoteScreenNotices::dvdWarning()
{
    AlertRequest sheet;
    sheet.title = localizedString("To use DVD controls, you will need to download and run the setup helper version 2.5 "
                                  "or higher.\n\nIf you ran the helper some time ago, you'll need to re-run the latest "
                                  "version");
    sheet.buttons = { localizedString("Send me details"), localizedString("Ok - Don't tell me again"),
                      localizedString("Ok") };
    sheet.actionSheet = true;
    sheet.completion = [self = QPointer<RemoteScreenNotices>(this)](int index) {
        if (self)
            self->dvdActionSheetDidDismissWithButtonIndex(index);
    };
    m_context.alerts.present(sheet);
}

void RemoteScreenNotices::dvdActionSheetDidDismissWithButtonIndex(int index)
{
    if (index == 0)
        m_context.navigator.showSetupInstructions();
    else if (index == 1)
        m_context.defaults.setBool(PreferenceKeys::haveShownDvdWarning, true);
}

bool RemoteScreenNotices::checkSkinValue(std::optional<double> skinApiVersion)
{
    if (showFailedSkinNotice())
        return true;
    UserDefaults& defaults = m_context.defaults;
    if (!skinApiVersion || *skinApiVersion >= 4
        || defaults.stringForKey(PreferenceKeys::noSkinVersion) == defaults.stringForKey(PreferenceKeys::skin))
        return false;
    AlertRequest sheet;
    sheet.title = localizedString("The skin you are using may not be supported by this version of PlayerLink. If the "
                                  "actions don't work, then please update to one of the new skins.");
    sheet.buttons = { localizedString("Ok - Don't tell me again"), localizedString("Ok") };
    sheet.actionSheet = true;
    sheet.completion = [self = QPointer<RemoteScreenNotices>(this)](int index) {
        if (self)
            self->checkSkinSheetDidDismissWithButtonIndex(index);
    };
    m_context.alerts.present(sheet);
    return true;
}

void RemoteScreenNotices::checkSkinSheetDidDismissWithButtonIndex(int index)
{
    if (index == 0)
        m_context.defaults.setObject(PreferenceKeys::noSkinVersion, m_context.defaults.stringForKey(PreferenceKeys::skin));
}

bool RemoteScreenNotices::showFailedSkinNotice()
{
    if (m_failedSkin.isEmpty())
        return false;
    AlertRequest sheet;
    sheet.title = fmt(localizedString("The skin \"%@\" could not be loaded, so PlayerLink is using its built-in skin."),
                      QFileInfo(m_failedSkin).fileName());
    sheet.buttons = { localizedString("Ok") };
    sheet.actionSheet = true;
    m_failedSkin.clear();
    m_context.alerts.present(sheet);
    return true;
}

void RemoteScreenNotices::showWhatsNewIfNeeded()
{
    if (m_context.defaults.integerForKey(PreferenceKeys::usersWhatsNewVersion) == 2)
        return;
    m_context.defaults.setInteger(PreferenceKeys::usersWhatsNewVersion, 2);
    m_context.navigator.showHelp(QStringLiteral("whatsNew"));
}
