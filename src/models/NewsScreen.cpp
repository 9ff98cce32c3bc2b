#include "models/NewsScreen.h"

#include "models/NewsModel.h"

NewsScreen::NewsScreen(const AppContext& context, QObject* parent)
    : QObject(parent)
    , m_model(new NewsModel(context, QStringLiteral("newsFeed.plist"), QStringLiteral("feedTemplate"),
                            QStringLiteral("VLC"), this))
{
    connect(m_model, &NewsModel::loadingChanged, this, &NewsScreen::changed);
    connect(m_model, &NewsModel::configuredChanged, this, &NewsScreen::changed);
    connect(m_model, &NewsModel::hasUnreadChanged, this, &NewsScreen::changed);
}

QObject* NewsScreen::list() const
{
    return m_model;
}

bool NewsScreen::isLoading() const
{
    return m_model->isLoading();
}

bool NewsScreen::isConfigured() const
{
    return m_model->isConfigured();
}

bool NewsScreen::hasUnread() const
{
    return m_model->hasUnread();
}

void NewsScreen::setShown(bool shown)
{
    if (shown && m_needsRefresh) {
        m_needsRefresh = false;
        m_model->refresh();
    }
    m_model->setShown(shown);
}

void NewsScreen::reloadAll()
{
    m_model->reloadAll();
}

void NewsScreen::open(int row)
{
    m_model->open(row);
}
