#include "models/TrackModel.h"

#include "core/Localization.h"
#include "core/TextFormat.h"
#include "vlc/VLCController.h"

#include <algorithm>

namespace {
// The placeholder that stands for no track.
const QString noTrackId = QStringLiteral("-1");

const TrackList& tracksOf(const VLCController& remote, TrackSelection::Kind kind)
{
    const PlayerState& state = remote.state();
    switch (kind) {
    case TrackSelection::Audio: return state.audioTracks();
    case TrackSelection::Video: return state.videoTracks();
    case TrackSelection::Subtitle: break;
    }
    return state.subtitleTracks();
}

QString nameOf(const TrackRecord& record, TrackSelection::Kind kind, int index)
{
    if (record.value(u"streamId") == noTrackId)
        return localizedString("None");
    const QString* language = record.find(u"Language");
    switch (kind) {
    case TrackSelection::Video:
        return fmt(localizedString("Track %d"), index);
    case TrackSelection::Audio:
        return language ? *language : localizedString("Unspecified language");
    case TrackSelection::Subtitle:
        break;
    }
    const QString* description = record.find(u"Description");
    if (description && language)
        return fmt(QStringLiteral("%@ %@"), *description, *language);
    if (description || language)
        return description ? *description : *language;
    return fmt(QStringLiteral("( %@ )"), localizedString("Unnamed"));
}

// The entries the name is made of (a video track is named by its place).
bool namedBy(QStringView key, TrackSelection::Kind kind)
{
    switch (kind) {
    case TrackSelection::Video: return false;
    case TrackSelection::Audio: return key == u"Language";
    case TrackSelection::Subtitle: break;
    }
    return key == u"Language" || key == u"Description";
}

// Every other entry, "name: value", one after the other.
QString detailsOf(const TrackRecord& record, TrackSelection::Kind kind)
{
    QStringList details;
    for (const auto& [key, value] : record)
        if (key != u"streamId" && !namedBy(key, kind))
            details << fmt(QStringLiteral("%@: %@"), key, value);
    return details.join(QStringLiteral(", "));
}
}

TrackModel::TrackModel(std::vector<Kind> kinds, QObject* parent)
    : QAbstractListModel(parent)
    , m_kinds(std::move(kinds))
{
}

TrackModel::~TrackModel() = default;

QString TrackModel::sectionTitle(Kind kind)
{
    switch (kind) {
    case TrackSelection::Audio: return localizedString("Audio");
    case TrackSelection::Video: return localizedString("Video");
    case TrackSelection::Subtitle: break;
    }
    return localizedString("Subtitles");
}

void TrackModel::setRemote(const std::shared_ptr<VLCController>& remote)
{
    if (remote == m_remote)
        return;
    if (m_remote)
        disconnect(m_remote.get(), nullptr, this, nullptr);
    beginResetModel();
    m_remote = remote;
    m_rows = readRows();
    endResetModel();
    if (remote)
        connect(remote.get(), &VLCController::statusChanged, this, &TrackModel::refresh);
}

std::vector<TrackModel::Row> TrackModel::readRows() const
{
    std::vector<Row> rows;
    if (!m_remote)
        return rows;
    TrackSelection& selection = TrackSelection::of(*m_remote);
    for (const Kind kind : m_kinds) {
        const TrackList& tracks = tracksOf(*m_remote, kind);
        const int current = selection.current(kind);
        for (const int i : selection.inStreamOrder(kind)) {
            const TrackRecord& record = tracks[size_t(i)];
            rows.push_back({ kind, i, record.value(u"streamId"), nameOf(record, kind, i), detailsOf(record, kind), i == current });
        }
    }
    return rows;
}

void TrackModel::refresh()
{
    std::vector<Row> rows = readRows();
    if (rows == m_rows)
        return;
    const bool sameTracks = rows.size() == m_rows.size()
        && std::equal(rows.begin(), rows.end(), m_rows.begin(), [](const Row& a, const Row& b) {
               return a.kind == b.kind && a.index == b.index && a.streamId == b.streamId;
           });
    if (sameTracks) {
        m_rows = std::move(rows);
        emit dataChanged(index(0), index(rowCount() - 1));
        return;
    }
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int TrackModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant TrackModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row& row = m_rows[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case NameRole: return row.name;
    case DetailsRole: return row.details;
    case SelectedRole: return row.selected;
    case KindRole: return int(row.kind);
    case SectionRole: return sectionTitle(row.kind);
    case StreamIdRole: return row.streamId;
    case IndexRole: return row.index;
    default: return {};
    }
}

QHash<int, QByteArray> TrackModel::roleNames() const
{
    return { { Qt::DisplayRole, "display" }, { NameRole, "name" },       { DetailsRole, "details" },
             { SelectedRole, "selected" },   { KindRole, "kind" },       { SectionRole, "section" },
             { StreamIdRole, "streamId" },   { IndexRole, "index" } };
}

void TrackModel::select(int row)
{
    if (!m_remote || row < 0 || size_t(row) >= m_rows.size())
        return;
    TrackSelection::of(*m_remote).select(m_rows[size_t(row)].kind, m_rows[size_t(row)].index);
    m_remote->updateStatus();
    // The choice is what marks the track on VLC 3: show it now.
    refresh();
}
