#pragma once

#include "vlc/AspectRatioList.h"

#include <QAbstractListModel>

#include <memory>

class VLCController;

// The aspect ratios the remote offers, the one in force marked; choosing a
// row sets it.
class AspectRatioModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        NameRole = Qt::UserRole + 1, // as the display role
        ValueRole,                   // what the command sends ("" for VLC 3's Default)
        CurrentRole,
    };
    Q_ENUM(Role)

    explicit AspectRatioModel(QObject* parent = nullptr);
    ~AspectRatioModel() override;

    void setRemote(const std::shared_ptr<VLCController>& remote);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE void select(int row);

private:
    AspectRatioList readRatios() const;
    void refresh();

    std::shared_ptr<VLCController> m_remote;
    AspectRatioList m_ratios;
};
