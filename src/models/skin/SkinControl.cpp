#include "models/skin/SkinControl.h"

#include "models/skin/SkinGeometry.h"
#include "models/skin/SkinRoles.h"
#include "models/skin/SkinImageFolders.h"
#include "models/skin/SkinScene.h"

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
    if (m_parent)
        m_parent->m_children.push_back(this);
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
    lookUpdated(images);
}

void SkinControl::setPressed(bool pressed)
{
    if (pressed == m_pressed)
        return;
    m_pressed = pressed;
    emit lookChanged();
    lookUpdated(true);
}

void SkinControl::lookUpdated(bool)
{
}

qreal SkinControl::opacity() const
{
    switch (m_kind) {
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

// --- Images -----------------------------------------------------------------------

QUrl SkinControl::skinImage(const QString& name) const
{
    return SkinImageFolders::url(m_scene->skinFolderNumber(), name, m_twin);
}

QUrl SkinControl::builtInImage(const QString& name) const
{
    return SkinImageFolders::url(SkinImageFolders::builtInFolder, name, m_twin);
}

void SkinControl::setTwinImages(bool twin)
{
    if (twin == m_twin)
        return;
    m_twin = twin;
    emit imagesChanged();
}

void SkinControl::settleImages()
{
    m_imageScale = m_scale;
}
