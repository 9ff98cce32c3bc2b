#include "models/ChoiceRows.h"

ChoiceRows::ChoiceRows(QAbstractItemModel* source, int markedRole, int sectionRole, int detailsRole,
                       const QString& fixedSection, QObject* parent)
    : QIdentityProxyModel(parent)
    , m_markedRole(markedRole)
    , m_sectionRole(sectionRole)
    , m_detailsRole(detailsRole)
    , m_fixedSection(fixedSection)
{
    setSourceModel(source);
    const auto check = [this] { checkMarks(); };
    connect(this, &QAbstractItemModel::modelReset, this, check);
    connect(this, &QAbstractItemModel::rowsInserted, this, check);
    connect(this, &QAbstractItemModel::rowsRemoved, this, check);
    connect(this, &QAbstractItemModel::layoutChanged, this, check);
    connect(this, &QAbstractItemModel::dataChanged, this, check);
    checkMarks();
}

void ChoiceRows::checkMarks()
{
    bool any = false;
    for (int row = 0; row < rowCount() && !any; ++row)
        any = index(row, 0).data(MarkedRole).toBool();
    if (any == m_anyMarked)
        return;
    m_anyMarked = any;
    emit anyMarkedChanged();
}

QVariant ChoiceRows::data(const QModelIndex& index, int role) const
{
    const QModelIndex source = mapToSource(index);
    switch (role) {
    case NameRole: return source.data(Qt::DisplayRole).toString();
    case DetailsRole: return m_detailsRole < 0 ? QString() : source.data(m_detailsRole).toString();
    case MarkedRole: return source.data(m_markedRole).toBool();
    case SectionRole: return m_sectionRole < 0 ? m_fixedSection : source.data(m_sectionRole).toString();
    default: return QIdentityProxyModel::data(index, role);
    }
}

QHash<int, QByteArray> ChoiceRows::roleNames() const
{
    return { { NameRole, "name" }, { DetailsRole, "details" }, { MarkedRole, "marked" }, { SectionRole, "section" } };
}

void ChoiceRows::select(int row)
{
    if (row >= 0 && row < rowCount())
        QMetaObject::invokeMethod(sourceModel(), "select", Q_ARG(int, row));
}
