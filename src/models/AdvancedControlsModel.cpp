#include "models/AdvancedControlsModel.h"

#include "core/Localization.h"
#include "core/RowKeys.h"
#include "models/Navigator.h"
#include "models/RemoteSession.h"

#include <optional>

namespace {
using Model = AdvancedControlsModel;

// The key each command row sends (key&val=..., as VLC 3 takes it too).
std::optional<RemoteSession::KeyCommand> commandOf(int row)
{
    using K = RemoteSession::KeyCommand;
    switch (row) {
    case Model::SubtitlesRow: return K::ToggleSubtitles;
    case Model::AudioTrackRow: return K::ToggleAudioTrack;
    case Model::AspectRatioRow: return K::ToggleAspectRatio;
    case Model::CropRow: return K::CropAspectRatio;
    case Model::FasterRow: return K::SpeedFaster;
    case Model::SlowerRow: return K::SpeedSlower;
    case Model::AudioDelayUpRow: return K::AudioDelayUp;
    case Model::AudioDelayDownRow: return K::AudioDelayDown;
    case Model::SubtitleDelayUpRow: return K::SubtitleDelayUp;
    case Model::SubtitleDelayDownRow: return K::SubtitleDelayDown;
    default: return std::nullopt;
    }
}
}

AdvancedControlsModel::AdvancedControlsModel(Kind kind, const AppContext& context, RemoteSession& session,
                                             QObject* parent)
    : TableStructureModel(parent)
    , m_kind(kind)
    , m_context(context)
    , m_session(session)
{
    TableStructure structure;
    auto add = [&](int id, const char* text) {
        QVariantMap row;
        row.insert(BW_ROW_ID_INT, id);
        row.insert(BW_ROW__AUTO_TEXT_STRING, localizedString(text));
        structure.addRow(row);
    };
    if (kind == Kind::Screens) {
        structure.addSection(localizedString("Lua Stuff..."));
        add(DvdNavigationRow, L10N_NOOP("DVD Navigation"));
        add(ChapterTitleRow, L10N_NOOP("Chapter & Title"));
        add(SubtitlesRow, L10N_NOOP("Subtitles"));
        add(AudioVideoTrackRow, L10N_NOOP("Audio & Video Track"));
        add(AudioDelayRow, L10N_NOOP("Audio & Delay Settings"));
        add(AspectRatioRow, L10N_NOOP("Aspect Ratio"));
        add(SpeedRow, L10N_NOOP("Speed"));
        add(EqualizerRow, L10N_NOOP("Equalizer"));
    } else {
        structure.addSection(QString());
        add(DvdNavigationRow, L10N_NOOP("DVD Navigation"));
        add(SubtitlesRow, L10N_NOOP("Subtitles"));
        add(AudioTrackRow, L10N_NOOP("Audio Track"));
        add(AspectRatioRow, L10N_NOOP("Aspect Ratio"));
        add(CropRow, L10N_NOOP("Crop Aspect Ratio"));
        structure.addSection(localizedString("Speed"));
        add(FasterRow, L10N_NOOP("Faster"));
        add(SlowerRow, L10N_NOOP("Slower"));
        structure.addSection(localizedString("Delays"));
        add(AudioDelayUpRow, L10N_NOOP("Audio Delay Up"));
        add(AudioDelayDownRow, L10N_NOOP("Audio Delay Down"));
        add(SubtitleDelayUpRow, L10N_NOOP("Subtitle Delay Up"));
        add(SubtitleDelayDownRow, L10N_NOOP("Subtitle Delay Down"));
    }
    setStructure(structure);
}

QVariant AdvancedControlsModel::data(const QModelIndex& index, int role) const
{
    if (role == MoreRole) {
        const int rowId = TableStructureModel::data(index, RowIdRole).toInt();
        return m_kind == Kind::Screens || rowId == DvdNavigationRow;
    }
    return TableStructureModel::data(index, role);
}

QHash<int, QByteArray> AdvancedControlsModel::roleNames() const
{
    QHash<int, QByteArray> names = TableStructureModel::roleNames();
    names.insert(MoreRole, "more");
    return names;
}

void AdvancedControlsModel::activate(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    const int rowId = data(index(row), RowIdRole).toInt();
    Navigator& navigator = m_context.navigator;
    if (m_kind == Kind::KeyCommands) {
        if (rowId == DvdNavigationRow)
            navigator.showDvdNavigation();
        else if (const std::optional<RemoteSession::KeyCommand> command = commandOf(rowId))
            m_session.sendKeyCommand(*command);
        return;
    }
    switch (rowId) {
    case DvdNavigationRow: navigator.showDvdNavigation(); break;
    case ChapterTitleRow: navigator.showChapterTitle(); break;
    case SubtitlesRow: navigator.showSubtitleTracks(); break;
    case AudioVideoTrackRow: navigator.showAudioVideoTracks(); break;
    case AudioDelayRow: navigator.showAudioDelay(); break;
    case AspectRatioRow: navigator.showAspectRatio(); break;
    case SpeedRow: navigator.showSpeed(); break;
    case EqualizerRow: navigator.showEqualizer(); break;
    default: break;
    }
}

void AdvancedControlsModel::showKeyCommands()
{
    m_context.navigator.showKeyCommands();
}
