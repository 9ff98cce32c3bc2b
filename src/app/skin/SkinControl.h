#pragma once

#include "models/skin/SkinControlRules.h"
#include "models/skin/SkinElement.h"
#include "models/skin/WheelPageTurn.h"

#include <QColor>
#include <QObject>
#include <QQmlListProperty>
#include <QRectF>
#include <QSizeF>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include <memory>
#include <vector>

class SkinDocument;
class SkinScene;

// One control of a skin as Qt Quick draws it: what the definition says of
// it (kind, role, images, colours), laid out at its tree's scale, and how
// it shows the player's state now (shown, enabled, highlighted, its text,
// its value). The scene keeps these current; QML only binds to them. Looks
// are signalled only when they change.
class SkinControl : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
    Q_MOC_INCLUDE("app/skin/SkinScene.h")
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
    Q_PROPERTY(QUrl image READ image NOTIFY imagesChanged)
    Q_PROPERTY(QSizeF imageSize READ imageSize NOTIFY imagesChanged)
    Q_PROPERTY(QSize imageSourceSize READ imageSourceSize NOTIFY imagesChanged)
    Q_PROPERTY(QString text READ text NOTIFY textChanged)
    // A skip button of a skin that asks for it draws the skip distance over
    // its image, in the skin's size and colours, centred on its point.
    Q_PROPERTY(bool showsSkipDistance READ showsSkipDistance CONSTANT)
    Q_PROPERTY(qreal distancePixelSize READ distancePixelSize NOTIFY geometryChanged)
    Q_PROPERTY(QPointF distanceCentre READ distanceCentre NOTIFY geometryChanged)
    Q_PROPERTY(qreal distanceWidth READ distanceWidth NOTIFY geometryChanged)
    Q_PROPERTY(QColor distanceColor READ distanceColor CONSTANT)
    Q_PROPERTY(QColor distanceDisabledColor READ distanceDisabledColor CONSTANT)
    Q_PROPERTY(QColor textColor READ textColor CONSTANT)
    Q_PROPERTY(QColor highlightedTextColor READ highlightedTextColor CONSTANT)
    Q_PROPERTY(qreal fontPixelSize READ fontPixelSize NOTIFY geometryChanged)
    Q_PROPERTY(qreal minimumFontPixelSize READ minimumFontPixelSize CONSTANT)
    Q_PROPERTY(double value READ value NOTIFY valueChanged)
    Q_PROPERTY(double maximum READ maximum NOTIFY valueChanged)
    Q_PROPERTY(Scheme scheme READ scheme CONSTANT)
    Q_PROPERTY(QColor largeTickColor READ largeTickColor CONSTANT)
    Q_PROPERTY(QColor mediumTickColor READ mediumTickColor CONSTANT)
    Q_PROPERTY(QColor smallTickColor READ smallTickColor CONSTANT)
    Q_PROPERTY(QUrl minimumTrack READ minimumTrack NOTIFY imagesChanged)
    Q_PROPERTY(QUrl maximumTrack READ maximumTrack NOTIFY imagesChanged)
    Q_PROPERTY(QUrl thumb READ thumb NOTIFY imagesChanged)
    Q_PROPERTY(QSizeF thumbSize READ thumbSize NOTIFY imagesChanged)
    Q_PROPERTY(qreal trackHeight READ trackHeight NOTIFY imagesChanged)
    Q_PROPERTY(qreal minimumTrackCap READ minimumTrackCap NOTIFY geometryChanged)
    Q_PROPERTY(qreal maximumTrackCap READ maximumTrackCap NOTIFY geometryChanged)
    Q_PROPERTY(qreal rowHeight READ rowHeight NOTIFY geometryChanged)
    Q_PROPERTY(QUrl rowBackground READ rowBackground NOTIFY imagesChanged)
    Q_PROPERTY(QUrl rowBackgroundHighlighted READ rowBackgroundHighlighted NOTIFY imagesChanged)
    Q_PROPERTY(QUrl frameImage READ frameImage NOTIFY imagesChanged)
    Q_PROPERTY(QUrl placeholderImage READ placeholderImage NOTIFY imagesChanged)
    Q_PROPERTY(qreal inset READ inset NOTIFY geometryChanged)
    Q_PROPERTY(int pageCount READ pageCount CONSTANT)
    Q_PROPERTY(int currentPage READ currentPage WRITE setCurrentPage NOTIFY currentPageChanged)
    Q_PROPERTY(bool slidable READ isSlidable CONSTANT)
    Q_PROPERTY(bool showsPageDots READ showsPageDots CONSTANT)
    Q_PROPERTY(qreal roomBelow READ roomBelow NOTIFY geometryChanged)
