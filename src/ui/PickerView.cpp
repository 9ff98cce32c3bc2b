#include "ui/PickerView.h"

#include "ui/PickerViewDataSource.h"
#include "ui/PickerViewDelegate.h"
#include "ui/UiAccessibility.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr int sideMargin = 8;
constexpr int wheelInset = 6; // bezel above and below the drums
constexpr int wheelSpacing = 4;
constexpr int defaultRowHeight = 44;
constexpr int defaultHeight = 216;
constexpr size_t spareViewLimit = 4;
}

PickerView::PickerView(QWidget* parent)
    : QWidget(parent)
    , m_rowViewHolder(new QWidget(this))
{
    UiAccessibility::install();
    // Row views are never on screen themselves: they are drawn onto the
    // drum, squeezed and faded by their place on it.
    m_rowViewHolder->setObjectName(QStringLiteral("pickerRowViews"));
    m_rowViewHolder->hide();

    // The drums are light, so their rows read dark whatever the screen's theme.
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(0x14, 0x15, 0x18));
    pal.setColor(QPalette::Text, QColor(0x14, 0x15, 0x18));
    setPalette(pal);

    setAttribute(Qt::WA_AcceptTouchEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    QElapsedTimer started;
    started.start();
    m_clock = [started] { return started.elapsed(); };

    m_frameTimer.setInterval(16);
    m_frameTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_frameTimer, &QTimer::timeout, this, &PickerView::advanceAnimations);
}

PickerView::~PickerView() = default;

PickerViewDataSource* PickerView::dataSource() const
{
    return m_dataSourceGuarded && !m_dataSourceGuard ? nullptr : m_dataSource;
}

void PickerView::setDataSource(PickerViewDataSource* dataSource)
{
    m_dataSource = dataSource;
    QObject* object = dynamic_cast<QObject*>(dataSource);
    m_dataSourceGuard = object;
    m_dataSourceGuarded = object != nullptr;
    reloadAllComponents();
}

PickerViewDelegate* PickerView::delegate() const
{
    return m_delegateGuarded && !m_delegateGuard ? nullptr : m_delegate;
}

void PickerView::setDelegate(PickerViewDelegate* delegate)
{
    m_delegate = delegate;
    QObject* object = dynamic_cast<QObject*>(delegate);
    m_delegateGuard = object;
    m_delegateGuarded = object != nullptr;
    reloadAllComponents();
}

void PickerView::setShowsSelectionIndicator(bool shows)
{
    if (m_showsSelectionIndicator == shows)
        return;
    m_showsSelectionIndicator = shows;
    update();
}

void PickerView::setContentScale(qreal scale)
{
    if (scale <= 0 || qFuzzyCompare(scale, m_contentScale))
        return;
    m_contentScale = scale;
    for (int i = 0; i < numberOfComponents(); ++i)
        askAbout(i);
    layoutComponents();
    for (int i = 0; i < numberOfComponents(); ++i)
        syncRowViews(i);
    update();
}

void PickerView::setClock(std::function<qint64()> clock)
{
    m_clock = std::move(clock);
}

int PickerView::numberOfRowsInComponent(int component) const
{
    if (component < 0 || component >= numberOfComponents())
        return 0;
    return m_wheels[size_t(component)].wheel.rowCount();
}

int PickerView::selectedRowInComponent(int component) const
{
    if (component < 0 || component >= numberOfComponents())
        return -1;
    return m_wheels[size_t(component)].wheel.selectedRow();
}

void PickerView::selectRowInComponent(int row, int component, bool animated)
{
    if (component < 0 || component >= numberOfComponents())
        return;
    m_wheels[size_t(component)].wheel.select(row, animated, m_clock());
    motionChanged();
}

bool PickerView::isMoving(int component) const
{
    if (component < 0 || component >= numberOfComponents())
        return false;
    return m_wheels[size_t(component)].wheel.isMoving();
}

bool PickerView::isAnimating() const
{
    return std::any_of(m_wheels.begin(), m_wheels.end(), [](const Component& c) {
        return c.wheel.isMoving() && !c.wheel.isTracking();
    });
}

QWidget* PickerView::viewForRow(int row, int component) const
{
    if (component < 0 || component >= numberOfComponents())
        return nullptr;
    const auto& views = m_wheels[size_t(component)].views;
    const auto it = views.find(row);
    return it == views.end() ? nullptr : it->second;
}

