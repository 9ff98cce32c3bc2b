#include "models/NewsModel.h"

#include "core/ConsoleLog.h"
#include "core/HomePaths.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "models/Navigator.h"

#include <QFile>

namespace {
// Fills the two %@ of the template in one pass, so that a title holding
// "%@" cannot pull the content into itself.
QString fillTemplate(const QString& pattern, const QStringList& values)
{
    const QStringList parts = pattern.split(QStringLiteral("%@"));
    QString out = parts.value(0);
    for (qsizetype i = 1; i < parts.size(); ++i)
        out += values.value(i - 1) + parts[i];
    return out;
}
}

NewsModel::NewsModel(const AppContext& context, const QString& propertyFile, const QString& feedTemplate,
                     const QString& templateDirectory, QObject* parent)
    : QAbstractListModel(parent)
    , m_context(context)
    , m_propertyFile(propertyFile)
    , m_feedTemplate(feedTemplate)
    , m_templateDirectory(templateDirectory)
    , m_feedList(NewsFeedList::load(context.defaults, HomePaths::bundle() + u'/' + propertyFile))
{
    rebuildRows();
}

NewsModel::~NewsModel() = default;

template <typename Change>
void NewsModel::changing(Change change)
{
    const bool unread = hasUnread();
    const bool loading = isLoading();
    const bool configured = isConfigured();
    change();
    if (unread != hasUnread())
        emit hasUnreadChanged();
    if (loading != isLoading())
        emit loadingChanged();
    if (configured != isConfigured())
        emit configuredChanged();
}

// --- Loading -------------------------------------------------------------------

void NewsModel::refresh()
{
    for (const RssParser* parser : std::as_const(m_feeds))
        if (parser->isLoading())
            return;
    changing([this] {
        // The list is read again: a news site configured since takes effect.
        m_feedList = NewsFeedList::load(m_context.defaults, HomePaths::bundle() + u'/' + m_propertyFile);
        // Earlier loads go: each section shows the latest load of its feed.
        dropParsers();
        m_waitingFeeds = int(m_feedList.size());
        for (int i = 0; i < m_feedList.size(); ++i) {
            auto* parser = new RssParser(i, this);
            connect(parser, &RssParser::completed, this, &NewsModel::loaded);
            m_feeds.append(parser);
            parser->parse(m_feedList[i].address, m_context.network);
        }
        rebuildRows();
    });
}

void NewsModel::reloadAll()
{
    changing([this] {
        dropParsers();
        m_read.clear();
        rebuildRows();
    });
    refresh();
}

void NewsModel::dropParsers()
{
    // Later, not now: this may run inside a parser's own completion.
    for (RssParser* parser : std::as_const(m_feeds)) {
        parser->disconnect(this);
        parser->deleteLater();
    }
    m_feeds.clear();
}

void NewsModel::loaded(RssParser* parser)
{
    changing([this, parser] {
        m_read[parser->getId()] = {};
        --m_waitingFeeds;
        ConsoleLog::log(logModels, QStringLiteral("Load: %d, Success: %d, Count: %d"), int(parser->isLoading()),
                        int(parser->isSuccessful()), int(parser->getItems().size()));
        if (parser->isSuccessful()) {
            if (!m_mostRecentItem.isValid())
                m_mostRecentItem = RssParser::distantPast();
            if (parser->mostRecentItem().isValid() && parser->mostRecentItem() > m_mostRecentItem)
                m_mostRecentItem = parser->mostRecentItem();
            if (m_shown)
                readNews();
        }
        rebuildRows();
    });
    if (parser->isSuccessful())
        emit newsUpdateProcessed();
}

void NewsModel::rebuildRows()
{
    beginResetModel();
    m_rows.clear();
    for (int feed = 0; feed < m_feedList.size(); ++feed) {
        const RssParser* parser = feed < m_feeds.size() ? m_feeds[feed] : nullptr;
        const int items = parser ? int(parser->getItems().size()) : 0;
        if (items == 0)
            m_rows.push_back({ feed, -1 });
        for (int item = 0; item < items; ++item)
            m_rows.push_back({ feed, item });
    }
    endResetModel();
}

