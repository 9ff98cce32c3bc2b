#pragma once

#include "vlc/ChapterTitleReader.h"

#include <QAbstractListModel>
#include <QTimer>

#include <memory>
#include <vector>

class VLCController;

// The titles, then the chapters, of what plays (a section each), with the
// ones in force marked; choosing a row plays it. While active, VLC is asked
// again every second (VLC 3 tells them only in its JSON status, which the
// reader fetches beside the remote's channel).
class ChapterTitleModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(bool active READ isActive WRITE setActive NOTIFY activeChanged)
public:
    enum class Kind { Title, Chapter };
    Q_ENUM(Kind)
    enum Role {
        NameRole = Qt::UserRole + 1, // as the display role
        NumberRole,                  // what the title or chapter command sends
        CurrentRole,
        KindRole,
        SectionRole,
    };
    Q_ENUM(Role)
    static constexpr int refreshIntervalMs = 1000;

    explicit ChapterTitleModel(QObject* parent = nullptr);
    ~ChapterTitleModel() override;

    void setRemote(const std::shared_ptr<VLCController>& remote);
    bool isActive() const { return m_timer.isActive(); }
    // Active: asks at once, then every second.
    void setActive(bool active);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE void select(int row);
    // Asks VLC again; what it says arrives by itself.
    Q_INVOKABLE void refresh();

signals:
    void activeChanged();

private:
    struct Row {
        Kind kind = Kind::Title;
        QString name;
        int number = 0;
        bool current = false;
        bool operator==(const Row&) const = default;
    };
    std::vector<Row> readRows() const;
    void reread();

    std::shared_ptr<VLCController> m_remote;
    ChapterTitleReader m_reader;
    QTimer m_timer;
    std::vector<Row> m_rows;
};
