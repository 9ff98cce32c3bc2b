#pragma once

#include "models/AppContext.h"
#include "models/TableStructureModel.h"

// The settings, as every front end lists them: help pages, the preferences
// (each toggle with its state), writing to the maker, the device's address
// and the program's version. Choosing a row switches its preference or asks
// the navigator for the screen it leads to.
class SettingsModel : public TableStructureModel {
    Q_OBJECT
public:
    enum Row {
        AboutRow = 0,
        DoubleVolRow = 2,
        SkinRow = 3,
        SkipDistanceRow = 4,
        CreditsRow = 9,
        IpRow = 10,
        VersionRow = 11,
        BuildRow = 12,
        FeedbackRow = 13,
        TellAFriendRow = 14,
        PlayFoldersRow = 15,
        LockRotationRow = 16,
        OnlyShowMediaRow = 17,
        HelpRow = 19,
        WhatsNewRow = 20,
        SetupRow = 21,
        NewsletterRow = 22,
        DisableSleepRow = 23,
        SlideSkinRow = 24,
    };
    enum ExtraRole {
        CheckedRole = Qt::UserRole + 50, // a toggle that is on
        MoreRole,                        // the row leads to another screen
        CaptionRole,                     // a short grey caption that does nothing
    };

    // version: the program's, for its row.
    SettingsModel(const AppContext& context, const QString& version, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // The row chosen; orientation: the interface orientation the rotation
    // lock keeps (an InterfaceOrientation code).
    Q_INVOKABLE void activate(int row, int orientation = 1);
    // The rows' texts again (a skin or skip distance chosen meanwhile).
    Q_INVOKABLE void refresh();

    // What the two mails of the settings say.
    static QString feedbackSubject();
    static QString tellAFriendSubject();
    static QString tellAFriendBody();

signals:
    void rotationLockChanged();
    void keepAwakeChanged();
    void skinSlidingChanged();

private:
    QString textOf(int rowId) const;
    void toggle(const QString& key);

    AppContext m_context;
    QString m_version;
};
