#include "app/skin/SkinControl.h"

#include "core/Clock.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "models/skin/SkinButtonLook.h"
#include "models/skin/SkinGeometry.h"
#include "models/skin/SkinRoles.h"
#include "app/skin/SkinImageProvider.h"
#include "app/skin/SkinScene.h"

#include <cmath>

namespace {
SkinControl::Kind kindOf(SkinElement::Kind kind)
{
    switch (kind) {
    case SkinElement::Kind::View:
        return SkinControl::View;
    case SkinElement::Kind::ScrollView:
        return SkinControl::ScrollView;
    case SkinElement::Kind::Image:
        return SkinControl::Image;
    case SkinElement::Kind::Label:
        return SkinControl::Label;
    case SkinElement::Kind::ZoomSlider:
        return SkinControl::ZoomSlider;
    case SkinElement::Kind::Slider:
        return SkinControl::Slider;
    case SkinElement::Kind::Button:
        return SkinControl::Button;
    case SkinElement::Kind::Table:
        return SkinControl::Table;
    case SkinElement::Kind::Picker:
        return SkinControl::Picker;
    case SkinElement::Kind::Art:
        return SkinControl::Art;
    }
    return SkinControl::View;
}

// A disabled label or slider is drawn faded; the wheels a little.
constexpr qreal disabledLabelOpacity = 0.5;
constexpr qreal disabledWheelsOpacity = 0.8;
// A slider's own track images stretch from a cap width of its choosing;
// the built-in ones always from 10.
constexpr qreal builtInTrackCap = 10;
constexpr int defaultRowHeight = 40;
constexpr qreal defaultLabelSize = 10;
constexpr qreal defaultRowFontSize = 16;
}

SkinControl::SkinControl(std::shared_ptr<const SkinDocument> document, const SkinElement& element, SkinScene* scene,
                         SkinControl* parent)
    : QObject(parent ? static_cast<QObject*>(parent) : static_cast<QObject*>(scene))
    , m_document(std::move(document))
    , m_element(element)
    , m_kind(kindOf(element.kind))
    , m_scene(scene)
    , m_parent(parent)
{
    for (const SkinElement& child : element.children)
        m_children.push_back(new SkinControl(m_document, child, scene, this));
    if (m_kind == ScrollView && m_element.id == SkinRoles::mainScrollView && pageCount() > 0)
        m_currentPage = m_scene->preference(PreferenceKeys::slideScreenPosition).toInt() % pageCount();
    if (m_currentPage < 0)
        m_currentPage += pageCount();
}

SkinControl::~SkinControl() = default;

QQmlListProperty<SkinControl> SkinControl::childList()
{
    return QQmlListProperty<SkinControl>(
        this, &m_children, [](QQmlListProperty<SkinControl>* list) {
            return qsizetype(static_cast<std::vector<SkinControl*>*>(list->data)->size());
        },
        [](QQmlListProperty<SkinControl>* list, qsizetype i) {
            return static_cast<std::vector<SkinControl*>*>(list->data)->at(size_t(i));
        });
}

void SkinControl::collect(std::vector<SkinControl*>& into)
{
    into.push_back(this);
    for (SkinControl* child : m_children)
        child->collect(into);
}

// --- Geometry -------------------------------------------------------------------

void SkinControl::layOut(qreal scale, const QRectF& rootRect)
{
    const QRectF rect = m_parent ? SkinGeometry::scaled(m_element.frame, scale) : rootRect;
    const bool rescaled = scale != m_scale;
    if (rect != m_rect || rescaled) {
        m_rect = rect;
        m_scale = scale;
        emit geometryChanged();
    }
    // The first size is the one to decode at; later ones wait to settle.
    if (!(m_imageScale > 0) && scale > 0)
        m_imageScale = scale;
    // Image sizes are in scaled points too.
    if (rescaled)
        emit imagesChanged();
    for (SkinControl* child : m_children)
        child->layOut(scale, rootRect);
}

QRectF SkinControl::touchArea() const
{
    return SkinGeometry::touchArea(m_rect.size());
}

