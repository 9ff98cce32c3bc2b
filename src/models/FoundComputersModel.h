#pragma once

#include <QSortFilterProxyModel>

#include <memory>

class RemotesModel;
class VLCController;

// The found computers of the remotes list alone, as the chooser of the
// configuration form lists them: each with a short "VLC" mark beside its
// name when VLC answers there.
class FoundComputersModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    enum Role {
        MarkRole = Qt::UserRole + 100,
    };

    explicit FoundComputersModel(RemotesModel& remotes, QObject* parent = nullptr);

    std::shared_ptr<VLCController> remoteAt(int row) const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    RemotesModel& m_remotes;
};
