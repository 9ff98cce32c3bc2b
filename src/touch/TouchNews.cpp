#include "touch/TouchNews.h"

#include "models/NewsModel.h"

TouchNews::TouchNews(const AppContext& context, QObject* parent)
    : QObject(parent)
    , m_model(new NewsModel(context, QStringLiteral("newsFeed.plist"), QStringLiteral("feedTemplate"),
                            QStringLiteral("VLC"), this))
{
    connect(m_model, &NewsModel::loadingChanged, this, &TouchNews::changed);
    connect(m_model, &NewsModel::configuredChanged, this, &TouchNews::changed);
    connect(m_model, &NewsModel::hasUnreadChanged, this, &TouchNews::changed);
}

QObject* TouchNews::list() const
{
    return m_model;
}

bool TouchNews::isLoading() const
{
    return m_model->isLoading();
}

bool TouchNews::isConfigured() const
{
    return m_model->isConfigured();
}

bool TouchNews::hasUnread() const
{
    return m_model->hasUnread();
}

void TouchNews::setShown(bool shown)
{
    if (shown && m_needsRefresh) {
        m_needsRefresh = false;
        m_model->refresh();
    }
    m_model->setShown(shown);
}

void TouchNews::reloadAll()
{
    m_model->reloadAll();
}

void TouchNews::open(int row)
{
    m_model->open(row);
}
