#pragma once

#include "vlc/TrackSelection.h"

#include <QAbstractListModel>

#include <memory>
#include <vector>

class VLCController;

// The audio, video or subtitle tracks of what plays, one kind or several
// (each a section), in the order of the streams in the file, "None" first,
// with the track in force marked. Choosing a row selects its track.
class TrackModel : public QAbstractListModel {
    Q_OBJECT
public:
    using Kind = TrackSelection::Kind;
    enum Role {
        NameRole = Qt::UserRole + 1, // as the display role
        DetailsRole,                 // the stream's other details, "name: value" each
        SelectedRole,
        KindRole,    // a TrackSelection::Kind
        SectionRole, // the kind's heading
        StreamIdRole,
        IndexRole, // in the remote's list of the kind, as the track commands take it
    };
    Q_ENUM(Role)

    explicit TrackModel(std::vector<Kind> kinds, QObject* parent = nullptr);
    ~TrackModel() override;

    void setRemote(const std::shared_ptr<VLCController>& remote);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE void select(int row);

    static QString sectionTitle(Kind kind);

private:
    struct Row {
        Kind kind = Kind::Audio;
        int index = 0; // in the remote's list of that kind
        QString streamId;
        QString name;
        QString details;
        bool selected = false;
        bool operator==(const Row&) const = default;
    };
    std::vector<Row> readRows() const;
    void refresh();

    std::vector<Kind> m_kinds;
    std::shared_ptr<VLCController> m_remote;
    std::vector<Row> m_rows;
};
