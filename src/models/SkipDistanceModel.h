#pragma once

#include <QAbstractListModel>

class UserDefaults;

// The skip distances offered, each with its words and whether it is the
// one chosen; choosing one keeps it and its words in the preferences.
class SkipDistanceModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        TextRole = Qt::UserRole + 1, // as the display role
        DistanceRole,                // in seconds
        ChosenRole,
    };

    explicit SkipDistanceModel(UserDefaults& defaults, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE void choose(int row);

private:
    UserDefaults& m_defaults;
};
