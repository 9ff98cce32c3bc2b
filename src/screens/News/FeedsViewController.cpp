#include "screens/News/FeedsViewController.h"

#include "core/ConsoleLog.h"
#include "core/HomePaths.h"
#include "core/Localization.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "screens/News/FastFeedCell.h"
#include "screens/WebView/WebViewController.h"
#include "ui/BarButtonItem.h"
#include "ui/BWNavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/TableView.h"
#include "ui/UiPalette.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace {
const QString cellIdentifier = QStringLiteral("feedsListViewCell");
constexpr int emptyRowHeight = 48;
constexpr int titleAllowance = 24;

QColor listBackground()
{
    return QColor::fromRgbF(0.14f, 0.14f, 0.14f);
}

// The bar's refresh button: a circling arrow, dimmed while a load runs.
QPixmap refreshArrow(const QColor& colour)
{
    QPixmap image(44, 44);
    image.setDevicePixelRatio(2);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(5, 5, 12, 12), 100 * 16, 290 * 16);
    QPainterPath head;
    head.moveTo(11.5, 1.5);
    head.lineTo(16.0, 5.0);
    head.lineTo(11.5, 8.5);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(head);
    return image;
}

QIcon refreshIcon()
{
    QIcon icon(refreshArrow(Qt::white));
    icon.addPixmap(refreshArrow(QColor(255, 255, 255, 90)), QIcon::Disabled);
    return icon;
}

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

FeedsViewController::FeedsViewController(const QString& title, const QString& navigationTitle,
                                         const QString& propertyFile, const QString& feedTemplate,
                                         const QString& templateDirectory, QNetworkAccessManager* network,
                                         QWidget* parent)
    : ViewController(parent)
    , m_network(network ? network : new QNetworkAccessManager(this))
    , m_propertyFile(propertyFile)
    , m_feedTemplate(feedTemplate)
    , m_feedTemplateDirectory(templateDirectory)
{
    setTitle(navigationTitle);
    setBackButtonTitle(title);
    m_feedList = NewsFeedList::load(HomePaths::bundle() + u'/' + m_propertyFile);
    m_waitingFeeds = int(m_feedList.size());
    m_refreshButton = new BarButtonItem(refreshIcon(), BarButtonItem::Bordered, this);
    m_refreshButton->setToolTip(localizedString("Reload the news"));
    connect(m_refreshButton, &BarButtonItem::triggered, this, &FeedsViewController::refreshFeeds);
    navigationItem()->setRightBarButtonItem(m_refreshButton);
}

FeedsViewController::~FeedsViewController()
{
    if (m_tableView) {
        m_tableView->setDataSource(nullptr);
        m_tableView->setDelegate(nullptr);
    }
    if (m_itemPage && !m_itemPage->parent())
        delete m_itemPage;
}

void FeedsViewController::viewDidLoad()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tableView = new TableView(TableView::StylePlain, this);
    m_tableView->setSeparatorStyle(TableView::SeparatorStyleSingleLine);
    QPalette colours = m_tableView->palette();
    colours.setColor(QPalette::Window, listBackground());
    colours.setColor(QPalette::Base, listBackground());
    m_tableView->setPalette(colours);
    m_tableView->setDataSource(this);
    m_tableView->setDelegate(this);
    layout->addWidget(m_tableView);

    m_emptyLabel = new QLabel(localizedString("No news feeds are configured"), this);
    m_emptyLabel->setAlignment(Qt::AlignCenter);
    m_emptyLabel->setWordWrap(true);
    m_emptyLabel->setFont(UiPalette::font(17));
    QPalette text = m_emptyLabel->palette();
    text.setColor(QPalette::WindowText, UiPalette::secondaryText());
    m_emptyLabel->setPalette(text);
    showEmptyState();
}

void FeedsViewController::viewDidAppear(bool)
{
    if (m_needsRefresh) {
        m_needsRefresh = false;
        refresh();
    }
    readNews();
}

void FeedsViewController::resizeEvent(QResizeEvent* event)
{
    ViewController::resizeEvent(event);
    if (m_emptyLabel)
        m_emptyLabel->setGeometry(rect().adjusted(24, 0, -24, -rect().height() / 5));
}

void FeedsViewController::didRotateFromInterfaceOrientation(int)
{
    reloadTable();
}

void FeedsViewController::showEmptyState()
{
    if (!m_emptyLabel)
        return;
    m_emptyLabel->setVisible(m_feedList.isEmpty());
    m_emptyLabel->setGeometry(rect().adjusted(24, 0, -24, -rect().height() / 5));
    m_emptyLabel->raise();
}