// --- What is new ---------------------------------------------------------------

QDateTime NewsModel::mostRecentReadItem() const
{
    const QVariant stored = m_context.defaults.objectForKey(PreferenceKeys::newsMostRecentReadItem);
    const QDateTime date = stored.typeId() == QMetaType::QDateTime
        ? stored.toDateTime()
        : QDateTime::fromString(stored.toString(), Qt::ISODateWithMs);
    return date.isValid() ? date : RssParser::distantPast();
}

bool NewsModel::hasUnread() const
{
    return m_mostRecentItem.isValid() && mostRecentReadItem() < m_mostRecentItem;
}

void NewsModel::readNews()
{
    if (hasUnread())
        m_context.defaults.setObject(PreferenceKeys::newsMostRecentReadItem,
                                     m_mostRecentItem.toUTC().toString(Qt::ISODateWithMs));
}

void NewsModel::setShown(bool shown)
{
    if (shown == m_shown)
        return;
    changing([this, shown] {
        m_shown = shown;
        if (shown)
            readNews();
    });
    emit shownChanged();
}

// --- Rows and pages -------------------------------------------------------------------

const RssItem* NewsModel::itemAt(int row) const
{
    if (row < 0 || size_t(row) >= m_rows.size() || m_rows[size_t(row)].item < 0)
        return nullptr;
    const Row& r = m_rows[size_t(row)];
    return &m_feeds[r.feed]->getItems()[r.item];
}

int NewsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant NewsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row& row = m_rows[size_t(index.row())];
    const RssItem* item = itemAt(index.row());
    const RssParser* parser = row.feed < m_feeds.size() ? m_feeds[row.feed] : nullptr;
    switch (role) {
    case Qt::DisplayRole:
    case TitleRole:
        if (item)
            return item->value(QStringLiteral("title"));
        return !parser || parser->isLoading() ? updatingText : notAvailableText;
    case DateRole: return item ? item->value(QStringLiteral("pubDate")) : QString();
    case SectionRole: return m_feedList[row.feed].name;
    case ReadRole: return item && m_read.value(row.feed).contains(row.item);
    case PlaceholderRole: return !item;
    case FeedRole: return row.feed;
    default: return {};
    }
}

QHash<int, QByteArray> NewsModel::roleNames() const
{
    return { { Qt::DisplayRole, "display" }, { TitleRole, "title" }, { DateRole, "date" },
             { SectionRole, "section" },     { ReadRole, "read" },   { PlaceholderRole, "placeholder" },
             { FeedRole, "feed" } };
}

QString NewsModel::itemPage(int row) const
{
    const RssItem* item = itemAt(row);
    if (!item)
        return QString();
    QFile file(HomePaths::bundle() + u'/' + m_templateDirectory + u'/' + m_feedTemplate + QStringLiteral(".htm"));
    QString pattern;
    if (file.open(QIODevice::ReadOnly))
        pattern = QString::fromUtf8(file.readAll());
    if (!pattern.contains(QStringLiteral("%@"))) {
        ConsoleLog::log(logModels, QStringLiteral("the news item template %@ is missing"), file.fileName());
        pattern = QStringLiteral("<html><body><h2>%@</h2>%@</body></html>");
    }
    // The title is text; the content is the feed's HTML. A feed without
    // full content gives its description, which is HTML too.
    QString content = item->value(QStringLiteral("content:encoded"));
    if (content.isEmpty())
        content = item->value(QStringLiteral("description"));
    return fillTemplate(pattern, { item->value(QStringLiteral("title")).toHtmlEscaped(), content });
}

void NewsModel::open(int row)
{
    const QString page = itemPage(row);
    if (page.isEmpty())
        return;
    const Row& r = m_rows[size_t(row)];
    m_read[r.feed].insert(r.item);
    emit dataChanged(index(row), index(row), { ReadRole });
    m_context.navigator.showNewsItem(page);
}