int PickerView::liveRowViewCount() const
{
    int count = 0;
    for (const Component& c : m_wheels)
        count += int(c.views.size() + c.spareViews.size());
    return count;
}

// ---- data -----------------------------------------------------------------

void PickerView::reloadAllComponents()
{
    PickerViewDataSource* source = dataSource();
    const int count = source ? std::max(0, source->numberOfComponents(this)) : 0;
    while (int(m_wheels.size()) > count) {
        recycleAllViews(m_wheels.back());
        for (QWidget* view : m_wheels.back().spareViews)
            retireView(view);
        m_wheels.pop_back();
    }
    m_wheels.resize(size_t(count));
    m_keyboardComponent = std::clamp(m_keyboardComponent, 0, std::max(0, count - 1));
    for (int i = 0; i < count; ++i)
        askAbout(i);
    layoutComponents();
    for (int i = 0; i < count; ++i)
        syncRowViews(i);
    update();
}

void PickerView::reloadComponent(int component)
{
    if (component < 0 || component >= numberOfComponents())
        return;
    askAbout(component);
    layoutComponents();
    syncRowViews(component);
    update();
}

void PickerView::askAbout(int component)
{
    Component& c = m_wheels[size_t(component)];
    PickerViewDataSource* source = dataSource();
    PickerViewDelegate* del = delegate();
    c.wheel.setRowCount(source ? source->numberOfRowsInComponent(this, component) : 0);
    c.requestedWidth = del ? del->widthForComponent(this, component) : -1;
    const int points = del ? del->rowHeightForComponent(this, component) : defaultRowHeight;
    c.rowHeight = std::max(1, int(std::lround(points * m_contentScale)));
    // Every shown row is asked for again, offering its old view for reuse.
    recycleAllViews(c);
}

void PickerView::recycleAllViews(Component& c)
{
    for (auto& [row, view] : c.views)
        c.spareViews.push_back(view);
    c.views.clear();
}

void PickerView::retireView(QWidget* view)
{
    view->hide();
    delete view;
}

void PickerView::syncRowViews(int component)
{
    Component& c = m_wheels[size_t(component)];
    PickerViewDelegate* del = delegate();
    const int rows = c.wheel.rowCount();
    int first = 0;
    int last = -1;
    if (del && rows > 0 && !c.rect.isEmpty()) {
        // Rows up to a quarter turn from the band can be seen.
        const double reach = drumRadius(c) * std::numbers::pi / 2 / c.rowHeight + 0.5;
        const double pos = c.wheel.position();
        first = std::max(0, int(std::floor(pos - reach)));
        last = std::min(rows - 1, int(std::ceil(pos + reach)));
    }
    for (auto it = c.views.begin(); it != c.views.end();) {
        if (it->first < first || it->first > last) {
            c.spareViews.push_back(it->second);
            it = c.views.erase(it);
        } else {
            ++it;
        }
    }
    for (int row = first; row <= last; ++row) {
        if (c.views.count(row))
            continue;
        QWidget* reusing = nullptr;
        if (!c.spareViews.empty()) {
            reusing = c.spareViews.back();
            c.spareViews.pop_back();
        }
        QWidget* view = del->viewForRow(this, row, component, reusing);
        if (reusing && view != reusing)
            retireView(reusing);
        if (!view)
            continue;
        if (view->parentWidget() != m_rowViewHolder)
            view->setParent(m_rowViewHolder);
        if (view->size().isEmpty())
            view->resize(int(c.rect.width() / m_contentScale), int(c.rowHeight / m_contentScale));
        view->show();
        c.views[row] = view;
    }
    while (c.spareViews.size() > spareViewLimit) {
        retireView(c.spareViews.back());
        c.spareViews.pop_back();
    }
}

// ---- geometry ---------------------------------------------------------------

void PickerView::layoutComponents()
{
    const double s = m_contentScale;
    auto scaled = [s](int points) { return int(std::lround(points * s)); };
    int fixed = 0;
    int automatic = 0;
    int shown = 0;
    for (const Component& c : m_wheels) {
        if (c.requestedWidth == 0)
            continue;
        ++shown;
        if (c.requestedWidth > 0)
            fixed += scaled(c.requestedWidth);
        else
            ++automatic;
    }
    const int gap = scaled(wheelSpacing);
    const int spacing = gap * std::max(0, shown - 1);
    const int share = automatic
        ? std::max(0, (width() - 2 * scaled(sideMargin) - spacing - fixed) / automatic)
        : 0;
    const int total = fixed + share * automatic + spacing;
    // Wheels keep their widths and stay centred when the picker is widened.
    double x = std::floor((width() - total) / 2.0);
    const double top = scaled(wheelInset);
    const double height = std::max(0.0, this->height() - 2 * top);
    for (Component& c : m_wheels) {
        if (c.requestedWidth == 0) {
            c.rect = QRectF();
            continue;
        }
        const int w = c.requestedWidth > 0 ? scaled(c.requestedWidth) : share;
        c.rect = QRectF(x, top, w, height);
        x += w + gap;
    }
}