void FeedsViewController::reloadTable()
{
    if (m_tableView)
        m_tableView->reloadData();
    showEmptyState();
}

// --- Loading -------------------------------------------------------------------

void FeedsViewController::refresh()
{
    for (RssParser* parser : std::as_const(m_feeds))
        if (parser->isLoading())
            return;
    // The list is read again: a news site configured since takes effect.
    m_feedList = NewsFeedList::load(HomePaths::bundle() + u'/' + m_propertyFile);
    // Earlier loads go: each section shows the latest load of its feed.
    dropParsers();
    m_waitingFeeds = int(m_feedList.size());
    m_refreshButton->setEnabled(m_waitingFeeds < 1);
    for (int i = 0; i < m_feedList.size(); ++i) {
        auto* parser = new RssParser(i, this);
        connect(parser, &RssParser::completed, this, &FeedsViewController::refreshTable);
        m_feeds.append(parser);
        parser->parse(m_feedList[i].address, m_network);
    }
    reloadTable();
}

void FeedsViewController::dropParsers()
{
    // Later, not now: this may run inside a parser's own completion.
    for (RssParser* parser : std::as_const(m_feeds)) {
        parser->disconnect(this);
        parser->deleteLater();
    }
    m_feeds.clear();
}

void FeedsViewController::refreshFeeds()
{
    m_refreshButton->setEnabled(false);
    dropParsers();
    m_readStatus.clear();
    m_waitingFeeds = int(m_feedList.size());
    reloadTable();
    refresh();
}

void FeedsViewController::refreshTable(RssParser* parser)
{
    m_readStatus[parser->getId()] = {};
    reloadTable();
    --m_waitingFeeds;
    if (m_waitingFeeds < 1)
        m_refreshButton->setEnabled(true);
    ConsoleLog::log(QStringLiteral("Load: %d, Success: %d, Count: %d"), int(parser->isLoading()),
                    int(parser->isSuccessful()), int(parser->getItems().size()));
    if (!parser->isSuccessful())
        return;
    setMostRecentItem(parser->mostRecentItem());
    // What arrives while the list is on screen has been seen.
    if (isVisibleOnStack())
        readNews();
    NotificationCenter::defaultCenter().post(NotificationNames::newsUpdateProcessed);
}

// --- What is new ---------------------------------------------------------------

QDateTime FeedsViewController::mostRecentReadItem()
{
    const QVariant stored = UserDefaults::standard().objectForKey(PreferenceKeys::newsMostRecentReadItem);
    QDateTime date = stored.typeId() == QMetaType::QDateTime
        ? stored.toDateTime()
        : QDateTime::fromString(stored.toString(), Qt::ISODateWithMs);
    return date.isValid() ? date : RssParser::distantPast();
}

void FeedsViewController::setMostRecentItem(const QDateTime& date)
{
    if (!m_mostRecentItem.isValid())
        m_mostRecentItem = RssParser::distantPast();
    if (date.isValid() && date > m_mostRecentItem)
        m_mostRecentItem = date;
}

bool FeedsViewController::newNewsExists() const
{
    return m_mostRecentItem.isValid() && mostRecentReadItem() < m_mostRecentItem;
}

void FeedsViewController::readNews()
{
    if (!newNewsExists())
        return;
    UserDefaults::standard().setObject(PreferenceKeys::newsMostRecentReadItem,
                                       m_mostRecentItem.toUTC().toString(Qt::ISODateWithMs));
}

void FeedsViewController::positionExclamation(QWidget* exclamation, QWidget* buttonView, QWidget* toolbar)
{
    // In the badge's parent's coordinates, wherever the three live.
    QWidget* parent = exclamation->parentWidget();
    const auto local = [parent](QWidget* widget) {
        return parent ? parent->mapFromGlobal(widget->mapToGlobal(QPoint(0, 0))) : widget->pos();
    };
    // 31 points is the top-right corner of a narrow icon button; a wider
    // text button keeps the badge at its corner rather than over its title.
    const int across = qMax(31, buttonView->width() - exclamation->width() * 2 / 3);
    exclamation->move(local(buttonView).x() + across, local(toolbar).y() + 3);
    exclamation->raise();
}

// --- The list --------------------------------------------------------------------

RssParser* FeedsViewController::parserFor(int section) const
{
    return section >= 0 && section < m_feeds.size() ? m_feeds[section] : nullptr;
}

