#include "models/SkipDistanceModel.h"

#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "models/SkipDistances.h"

SkipDistanceModel::SkipDistanceModel(UserDefaults& defaults, QObject* parent)
    : QAbstractListModel(parent)
    , m_defaults(defaults)
{
}

int SkipDistanceModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(SkipDistances::offered().size());
}

QVariant SkipDistanceModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int distance = SkipDistances::offered()[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case TextRole: return SkipDistances::wordForDistance(distance);
    case DistanceRole: return distance;
    case ChosenRole: return distance == m_defaults.integerForKey(PreferenceKeys::skipDistance);
    default: return {};
    }
}

QHash<int, QByteArray> SkipDistanceModel::roleNames() const
{
    return { { Qt::DisplayRole, "display" }, { TextRole, "word" }, { DistanceRole, "distance" }, { ChosenRole, "chosen" } };
}

void SkipDistanceModel::choose(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    const int distance = SkipDistances::offered()[size_t(row)];
    m_defaults.setInteger(PreferenceKeys::skipDistance, distance);
    // The words as chosen, in the reader's language of the moment.
    m_defaults.setObject(PreferenceKeys::skipDistanceWord, SkipDistances::wordForDistance(distance));
    emit dataChanged(index(0), index(rowCount() - 1), { ChosenRole });
}
