#include "models/ChapterTitleModel.h"

#include "core/Localization.h"
#include "vlc/VLCController.h"

ChapterTitleModel::ChapterTitleModel(QObject* parent)
    : QAbstractListModel(parent)
{
    m_timer.setInterval(refreshIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &ChapterTitleModel::refresh);
    connect(&m_reader, &ChapterTitleReader::changed, this, &ChapterTitleModel::reread);
}

ChapterTitleModel::~ChapterTitleModel() = default;

void ChapterTitleModel::setRemote(const std::shared_ptr<VLCController>& remote)
{
    if (remote == m_remote)
        return;
    if (m_remote)
        disconnect(m_remote.get(), nullptr, this, nullptr);
    beginResetModel();
    m_remote = remote;
    m_reader.clear();
    m_rows = readRows();
    endResetModel();
    if (remote)
        connect(remote.get(), &VLCController::statusChanged, this, &ChapterTitleModel::reread);
}

void ChapterTitleModel::setActive(bool active)
{
    if (active == isActive())
        return;
    if (active) {
        m_timer.start();
        refresh(); // the list at once, not a second later
    } else {
        m_timer.stop();
    }
    emit activeChanged();
}

void ChapterTitleModel::refresh()
{
    if (!m_remote)
        return;
    m_remote->updateStatus();
    m_reader.refresh(*m_remote);
}

std::vector<ChapterTitleModel::Row> ChapterTitleModel::readRows() const
{
    std::vector<Row> rows;
    if (!m_remote)
        return rows;
    const ChapterTitleInfo info = m_reader.info(*m_remote);
    auto add = [&rows](Kind kind, const std::vector<ChapterTitleInfo::Entry>& entries, int current) {
        for (size_t i = 0; i < entries.size(); ++i)
            rows.push_back({ kind, entries[i].name, entries[i].number, int(i) == current });
    };
    add(Kind::Title, info.titles, info.currentTitle);
    add(Kind::Chapter, info.chapters, info.currentChapter);
    return rows;
}

void ChapterTitleModel::reread()
{
    std::vector<Row> rows = readRows();
    if (rows == m_rows)
        return;
    const bool sameEntries = rows.size() == m_rows.size()
        && std::equal(rows.begin(), rows.end(), m_rows.begin(), [](const Row& a, const Row& b) {
               return a.kind == b.kind && a.number == b.number && a.name == b.name;
           });
    if (sameEntries) {
        m_rows = std::move(rows);
        emit dataChanged(index(0), index(rowCount() - 1), { CurrentRole });
        return;
    }
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int ChapterTitleModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant ChapterTitleModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row& row = m_rows[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case NameRole: return row.name;
    case NumberRole: return row.number;
    case CurrentRole: return row.current;
    case KindRole: return QVariant::fromValue(row.kind);
    case SectionRole: return row.kind == Kind::Title ? localizedString("Title") : localizedString("Chapter");
    default: return {};
    }
}

QHash<int, QByteArray> ChapterTitleModel::roleNames() const
{
    return { { Qt::DisplayRole, "display" }, { NameRole, "name" }, { NumberRole, "number" },
             { CurrentRole, "current" },     { KindRole, "kind" }, { SectionRole, "section" } };
}

void ChapterTitleModel::select(int row)
{
    if (!m_remote || row < 0 || size_t(row) >= m_rows.size())
        return;
    const Row& chosen = m_rows[size_t(row)];
    if (chosen.kind == Kind::Title)
        m_remote->playTitle(chosen.number);
    else
        m_remote->playChapter(chosen.number);
}
