#pragma once

#include "models/AppContext.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

class NewsModel;

// The news screen over the news model: the
// items of each feed (bold until opened), a feed's state while it loads or
// when it failed, and whether anything is newer than what the user saw, for
// the news buttons' badges. The first showing loads the feeds.
class NewsScreen : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The news is made by the program")
    // A NewsModel.
    Q_PROPERTY(QObject* list READ list CONSTANT)
    Q_PROPERTY(bool loading READ isLoading NOTIFY changed)
    Q_PROPERTY(bool configured READ isConfigured NOTIFY changed)
    Q_PROPERTY(bool unread READ hasUnread NOTIFY changed)
public:
    explicit NewsScreen(const AppContext& context, QObject* parent = nullptr);

    QObject* list() const;
    NewsModel& model() const { return *m_model; }
    bool isLoading() const;
    bool isConfigured() const;
    bool hasUnread() const;

    // The screen shows or goes: the first showing loads, and while it
    // shows what arrives has been seen.
    Q_INVOKABLE void setShown(bool shown);
    // The bar's refresh: forgets the items shown and the read marks, then loads.
    Q_INVOKABLE void reloadAll();
    // A row's item page, in the web viewer; the row is then read.
    Q_INVOKABLE void open(int row);

signals:
    void changed();

private:
    NewsModel* m_model; // child
    bool m_needsRefresh = true;
};