double PickerView::drumRadius(const Component& c) const
{
    return std::max(1.0, c.rect.height() / 2);
}

std::optional<PickerView::RowPlacement> PickerView::placeRow(const Component& c, int row) const
{
    // The rows lie on a drum whose face spans the wheel's height: a row's
    // distance along the surface becomes an angle, which sets where it is
    // seen and how squeezed and faded it looks.
    const double radius = drumRadius(c);
    const double angle = (row - c.wheel.position()) * c.rowHeight / radius;
    if (std::abs(angle) >= std::numbers::pi / 2)
        return std::nullopt;
    const double cosine = std::cos(angle);
    return RowPlacement { c.rect.center().y() + radius * std::sin(angle), cosine, 0.3 + 0.7 * cosine };
}

int PickerView::rowAtY(const Component& c, double y) const
{
    const int rows = c.wheel.rowCount();
    if (rows == 0)
        return -1;
    const double radius = drumRadius(c);
    const double offset = std::clamp((y - c.rect.center().y()) / radius, -0.999, 0.999);
    const double along = std::asin(offset) * radius;
    return std::clamp(int(std::lround(c.wheel.position() + along / c.rowHeight)), 0, rows - 1);
}

QRectF PickerView::rectForComponent(int component) const
{
    if (component < 0 || component >= numberOfComponents())
        return {};
    return m_wheels[size_t(component)].rect;
}

std::optional<QPointF> PickerView::centerOfRow(int row, int component) const
{
    if (component < 0 || component >= numberOfComponents())
        return std::nullopt;
    const Component& c = m_wheels[size_t(component)];
    if (c.rect.isEmpty() || row < 0 || row >= c.wheel.rowCount())
        return std::nullopt;
    const auto placement = placeRow(c, row);
    if (!placement)
        return std::nullopt;
    return QPointF(c.rect.center().x(), placement->centerY);
}

int PickerView::componentAt(const QPointF& point) const
{
    if (point.y() < 0 || point.y() >= height())
        return -1;
    for (int i = 0; i < numberOfComponents(); ++i) {
        const QRectF& r = m_wheels[size_t(i)].rect;
        if (!r.isEmpty() && point.x() >= r.left() && point.x() < r.right())
            return i;
    }
    return -1;
}

QSize PickerView::sizeHint() const
{
    int w = 2 * sideMargin;
    int shown = 0;
    for (const Component& c : m_wheels) {
        if (c.requestedWidth == 0)
            continue;
        w += c.requestedWidth > 0 ? c.requestedWidth : 80;
        ++shown;
    }
    return { w + wheelSpacing * std::max(0, shown - 1), defaultHeight };
}

void PickerView::resizeEvent(QResizeEvent*)
{
    layoutComponents();
    for (int i = 0; i < numberOfComponents(); ++i)
        syncRowViews(i);
}

// ---- motion -----------------------------------------------------------------

void PickerView::motionChanged()
{
    for (int i = 0; i < numberOfComponents(); ++i)
        syncRowViews(i);
    update();
    if (isAnimating()) {
        if (!m_frameTimer.isActive())
            m_frameTimer.start();
    } else {
        m_frameTimer.stop();
    }
}

void PickerView::advanceAnimations()
{
    const qint64 now = m_clock();
    std::vector<std::pair<int, int>> settled;
    for (int i = 0; i < numberOfComponents(); ++i) {
        PickerViewWheel& wheel = m_wheels[size_t(i)].wheel;
        if (wheel.isMoving() && wheel.advance(now))
            settled.emplace_back(i, wheel.selectedRow());
    }
    motionChanged();
    // The delegate may select, reload or even delete the picker in its answer.
    QPointer<PickerView> self(this);
    for (const auto& [component, row] : settled) {
        if (!self)
            return;
        if (PickerViewDelegate* del = delegate())
            del->didSelectRow(this, row, component);
    }
}
