#include "screens/Track/TrackViewController.h"

#include "core/ConsoleLog.h"
#include "core/DictionaryHelpers.h"
#include "core/RowKeys.h"
#include "models/RemoteSession.h"
#include "vlc/VLCController.h"

TrackViewController::TrackViewController(RemoteSession& session, std::vector<TrackModel::Kind> kinds,
                                         const QString& title, QWidget* parent)
    : StyledTableViewController(parent)
    , m_session(session)
    , m_kinds(kinds)
    , m_tracks(std::move(kinds))
{
    setTitle(title);
    m_tracks.setRemote(session.remote());
    connect(&session, &RemoteSession::remoteChanged, this, [this] { m_tracks.setRemote(m_session.remote()); });
    follow(m_tracks);
}

void TrackViewController::initialiseStructure()
{
    TableStructure structure;
    QVariantMap name = displayRow();
    DictionaryHelpers::setFloat(name, TableView::defaultRowHeight, BW_ROW_HEIGHT_FLOAT);
    QVariantMap detail = detailRow();
    for (size_t section = 0; section < m_kinds.size(); ++section) {
        const TrackModel::Kind kind = m_kinds[section];
        structure.addSection(TrackModel::sectionTitle(kind));
        for (int i = 0; i < m_tracks.rowCount(); ++i) {
            const QModelIndex track = m_tracks.index(i);
            if (track.data(TrackModel::KindRole).toInt() != int(kind))
                continue;
            if (kind != TrackModel::Kind::Subtitle)
                ConsoleLog::log(kind == TrackModel::Kind::Audio ? QStringLiteral("audio %d") : QStringLiteral("video %d"),
                                track.data(TrackModel::IndexRole).toInt());
            // Both lines choose the track: the model's row.
            for (QVariantMap* row : { &name, &detail }) {
                DictionaryHelpers::setInt(*row, int(section), BW_ROW_ID_INT);
                DictionaryHelpers::setInt(*row, i, BW_ROW_INFO_INT);
            }
            name.insert(BW_ROW__AUTO_TEXT_STRING, track.data(TrackModel::NameRole).toString());
            DictionaryHelpers::setInt(name,
                                      track.data(TrackModel::SelectedRole).toBool() ? TableViewCell::AccessoryCheckmark
                                                                                    : TableViewCell::AccessoryNone,
                                      BW_ROW_AUTO_ACCESSORY_STYLE_INT);
            detail.insert(BW_ROW__AUTO_TEXT_STRING, track.data(TrackModel::DetailsRole).toString());
            structure.addRow(name);
            structure.addRow(detail);
        }
    }
    setTableStructure(structure);
}

void TrackViewController::viewWillAppear(bool animated)
{
    StyledTableViewController::viewWillAppear(animated);
    rebuild();
    if (const std::shared_ptr<VLCController> remote = m_session.remote())
        remote->updateStatus();
}

void TrackViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    const QVariantMap row = tableStructure()->itemAtIndexPath(indexPath).toMap();
    m_tracks.select(DictionaryHelpers::intForKey(row, BW_ROW_INFO_INT));
    table->deselectRowAtIndexPath(indexPath, true);
}
