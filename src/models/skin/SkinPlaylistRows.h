#pragma once

#include <QAbstractListModel>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

// The rows of a skin's playlist table: the playlist's titles, the row that
// plays marked, and one placeholder row "(Playlist Empty)" while there is
// no item. The titles come from the playlist model's "title" role, or its
// display role when it has none.
class SkinPlaylistRows : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The rows belong to a SkinScene")
public:
    enum Role { TitleRole = Qt::UserRole + 1, PlayingRole, PlaceholderRole };

    explicit SkinPlaylistRows(QObject* parent = nullptr);

    QAbstractItemModel* source() const { return m_source; }
    void setSource(QAbstractItemModel* source);
    // The playing row, -1 for none.
    void setCurrentRow(int row);
    bool isEmpty() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    int sourceRows() const;
    int titleRole() const;
    void connectSource();

    QPointer<QAbstractItemModel> m_source;
    int m_currentRow = -1;
    // Whether the placeholder shows; a change swaps the whole model.
    bool m_wasEmpty = true;
};
