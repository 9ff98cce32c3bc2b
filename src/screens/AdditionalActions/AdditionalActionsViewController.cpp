#include "screens/AdditionalActions/AdditionalActionsViewController.h"

#include "core/DictionaryHelpers.h"
#include "core/Localization.h"
#include "core/RowKeys.h"
#include "models/Navigator.h"
#include "models/RemoteSession.h"

#include <optional>

AdditionalActionsViewController::AdditionalActionsViewController(const AppContext& context, RemoteSession& session,
                                                                 QWidget* parent)
    : StyledTableViewController(parent)
    , m_context(context)
    , m_session(session)
{
    setTitle(localizedString("Advanced Controls"));
    setBackButtonTitle(localizedString("Controls"));
}

void AdditionalActionsViewController::initialiseStructure()
{
    TableStructure structure;
    QVariantMap row = displayRow();
    auto add = [&](int id, const char* text, int accessory) {
        DictionaryHelpers::setInt(row, id, BW_ROW_ID_INT);
        row.insert(BW_ROW__AUTO_TEXT_STRING, localizedString(text));
        DictionaryHelpers::setInt(row, accessory, BW_ROW_AUTO_ACCESSORY_STYLE_INT);
        structure.addRow(row);
    };
    structure.addSection(QString());
    add(DvdNavigationRow, L10N_NOOP("DVD Navigation"), TableViewCell::AccessoryDisclosureIndicator);
    add(SubtitlesRow, L10N_NOOP("Subtitles"), TableViewCell::AccessoryNone);
    add(AudioTrackRow, L10N_NOOP("Audio Track"), TableViewCell::AccessoryNone);
    add(AspectRatioRow, L10N_NOOP("Aspect Ratio"), TableViewCell::AccessoryNone);
    add(CropRow, L10N_NOOP("Crop Aspect Ratio"), TableViewCell::AccessoryNone);
    // These two headers are shown as they stand.
    structure.addSection(QStringLiteral("Speed"));
    add(FasterRow, L10N_NOOP("Faster"), TableViewCell::AccessoryNone);
    add(SlowerRow, L10N_NOOP("Slower"), TableViewCell::AccessoryNone);
    structure.addSection(QStringLiteral("Delays"));
    add(AudioDelayUpRow, L10N_NOOP("Audio Delay Up"), TableViewCell::AccessoryNone);
    add(AudioDelayDownRow, L10N_NOOP("Audio Delay Down"), TableViewCell::AccessoryNone);
    add(SubtitleDelayUpRow, L10N_NOOP("Subtitle Delay Up"), TableViewCell::AccessoryNone);
    add(SubtitleDelayDownRow, L10N_NOOP("Subtitle Delay Down"), TableViewCell::AccessoryNone);
    setTableStructure(structure);
}

namespace {
// The key of VLC's each command row sends (key&val=..., as VLC 3 takes it too).
std::optional<RemoteSession::KeyCommand> commandOf(int row)
{
    using K = RemoteSession::KeyCommand;
    switch (row) {
    case AdditionalActionsViewController::SubtitlesRow: return K::ToggleSubtitles;
    case AdditionalActionsViewController::AudioTrackRow: return K::ToggleAudioTrack;
    case AdditionalActionsViewController::AspectRatioRow: return K::ToggleAspectRatio;
    case AdditionalActionsViewController::CropRow: return K::CropAspectRatio;
    case AdditionalActionsViewController::FasterRow: return K::SpeedFaster;
    case AdditionalActionsViewController::SlowerRow: return K::SpeedSlower;
    case AdditionalActionsViewController::AudioDelayUpRow: return K::AudioDelayUp;
    case AdditionalActionsViewController::AudioDelayDownRow: return K::AudioDelayDown;
    case AdditionalActionsViewController::SubtitleDelayUpRow: return K::SubtitleDelayUp;
    case AdditionalActionsViewController::SubtitleDelayDownRow: return K::SubtitleDelayDown;
    default: return std::nullopt;
    }
}
}

void AdditionalActionsViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    const int row = tableStructure()->rowIdForIndexPath(indexPath);
    if (row == DvdNavigationRow)
        m_context.navigator.showDvdNavigation();
    else if (const std::optional<RemoteSession::KeyCommand> command = commandOf(row))
        m_session.sendKeyCommand(*command);
    table->deselectRowAtIndexPath(indexPath, true);
}
