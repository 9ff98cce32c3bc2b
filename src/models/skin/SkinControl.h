#pragma once

#include "models/skin/SkinControlRules.h"
#include "models/skin/SkinElement.h"

#include <QObject>
#include <QQmlListProperty>
#include <QRectF>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include <memory>
#include <vector>

class SkinDocument;
class SkinScene;

// One control of a skin as Qt Quick draws it: what the definition says of
// it (kind, role), laid out at its tree's scale, and how it shows the
// player's state now (shown, enabled, highlighted). What only one kind of
// control has (a button's image, a label's text, a slider's value...) is
// its subclass's; a view and the wheels are plain SkinControls. The scene
// makes the controls and keeps them current; QML only binds to them. Looks
// are signalled only when they change.
class SkinControl : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
    Q_MOC_INCLUDE("models/skin/SkinScene.h")
    Q_PROPERTY(Kind kind READ kind CONSTANT)
    Q_PROPERTY(SkinScene* scene READ scene CONSTANT)
    Q_PROPERTY(QString skinId READ skinId CONSTANT)
    Q_PROPERTY(QQmlListProperty<SkinControl> children READ childList CONSTANT)
    Q_PROPERTY(QRectF rect READ rect NOTIFY geometryChanged)
    Q_PROPERTY(QRectF touchArea READ touchArea NOTIFY geometryChanged)
    Q_PROPERTY(qreal scale READ scale NOTIFY geometryChanged)
    Q_PROPERTY(QString accessibleName READ accessibleName NOTIFY lookChanged)
    Q_PROPERTY(bool shown READ isShown NOTIFY lookChanged)
    Q_PROPERTY(bool enabled READ isEnabled NOTIFY lookChanged)
    Q_PROPERTY(bool highlighted READ isHighlighted NOTIFY lookChanged)
    Q_PROPERTY(bool pressed READ isPressed WRITE setPressed NOTIFY lookChanged)
    Q_PROPERTY(qreal opacity READ opacity NOTIFY lookChanged)
public:
    enum Kind { View, ScrollView, Image, Label, ZoomSlider, Slider, Button, Table, Picker, Art };
    Q_ENUM(Kind)

    // element lives in document, which the control keeps alive. A control
    // with a parent joins its children, after those made before it.
    SkinControl(std::shared_ptr<const SkinDocument> document, const SkinElement& element, SkinScene* scene,
                SkinControl* parent);
    ~SkinControl() override;

    const SkinElement& element() const { return m_element; }
    Kind kind() const { return m_kind; }
    SkinScene* scene() const { return m_scene; }
    QString skinId() const { return m_element.id; }
    const std::vector<SkinControl*>& children() const { return m_children; }
    QQmlListProperty<SkinControl> childList();
    SkinControl* parentControl() const { return m_parent; }
    // Every control under this one (itself included), in stacking order.
    void collect(std::vector<SkinControl*>& into);

    // Geometry: the frame at the tree's scale, relative to the parent; the
    // root stands centred in the area it is shown in.
    QRectF rect() const { return m_rect; }
    QRectF touchArea() const;
    qreal scale() const { return m_scale; }
    void layOut(qreal scale, const QRectF& rootRect);

    QString accessibleName() const;
    bool isShown() const { return !m_look.hidden; }
    bool isEnabled() const { return m_look.enabled; }
    bool isHighlighted() const { return m_look.highlighted; }
    bool isPressed() const { return m_pressed; }
    void setPressed(bool pressed);
    virtual qreal opacity() const;
    // The player's state changed: take the look the rules give.
    void applyLook(const SkinControlRules::Look& look);
    const SkinControlRules::Look& look() const { return m_look; }

    // The skin's size has settled: images are decoded at their size now.
    virtual void settleImages();
    // The images come from their twins, or no longer.
    void setTwinImages(bool twin);

signals:
    void geometryChanged();
    void lookChanged();
    void imagesChanged();

protected:
    // The look or the pressing changed; images: in a way that may choose
    // another image.
    virtual void lookUpdated(bool images);
    // The scale images are decoded at (see SkinImageControl::imageSourceSize):
    // the first the control was laid out at, then the one settled on; none
    // before the first layout.
    qreal imageScale() const { return m_imageScale; }
    bool usesTwinImages() const { return m_twin; }
    QUrl skinImage(const QString& name) const;
    QUrl builtInImage(const QString& name) const;

private:
    std::shared_ptr<const SkinDocument> m_document;
    const SkinElement& m_element;
    Kind m_kind;
    SkinScene* m_scene;
    SkinControl* m_parent;
    std::vector<SkinControl*> m_children;
    QRectF m_rect;
    qreal m_scale = 1;
    qreal m_imageScale = 0;
    SkinControlRules::Look m_look;
    bool m_pressed = false;
    bool m_twin = false;
};