qreal SkinControl::fontPixelSize() const
{
    const qreal points = m_kind == Table ? m_element.number(u"fontSize", defaultRowFontSize)
                                         : m_element.number(u"fontSize", defaultLabelSize);
    return SkinGeometry::labelPixelSize(points, m_scale);
}

qreal SkinControl::minimumFontPixelSize() const
{
    return SkinGeometry::smallestLabelPixelSize(m_element.number(u"fontSize", defaultLabelSize));
}

QUrl SkinControl::rowBackgroundHighlighted() const
{
    return m_element.has(u"rowBackgroundHighlighted") ? skinImage(m_element.text(u"rowBackgroundHighlighted"))
                                                       : rowBackground();
}

qreal SkinControl::rowHeight() const
{
    return std::max<qreal>(1, std::round(m_element.integer(u"rowHeight", defaultRowHeight) * m_scale));
}

// --- Look -------------------------------------------------------------------------

QString SkinControl::accessibleName() const
{
    if (m_element.id == SkinRoles::playPause)
        return SkinRoles::playPauseName(m_look.alternate);
    return SkinRoles::accessibleName(m_element.kindName(), m_element.id);
}

void SkinControl::applyLook(const SkinControlRules::Look& look)
{
    if (look == m_look)
        return;
    const bool images = look.alternate != m_look.alternate || look.enabled != m_look.enabled
        || look.highlighted != m_look.highlighted;
    m_look = look;
    emit lookChanged();
    if (images && m_kind == Button)
        emit imagesChanged();
}

void SkinControl::setPressed(bool pressed)
{
    if (pressed == m_pressed)
        return;
    m_pressed = pressed;
    emit lookChanged();
    if (m_kind == Button)
        emit imagesChanged();
}

namespace {
SkinButtonLook::Images buttonImages(const SkinElement& e, bool alternate)
{
    SkinButtonLook::Images images;
    images.normal = e.has(alternate ? u"imgAlternate1" : u"imgNormal");
    images.highlighted = e.has(alternate ? u"Attr_imgAlternate1Highlighted" : u"imgHighlighted");
    images.selected = e.has(u"imgSelected");
    images.disabled = e.has(u"imgDisabled");
    return images;
}

SkinButtonLook::Flags buttonFlags(const SkinControlRules::Look& look, bool pressed)
{
    SkinButtonLook::Flags flags;
    flags.enabled = look.enabled;
    flags.down = pressed;
    flags.highlighted = look.highlighted;
    return flags;
}
}

QString SkinControl::buttonImageName() const
{
    // While playing, the play button shows its alternates; the second name
    // carries a prefix the others lack.
    const bool alternate = m_look.alternate;
    const SkinButtonLook::Look look = SkinButtonLook::lookFor(buttonFlags(m_look, m_pressed), buttonImages(m_element, alternate));
    if (!look.hasImage)
        return {};
    switch (look.image) {
    case SkinButtonLook::State::Normal:
        return m_element.text(alternate ? u"imgAlternate1" : u"imgNormal");
    case SkinButtonLook::State::Highlighted:
        return m_element.text(alternate ? u"Attr_imgAlternate1Highlighted" : u"imgHighlighted");
    case SkinButtonLook::State::Selected:
        return m_element.text(u"imgSelected");
    case SkinButtonLook::State::Disabled:
        return m_element.text(u"imgDisabled");
    }
    return {};
}

qreal SkinControl::opacity() const
{
    switch (m_kind) {
    case Button:
        return SkinButtonLook::lookFor(buttonFlags(m_look, m_pressed), buttonImages(m_element, m_look.alternate)).opacity;
    case Label:
    case ZoomSlider:
    case Slider:
        return m_look.enabled ? 1 : disabledLabelOpacity;
    case Picker:
        return m_look.enabled ? 1 : disabledWheelsOpacity;
    default:
        return 1;
    }
}

QUrl SkinControl::skinImage(const QString& name) const
{
    return SkinImageProvider::url(m_scene->skinFolderNumber(), name, m_twin);
}

QUrl SkinControl::builtInImage(const QString& name) const
{
    return SkinImageProvider::url(SkinImageProvider::builtInFolder, name, m_twin);
}

void SkinControl::setTwinImages(bool twin)
{
    if (twin == m_twin)
        return;
    m_twin = twin;
    emit imagesChanged();
}

