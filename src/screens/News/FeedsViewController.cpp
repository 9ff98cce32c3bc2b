#include "screens/News/FeedsViewController.h"

#include "core/Localization.h"
#include "models/NewsModel.h"
#include "screens/News/FastFeedCell.h"
#include "ui/BarButtonItem.h"
#include "ui/NavigationItem.h"
#include "ui/TableView.h"
#include "ui/UiPalette.h"

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
}

FeedsViewController::FeedsViewController(NewsModel& news, const QString& title, const QString& navigationTitle,
                                         QWidget* parent)
    : ViewController(parent)
    , m_news(news)
{
    setTitle(navigationTitle);
    setBackButtonTitle(title);
    m_refreshButton = new BarButtonItem(refreshIcon(), BarButtonItem::Bordered, this);
    m_refreshButton->setEnabled(!news.isLoading());
    m_refreshButton->setToolTip(localizedString("Reload the news"));
    connect(m_refreshButton, &BarButtonItem::triggered, this, &FeedsViewController::refreshFeeds);
    navigationItem()->setRightBarButtonItem(m_refreshButton);
    readSections();
    connect(&news, &NewsModel::loadingChanged, this, [this] { m_refreshButton->setEnabled(!m_news.isLoading()); });
    connect(&news, &NewsModel::modelReset, this, [this] {
        readSections();
        reloadTable();
    });
    connect(&news, &NewsModel::dataChanged, this, &FeedsViewController::reloadTable);
}

FeedsViewController::~FeedsViewController()
{
    if (m_tableView) {
        m_tableView->setDataSource(nullptr);
        m_tableView->setDelegate(nullptr);
    }
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
        m_news.refresh();
    }
    m_news.setShown(true);
}

void FeedsViewController::viewDidDisappear(bool)
{
    m_news.setShown(false);
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
    m_emptyLabel->setVisible(!m_news.isConfigured());
    m_emptyLabel->setGeometry(rect().adjusted(24, 0, -24, -rect().height() / 5));
    m_emptyLabel->raise();
}

void FeedsViewController::reloadTable()
{
    if (m_tableView)
        m_tableView->reloadData();
    showEmptyState();
}

void FeedsViewController::refreshFeeds()
{
    m_news.reloadAll();
}

// --- The list --------------------------------------------------------------------

void FeedsViewController::readSections()
{
    m_sections.assign(size_t(m_news.feedList().size()), {});
    for (int row = 0; row < m_news.rowCount(); ++row) {
        const int feed = m_news.index(row).data(NewsModel::FeedRole).toInt();
        if (feed >= 0 && size_t(feed) < m_sections.size())
            m_sections[size_t(feed)].push_back(row);
    }
}

int FeedsViewController::modelRow(const IndexPath& indexPath) const
{
    if (indexPath.section() < 0 || size_t(indexPath.section()) >= m_sections.size())
        return -1;
    const std::vector<int>& rows = m_sections[size_t(indexPath.section())];
    return indexPath.row() >= 0 && size_t(indexPath.row()) < rows.size() ? rows[size_t(indexPath.row())] : -1;
}

bool FeedsViewController::isItem(const IndexPath& indexPath) const
{
    const int row = modelRow(indexPath);
    return row >= 0 && !m_news.index(row).data(NewsModel::PlaceholderRole).toBool();
}

int FeedsViewController::numberOfSections(TableView*)
{
    return int(m_sections.size());
}

int FeedsViewController::numberOfRowsInSection(TableView*, int section)
{
    return section >= 0 && size_t(section) < m_sections.size() ? int(m_sections[size_t(section)].size()) : 0;
}

TableViewCell* FeedsViewController::cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    auto* cell = qobject_cast<FastFeedCell*>(table->dequeueReusableCellWithIdentifier(cellIdentifier));
    if (!cell)
        cell = new FastFeedCell(cellIdentifier);
    const QModelIndex row = m_news.index(modelRow(indexPath));
    cell->setMainLabel(row.data(NewsModel::TitleRole).toString());
    if (isItem(indexPath)) {
        cell->setSubLabel(row.data(NewsModel::DateRole).toString());
        cell->setMarkedRead(row.data(NewsModel::ReadRole).toBool());
        cell->setSelectionStyle(TableViewCell::SelectionStyleGray);
        cell->setAccessoryType(TableViewCell::AccessoryDisclosureIndicator);
        return cell;
    }
    // The feed's state, shown as it stands.
    cell->setSubLabel({});
    cell->setMarkedRead(false);
    cell->setSelectionStyle(TableViewCell::SelectionStyleNone);
    cell->setAccessoryType(TableViewCell::AccessoryNone);
    return cell;
}

int FeedsViewController::heightForRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    if (!isItem(indexPath))
        return emptyRowHeight;
    const QString title = m_news.index(modelRow(indexPath)).data(NewsModel::TitleRole).toString();
    return titleAllowance + FastFeedCell::titleHeight(title, FastFeedCell::textWidthForRowWidth(table->viewport()->width()));
}

int FeedsViewController::heightForHeaderInSection(TableView*, int)
{
    return 0;
}

IndexPath FeedsViewController::willSelectRowAtIndexPath(TableView*, const IndexPath& indexPath)
{
    return isItem(indexPath) ? indexPath : IndexPath();
}

void FeedsViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    table->deselectRowAtIndexPath(indexPath, true);
    if (isItem(indexPath))
        m_news.open(modelRow(indexPath)); // marks it read, and shows its page
}
