// The skin laid out at a scale, and the images it draws with: a skin's
// frames are points, the window decides how many pixels a point is.
#include "skin/Skin.h"

#include "core/StringHelpers.h"
#include "core/xml/XMLParser.h"
#include "skin/SkinIds.h"
#include "skin/SkinImageBudget.h"
#include "skin/SkinProperties.h"
#include "ui/ArtView.h"
#include "ui/ImageButton.h"
#include "ui/ImageView.h"
#include "ui/TableView.h"
#include "ui/TrackSlider.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <cmath>

namespace {
// A little above 1, so that rounding never swaps the images back and forth.
constexpr qreal twinThreshold = 1.01;

// Edges are rounded, not sizes, so neighbouring controls stay flush.
QRect scaled(const QRect& frame, qreal s)
{
    const int left = int(std::lround(frame.left() * s));
    const int top = int(std::lround(frame.top() * s));
    const int right = int(std::lround((frame.left() + frame.width()) * s));
    const int bottom = int(std::lround((frame.top() + frame.height()) * s));
    return QRect(left, top, right - left, bottom - top);
}

bool hasContentScale(const QWidget* widget)
{
    return widget->metaObject()->indexOfProperty("contentScale") >= 0;
}

QString twinPath(const QString& path)
{
    const QFileInfo info(path);
    return info.path() + u'/' + info.completeBaseName() + QStringLiteral("@2x.") + info.suffix();
}
}

bool Skin::usesTwinImages() const
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    return m_contentScale * ratio > twinThreshold;
}

QPixmap Skin::imageAt(const QString& name)
{
    // Only files inside the skin's folder, and none past the pixel budget.
    QString path;
    if (m_files.resolve(name, &path) != SkinFileAccess::Verdict::Found)
        return {};
    return QPixmap::fromImage(SkinImageBudget::read(path));
}

QPixmap Skin::cachedImage(const QString& name)
{
    if (name.isEmpty())
        return {};
    const bool twin = usesTwinImages();
    const QString key = m_directoryPath + (twin ? SkinImageBudget::twinName(name) : name);
    if (const auto it = m_cachedImages.constFind(key); it != m_cachedImages.constEnd())
        return *it;
    // The twin is drawn at twice the size: it stands in the same points.
    QPixmap image = twin ? imageAt(SkinImageBudget::twinName(name)) : QPixmap();
    if (!image.isNull())
        image.setDevicePixelRatio(2.0);
    else if ((image = imageAt(name)).isNull())
        return {};
    m_cachedImages.insert(key, image);
    return image;
}

QPixmap Skin::bundleImage(const QString& name) const
{
    const bool twin = usesTwinImages();
    QPixmap image;
    if (twin && image.load(twinPath(QStringLiteral(":/images/") + name))) {
        image.setDevicePixelRatio(2.0);
        return image;
    }
    return QPixmap(QStringLiteral(":/images/") + name);
}

QSize Skin::pointSizeOf(const QString& orientation) const
{
    if (!m_skinData)
        return {};
    const XmlNodePtr node = XMLParser::dictAtPath(QStringLiteral("%1/view").arg(orientation), m_skinData);
    if (!node)
        return {};
    const AttributeMap& a = node->attributeDict;
    return QSize(int(StringHelpers::intValue(a.value(u"width"))), int(StringHelpers::intValue(a.value(u"height"))));
}

void Skin::setContentScale(qreal scale)
{
    if (!(scale > 0) || qFuzzyCompare(scale, m_contentScale))
        return;
    m_contentScale = scale;
    if (SkinRoot* r = root())
        layOut(*r);
}

