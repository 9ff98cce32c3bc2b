#pragma once

#include "models/AppContext.h"
#include "screens/Common/StyledTableViewController.h"

#include <QUrl>

// The settings: help pages, the preferences, writing to the maker, and the
// device's address and the program's version.
class FlipsideViewController : public StyledTableViewController {
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

    explicit FlipsideViewController(const AppContext& context, QWidget* parent = nullptr);

    TableViewCell* cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;

    // The two mails the screen composes, as the mail program gets them.
    static QUrl feedbackMail();
    static QUrl tellAFriendMail();
signals:
    // The rotation lock was switched; the window keeps its shape from now.
    void rotationLockChanged();
    // "Disable Screen-Off" was switched.
    void keepAwakeChanged();
    // "Slide skin views" was switched: the remote screen builds its skin
    // again, with or without sliding, at its next showing.
    void skinSlidingChanged();

protected:
    void initialiseStructure() override;
    void viewDidAppear(bool animated) override;

private:
    void toggle(const QString& key);
    static QString feedbackSubject();
    static QString tellAFriendSubject();
    static QString tellAFriendBody();
    // The device's address, or the localised word for none.
    static QString wifiIPText();

    AppContext m_context;
};
