#include "models/AspectRatioModel.h"

#include "vlc/VLCController.h"

AspectRatioModel::AspectRatioModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

AspectRatioModel::~AspectRatioModel() = default;

void AspectRatioModel::setRemote(const std::shared_ptr<VLCController>& remote)
{
    if (remote == m_remote)
        return;
    if (m_remote)
        disconnect(m_remote.get(), nullptr, this, nullptr);
    beginResetModel();
    m_remote = remote;
    m_ratios = readRatios();
    endResetModel();
    if (remote)
        connect(remote.get(), &VLCController::statusChanged, this, &AspectRatioModel::refresh);
}

AspectRatioList AspectRatioModel::readRatios() const
{
    return m_remote ? AspectRatioList::forRemote(*m_remote) : AspectRatioList();
}

void AspectRatioModel::refresh()
{
    AspectRatioList ratios = readRatios();
    if (ratios.names == m_ratios.names && ratios.values == m_ratios.values) {
        // The same ratios: at most another one is in force.
        const int before = m_ratios.current;
        m_ratios.current = ratios.current;
        for (const int row : { before, ratios.current })
            if (before != ratios.current && row >= 0 && row < rowCount())
                emit dataChanged(index(row), index(row), { CurrentRole });
        return;
    }
    beginResetModel();
    m_ratios = std::move(ratios);
    endResetModel();
}

int AspectRatioModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_ratios.count();
}

QVariant AspectRatioModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case NameRole: return m_ratios.names[index.row()];
    case ValueRole: return m_ratios.values[index.row()];
    case CurrentRole: return index.row() == m_ratios.current;
    default: return {};
    }
}

QHash<int, QByteArray> AspectRatioModel::roleNames() const
{
    return { { Qt::DisplayRole, "display" }, { NameRole, "name" }, { ValueRole, "value" }, { CurrentRole, "current" } };
}

void AspectRatioModel::select(int row)
{
    if (!m_remote || row < 0 || row >= rowCount())
        return;
    m_remote->setAspectRatio(m_ratios.values[row]);
    m_remote->updateStatus();
}