public:
    enum Kind { View, ScrollView, Image, Label, ZoomSlider, Slider, Button, Table, Picker, Art };
    Q_ENUM(Kind)
    // Which tick scale a zoom slider draws: its role's, or the plain one.
    enum Scheme { NoScheme, VolumeScheme, PositionScheme };
    Q_ENUM(Scheme)

    // element lives in document, which the control keeps alive.
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
    qreal opacity() const;
    // The player's state changed: take the look the rules give.
    void applyLook(const SkinControlRules::Look& look);
    const SkinControlRules::Look& look() const { return m_look; }

    QUrl image() const;
    QSizeF imageSize() const;
    // The size, on whole pixels, the image is decoded at: imageSize()'s,
    // once the skin's size has settled (see settleImages). Drawn at the size
    // it was decoded at, the image is copied rather than scaled at every
    // frame that passes over it.
    QSize imageSourceSize() const;
    // The skin's size has settled: images are decoded at their size now.
    void settleImages();
    // The images come from their twins, or no longer.
    void setTwinImages(bool twin);

    QString text() const { return m_text; }
    void setText(const QString& text);
    QColor textColor() const;
    bool showsSkipDistance() const;
    qreal distancePixelSize() const;
    QPointF distanceCentre() const;
    qreal distanceWidth() const;
    QColor distanceColor() const { return m_element.colour(u"distanceColour"); }
    QColor distanceDisabledColor() const;
    QColor highlightedTextColor() const;
    qreal fontPixelSize() const;
    qreal minimumFontPixelSize() const;

    double value() const { return m_value; }
    double maximum() const { return m_maximum; }
    void setValue(double value);
    void setMaximum(double maximum);
    Scheme scheme() const;
    QColor largeTickColor() const { return m_element.colour(u"largeTickColour"); }
    QColor mediumTickColor() const { return m_element.colour(u"mediumTickColour"); }
    QColor smallTickColor() const { return m_element.colour(u"smallTickColour"); }

    QUrl minimumTrack() const;
    QUrl maximumTrack() const;
    QUrl thumb() const;
    // The thumb and the tracks at their own sizes, scaled with the skin.
    QSizeF thumbSize() const;
    qreal trackHeight() const;
    qreal minimumTrackCap() const;
    qreal maximumTrackCap() const;

    qreal rowHeight() const;
    QUrl rowBackground() const { return skinImage(m_element.text(u"rowBackground")); }
    // A pressed or playing row: the skin's highlighted row, or its plain one
    // when it drew none.
    QUrl rowBackgroundHighlighted() const;
    QUrl frameImage() const { return skinImage(m_element.text(u"imgFrame")); }
    QUrl placeholderImage() const { return skinImage(m_element.text(u"imgPlaceholder")); }
    qreal inset() const { return m_element.number(u"inset", 0) * m_scale; }

    int pageCount() const { return m_element.pageCount; }
    int currentPage() const { return m_currentPage; }
    // Moves to a page (held within the pages); the main scroll view
    // remembers it across runs.
    void setCurrentPage(int page);
    bool isSlidable() const;
    // The main scroll view shows which of its pages is shown, when it has
    // more than one.
    bool showsPageDots() const;
    // Pixels between the control's bottom and the skin's (where the page
    // dots go).
    qreal roomBelow() const;
    // Where a swipe released at contentX (the pages' left edge offset)
    // with velocity (pixels per second, positive towards later pages)
    // comes to rest: the next page when it was thrown, else the nearest.
    Q_INVOKABLE int pageAfterRelease(qreal contentX, qreal velocity) const;
    // A wheel or trackpad event over the pages (its deltas in eighths of a
    // degree and in pixels): a sideways one turns them, by one page a
    // swipe. False for one that is not theirs.
    Q_INVOKABLE bool wheelSwiped(QPointF angleDelta, QPointF pixelDelta);

    // The user pressed the button, moved the slider or the zoom slider.
    Q_INVOKABLE void activate();
    Q_INVOKABLE void userMoved(double value);

signals:
    void geometryChanged();
    void lookChanged();
    void imagesChanged();
    void textChanged();
    void valueChanged();
    void currentPageChanged();

private:
    QUrl skinImage(const QString& name) const;
    QUrl builtInImage(const QString& name) const;
    QSizeF sliderImageSize(QStringView key, const QString& builtInName) const;
    QString buttonImageName() const;
    QSizeF imageSizeAt(qreal scale) const;

    std::shared_ptr<const SkinDocument> m_document;
    const SkinElement& m_element;
    Kind m_kind;
    SkinScene* m_scene;
    SkinControl* m_parent;
    std::vector<SkinControl*> m_children;
    QRectF m_rect;
    qreal m_scale = 1;
    // The scale imageSourceSize() follows; none before the first layout.
    qreal m_imageScale = 0;
    SkinControlRules::Look m_look;
    bool m_pressed = false;
    bool m_twin = false;
    QString m_text;
    double m_value = 0;
    double m_maximum = 1;
    int m_currentPage = 0;
    WheelPageTurn m_wheelTurn;
};