bool FeedsViewController::hasItems(int section) const
{
    const RssParser* parser = parserFor(section);
    return parser && !parser->getItems().isEmpty();
}

bool FeedsViewController::isMarkedRead(int feed, int row) const
{
    return m_readStatus.value(feed).contains(row);
}

int FeedsViewController::numberOfSections(TableView*)
{
    return int(m_feedList.size());
}

int FeedsViewController::numberOfRowsInSection(TableView*, int section)
{
    return hasItems(section) ? int(parserFor(section)->getItems().size()) : 1;
}

TableViewCell* FeedsViewController::cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    auto* cell = qobject_cast<FastFeedCell*>(table->dequeueReusableCellWithIdentifier(cellIdentifier));
    if (!cell)
        cell = new FastFeedCell(cellIdentifier);
    const RssParser* parser = parserFor(indexPath.section());
    if (hasItems(indexPath.section())) {
        const RssItem& item = parser->getItems()[indexPath.row()];
        cell->setMainLabel(item.value(QStringLiteral("title")));
        cell->setSubLabel(item.value(QStringLiteral("pubDate")));
        cell->setMarkedRead(isMarkedRead(indexPath.section(), indexPath.row()));
        cell->setSelectionStyle(TableViewCell::SelectionStyleGray);
        cell->setAccessoryType(TableViewCell::AccessoryDisclosureIndicator);
        return cell;
    }
    // Shown as they stand.
    cell->setMainLabel(!parser || parser->isLoading() ? updatingText : notAvailableText);
    cell->setSubLabel({});
    cell->setMarkedRead(false);
    cell->setSelectionStyle(TableViewCell::SelectionStyleNone);
    cell->setAccessoryType(TableViewCell::AccessoryNone);
    return cell;
}

int FeedsViewController::heightForRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    if (!hasItems(indexPath.section()))
        return emptyRowHeight;
    const QString title = parserFor(indexPath.section())->getItems()[indexPath.row()].value(QStringLiteral("title"));
    return titleAllowance + FastFeedCell::titleHeight(title, FastFeedCell::textWidthForRowWidth(table->viewport()->width()));
}

int FeedsViewController::heightForHeaderInSection(TableView*, int)
{
    return 0;
}

IndexPath FeedsViewController::willSelectRowAtIndexPath(TableView*, const IndexPath& indexPath)
{
    return hasItems(indexPath.section()) ? indexPath : IndexPath();
}

void FeedsViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    table->deselectRowAtIndexPath(indexPath, true);
    if (!hasItems(indexPath.section()))
        return;
    showFeedWithDictionary(parserFor(indexPath.section())->getItems()[indexPath.row()]);
    m_readStatus[indexPath.section()].insert(indexPath.row());
    reloadTable();
}

// --- The item page -----------------------------------------------------------------

QString FeedsViewController::itemPageHtml(const RssItem& item) const
{
    QFile file(HomePaths::bundle() + u'/' + m_feedTemplateDirectory + u'/' + m_feedTemplate + QStringLiteral(".htm"));
    QString pattern;
    if (file.open(QIODevice::ReadOnly))
        pattern = QString::fromUtf8(file.readAll());
    if (!pattern.contains(QStringLiteral("%@"))) {
        ConsoleLog::log(QStringLiteral("the news item template %@ is missing"), file.fileName());
        pattern = QStringLiteral("<html><body><h2>%@</h2>%@</body></html>");
    }
    // The title is text; the content is the feed's HTML. A feed without
    // full content gives its description, which is HTML too.
    QString content = item.value(QStringLiteral("content:encoded"));
    if (content.isEmpty())
        content = item.value(QStringLiteral("description"));
    return fillTemplate(pattern, { item.value(QStringLiteral("title")).toHtmlEscaped(), content });
}

void FeedsViewController::showFeedWithDictionary(const RssItem& item)
{
    // One page per item; the one before goes unless it is still shown.
    NavigationController* navigation = navigationController();
    if (m_itemPage && !(navigation && navigation->viewControllers().contains(m_itemPage)))
        m_itemPage->deleteLater();
    auto* page = new WebViewController(m_network);
    m_itemPage = page;
    page->loadHTMLString(itemPageHtml(item), m_feedTemplateDirectory);
    if (auto* bw = qobject_cast<BWNavigationController*>(navigation))
        bw->pushViewControllerVisibility(page, true, 1);
    else if (navigation)
        navigation->pushViewController(page, true);
}