QUrl SkinControl::image() const
{
    if (m_kind == Button)
        return skinImage(buttonImageName());
    if (m_kind == Image)
        return skinImage(m_element.text(u"imgNormal"));
    return {};
}

QSizeF SkinControl::imageSize() const
{
    return imageSizeAt(m_scale);
}

QSize SkinControl::imageSourceSize() const
{
    const QSizeF size = imageSizeAt(m_imageScale);
    return size.isEmpty() ? QSize() : QSize(qRound(size.width()), qRound(size.height()));
}

void SkinControl::settleImages()
{
    if (m_imageScale == m_scale)
        return;
    m_imageScale = m_scale;
    if (m_kind == Button || m_kind == Image)
        emit imagesChanged();
}

QSizeF SkinControl::imageSizeAt(qreal scale) const
{
    const QString name = m_kind == Button ? buttonImageName() : m_element.text(u"imgNormal");
    if (name.isEmpty() || (m_kind != Button && m_kind != Image))
        return {};
    // Drawn at its own size in points (a twin stands in the same points),
    // scaled with the skin; a button's image shrinks to fit the button.
    QSizeF size = m_scene->imagePointSize(m_scene->skinFolderNumber(), name, m_twin);
    size *= scale;
    const QSizeF button = m_parent ? SkinGeometry::scaled(m_element.frame, scale).size() : m_rect.size();
    if (m_kind == Button && (size.width() > button.width() || size.height() > button.height()))
        size.scale(button, Qt::KeepAspectRatio);
    return size;
}

// --- Texts and values -------------------------------------------------------------

void SkinControl::setText(const QString& text)
{
    if (text == m_text && text.isNull() == m_text.isNull())
        return;
    m_text = text;
    emit textChanged();
}

QColor SkinControl::textColor() const
{
    return m_element.colour(u"textColour");
}

bool SkinControl::showsSkipDistance() const
{
    return m_kind == Button && m_element.has(u"distanceFontSize")
        && (m_element.id == SkinRoles::skipForward || m_element.id == SkinRoles::skipBack);
}

qreal SkinControl::distancePixelSize() const
{
    return m_element.number(u"distanceFontSize", 0) * m_scale;
}

QPointF SkinControl::distanceCentre() const
{
    // In the button's own points, the middle of its frame unless the skin says.
    const QSizeF points = m_rect.size() / (m_scale > 0 ? m_scale : 1);
    return QPointF(m_element.number(u"distanceX", points.width() / 2),
                   m_element.number(u"distanceY", points.height() / 2)) * m_scale;
}

qreal SkinControl::distanceWidth() const
{
    return m_element.number(u"distanceWidth", 0) * m_scale;
}

QColor SkinControl::distanceDisabledColor() const
{
    return m_element.has(u"distanceDisabledColour") ? m_element.colour(u"distanceDisabledColour") : distanceColor();
}

QColor SkinControl::highlightedTextColor() const
{
    return m_element.colour(u"textHighlightedColour");
}

void SkinControl::setValue(double value)
{
    if (value == m_value)
        return;
    m_value = value;
    emit valueChanged();
}

void SkinControl::setMaximum(double maximum)
{
    if (maximum == m_maximum)
        return;
    m_maximum = maximum;
    emit valueChanged();
}

SkinControl::Scheme SkinControl::scheme() const
{
    if (m_kind != ZoomSlider)
        return NoScheme;
    if (m_element.id == SkinRoles::volumeSlider)
        return VolumeScheme;
    if (m_element.id == SkinRoles::positionSlider)
        return PositionScheme;
    return NoScheme;
}

QUrl SkinControl::minimumTrack() const
{
    return m_element.has(u"sliderMinTrack") ? skinImage(m_element.text(u"sliderMinTrack"))
                                            : builtInImage(QStringLiteral("sliderMinTrack.png"));
}

QUrl SkinControl::maximumTrack() const
{
    return m_element.has(u"sliderMaxTrack") ? skinImage(m_element.text(u"sliderMaxTrack"))
                                            : builtInImage(QStringLiteral("sliderMaxTrack.png"));
}

