#pragma once

#include <QIdentityProxyModel>
#include <QString>
#include <QtQml/qqmlregistration.h>

// A list of the player's choices (tracks, aspect ratios, titles and
// chapters) under the same role names, so that one page lists any of
// them: name, details, marked (the one in force) and section. Choosing a
// row calls the source's select(row).
class ChoiceRows : public QIdentityProxyModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The lists are made by the program")
    // Some row is marked as the one in force.
    Q_PROPERTY(bool anyMarked READ anyMarked NOTIFY anyMarkedChanged)
public:
    enum Role {
        NameRole = Qt::UserRole + 1,
        DetailsRole,
        MarkedRole,
        SectionRole,
    };

    // markedRole: the source's role of the one in force; sectionRole and
    // detailsRole: the source's, or -1 (then section is fixedSection).
    ChoiceRows(QAbstractItemModel* source, int markedRole, int sectionRole, int detailsRole,
               const QString& fixedSection = QString(), QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE void select(int row);
    bool anyMarked() const { return m_anyMarked; }

signals:
    void anyMarkedChanged();

private:
    void checkMarks();

    bool m_anyMarked = false;
    int m_markedRole;
    int m_sectionRole;
    int m_detailsRole;
    QString m_fixedSection;
};
