#pragma once

#include "models/AppContext.h"
#include "models/TableStructureModel.h"

class RemoteSession;

// The advanced-controls menu, as every front end lists it. Two kinds:
// the key commands (cycle subtitles, audio track and aspect ratio, crop,
// faster and slower, the audio and subtitle delays, one tap each, and a
// row that opens DVD navigation), for any player; and the screens, for a
// player that reports its state in full (VLC 3, or the Lua interface
// unlocked), each row opening a screen with the player's lists and values.
class AdvancedControlsModel : public TableStructureModel {
    Q_OBJECT
public:
    enum class Kind { KeyCommands, Screens };
    enum Row {
        // Both kinds
        DvdNavigationRow = 0,
        SubtitlesRow,
        AspectRatioRow,
        // The key commands
        AudioTrackRow,
        CropRow,
        FasterRow,
        SlowerRow,
        AudioDelayUpRow,
        AudioDelayDownRow,
        SubtitleDelayUpRow,
        SubtitleDelayDownRow,
        // The screens
        ChapterTitleRow,
        AudioVideoTrackRow,
        AudioDelayRow,
        SpeedRow,
        EqualizerRow,
    };
    enum ExtraRole {
        MoreRole = Qt::UserRole + 50, // the row leads to another screen
    };

    AdvancedControlsModel(Kind kind, const AppContext& context, RemoteSession& session, QObject* parent = nullptr);

    Kind kind() const { return m_kind; }
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // The row chosen: its key command goes to the player, or its screen is
    // asked of the navigator.
    Q_INVOKABLE void activate(int row);
    // The screens' menu offers the key commands beside it ("Keys").
    Q_INVOKABLE void showKeyCommands();

private:
    Kind m_kind;
    AppContext m_context;
    RemoteSession& m_session;
};