QUrl SkinControl::thumb() const
{
    return m_element.has(u"sliderThumb") ? skinImage(m_element.text(u"sliderThumb"))
                                         : builtInImage(QStringLiteral("sliderThumb.png"));
}

QSizeF SkinControl::sliderImageSize(QStringView key, const QString& builtInName) const
{
    const bool own = m_element.has(key);
    const QSizeF size = m_scene->imagePointSize(own ? m_scene->skinFolderNumber() : int(SkinImageProvider::builtInFolder),
                                                own ? m_element.text(key) : builtInName, m_twin);
    return size * m_scale;
}

QSizeF SkinControl::thumbSize() const
{
    return sliderImageSize(u"sliderThumb", QStringLiteral("sliderThumb.png"));
}

qreal SkinControl::trackHeight() const
{
    return std::max(sliderImageSize(u"sliderMinTrack", QStringLiteral("sliderMinTrack.png")).height(),
                    sliderImageSize(u"sliderMaxTrack", QStringLiteral("sliderMaxTrack.png")).height());
}

qreal SkinControl::minimumTrackCap() const
{
    const qreal cap = m_element.has(u"sliderMinTrack") ? m_element.integer(u"sliderCapWidth", 0) : builtInTrackCap;
    return cap * m_scale;
}

qreal SkinControl::maximumTrackCap() const
{
    const qreal cap = m_element.has(u"sliderMaxTrack") ? m_element.integer(u"sliderCapWidth", 0) : builtInTrackCap;
    return cap * m_scale;
}

// --- Pages --------------------------------------------------------------------------

bool SkinControl::isSlidable() const
{
    if (m_kind != ScrollView)
        return false;
    if (m_element.id != SkinRoles::mainScrollView)
        return true;
    return m_scene->preference(PreferenceKeys::slideRemoteScreens).toBool();
}

bool SkinControl::showsPageDots() const
{
    return m_kind == ScrollView && m_element.id == SkinRoles::mainScrollView && pageCount() > 1;
}

qreal SkinControl::roomBelow() const
{
    qreal top = 0;
    const SkinControl* root = this;
    for (; root->m_parent; root = root->m_parent)
        top += root->m_rect.y();
    return root->m_rect.height() - top - m_rect.height();
}

void SkinControl::setCurrentPage(int page)
{
    if (pageCount() <= 0)
        return;
    page = std::clamp(page, 0, pageCount() - 1);
    if (m_element.id == SkinRoles::mainScrollView)
        m_scene->keepPreference(PreferenceKeys::slideScreenPosition, page);
    if (page == m_currentPage)
        return;
    m_currentPage = page;
    emit currentPageChanged();
}

int SkinControl::pageAfterRelease(qreal contentX, qreal velocity) const
{
    const qreal width = m_rect.width();
    if (pageCount() <= 0 || width <= 0)
        return 0;
    // A throw goes on to the next page in its direction; a slow release
    // settles on the page that shows the most.
    constexpr qreal throwSpeed = 300;
    const qreal position = contentX / width;
    int page = int(std::lround(position));
    if (velocity > throwSpeed)
        page = int(std::floor(position)) + 1;
    else if (velocity < -throwSpeed)
        page = int(std::ceil(position)) - 1;
    return std::clamp(page, 0, pageCount() - 1);
}

bool SkinControl::wheelSwiped(QPointF angleDelta, QPointF pixelDelta)
{
    const QPointF delta = angleDelta.isNull() ? pixelDelta : angleDelta;
    // Up and down belong to the controls on the pages.
    if (!isSlidable() || pageCount() <= 0 || std::abs(delta.x()) <= std::abs(delta.y()))
        return false;
    if (const int turn = m_wheelTurn.swiped(int(delta.x()), Clock::current().now()))
        setCurrentPage(m_currentPage + turn);
    return true;
}

// --- From the user -------------------------------------------------------------------

void SkinControl::activate()
{
    if (m_kind == Button && m_look.enabled && !m_look.hidden)
        m_scene->buttonActivated(*this);
}

void SkinControl::userMoved(double value)
{
    if ((m_kind == Slider || m_kind == ZoomSlider) && m_look.enabled)
        m_scene->sliderMoved(*this, value);
}