void Skin::layOut(SkinRoot& r)
{
    const bool twins = usesTwinImages();
    if (!r.control || (qFuzzyCompare(r.scale, m_contentScale) && r.twinImages == twins))
        return;
    const qreal s = m_contentScale;
    r.scale = s;
    // The page each scroll view shows, before their new size cuts their
    // offsets back to the old content.
    std::vector<std::pair<QPointer<PagingScrollView>, int>> shownPages;
    for (const SkinControl& entry : r.scrollViews)
        if (auto* pages = qobject_cast<PagingScrollView*>(entry.control.data()))
            shownPages.emplace_back(pages, pages->visiblePage());
    auto place = [s](QWidget* widget) {
        const QVariant frame = widget->property(SkinProperties::pointFrame);
        if (frame.isValid())
            widget->setGeometry(scaled(frame.toRect(), s));
        if (hasContentScale(widget))
            widget->setProperty("contentScale", s);
    };
    // Collected first: a control told its new scale may drop widgets of its own.
    QList<QPointer<QWidget>> built { r.control.data() };
    for (QWidget* widget : r.control->findChildren<QWidget*>())
        if (widget->property(SkinProperties::pointFrame).isValid())
            built << widget;
    for (const QPointer<QWidget>& widget : built)
        if (widget)
            place(widget);
    for (const auto& [pages, page] : shownPages)
        if (pages)
            layOutPages(pages, page);
    for (const SkinControl& entry : r.tables)
        if (auto* table = qobject_cast<TableView*>(entry.control.data()))
            table->setRowHeight(qMax(1, int(std::lround(table->property(SkinProperties::rowHeight).toInt() * s))));
    if (r.twinImages != twins) {
        r.twinImages = twins;
        applyImages(r);
    }
    // Rows take the scaled font (and the other images) when they are made again.
    for (const SkinControl& entry : r.tables)
        if (auto* table = qobject_cast<TableView*>(entry.control.data()))
            table->reloadData();
}

void Skin::layOutPages(PagingScrollView* scrollView, int page)
{
    // Pages stand exactly one view width apart, whatever the rounding of
    // their own frames; the page shown stays shown.
    const QVariant count = scrollView->property(SkinProperties::pageCount);
    if (!count.isValid())
        return;
    const int w = scrollView->width();
    for (QWidget* child : scrollView->contentView()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QVariant index = child->property(SkinProperties::pageIndex);
        if (index.isValid())
            child->move(index.toInt() * w, child->y());
    }
    scrollView->setContentSize(QSizeF(w * count.toInt(), scrollView->height()));
    scrollView->setContentOffset(QPointF(page * w, 0), false);
}

void Skin::applyImages(SkinRoot& r)
{
    for (ImageView* view : r.control->findChildren<ImageView*>()) {
        const QVariant name = view->property(SkinProperties::imageName);
        if (name.isValid())
            view->setImage(cachedImage(name.toString()));
    }
    for (const SkinControl& entry : r.buttons)
        if (auto* button = qobject_cast<ImageButton*>(entry.control.data()))
            applyButtonImages(button, entry.node->attributeDict, entry.id == SkinIds::playPause && m_isPlaying);
    for (const SkinControl& entry : r.sliders)
        if (auto* slider = qobject_cast<TrackSlider*>(entry.control.data()))
            applySliderImages(slider, entry.node->attributeDict);
    for (const SkinControl& entry : r.artViews)
        if (auto* art = qobject_cast<ArtView*>(entry.control.data())) {
            art->setFrameImage(cachedImage(entry.node->attributeDict.value(u"imgFrame")));
            art->setPlaceholderImage(cachedImage(entry.node->attributeDict.value(u"imgPlaceholder")));
        }
}

void Skin::applyButtonImages(ImageButton* button, const AttributeMap& attributes, bool playing)
{
    // While playing, the play button shows its alternates; the second name
    // carries a prefix the others lack. An absent name clears that image.
    const std::pair<QStringView, ImageButton::State> images[] = {
        { playing ? u"imgAlternate1" : u"imgNormal", ImageButton::Normal },
        { playing ? u"Attr_imgAlternate1Highlighted" : u"imgHighlighted", ImageButton::Highlighted },
        { u"imgSelected", ImageButton::Selected },
        { u"imgDisabled", ImageButton::Disabled },
    };
    for (const auto& [key, state] : images)
        button->setImage(state, cachedImage(attributes.value(key)));
}

void Skin::applySliderImages(TrackSlider* slider, const AttributeMap& attributes)
{
    const int cap = int(StringHelpers::intValue(attributes.value(u"sliderCapWidth")));
    auto track = [&](QStringView key, const QString& bundleName) {
        const QString* name = attributes.find(key);
        return name ? std::pair { cachedImage(*name), cap } : std::pair { bundleImage(bundleName), 10 };
    };
    const auto [minImage, minCap] = track(u"sliderMinTrack", QStringLiteral("sliderMinTrack.png"));
    const auto [maxImage, maxCap] = track(u"sliderMaxTrack", QStringLiteral("sliderMaxTrack.png"));
    slider->setMinimumTrackImage(minImage, minCap);
    slider->setMaximumTrackImage(maxImage, maxCap);
    const QString* thumb = attributes.find(u"sliderThumb");
    slider->setThumbImage(thumb ? cachedImage(*thumb) : bundleImage(QStringLiteral("sliderThumb.png")));
}
