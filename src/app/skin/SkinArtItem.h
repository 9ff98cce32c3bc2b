#pragma once

#include <QImage>
#include <QPointer>
#include <QQuickPaintedItem>
#include <QtQml/qqmlregistration.h>

class SkinScene;

// The playing item's art in a skin's art view: whole, centred, with its own
// proportions, scaled smoothly (area averaging, once per size) to the
// device pixels it takes, so that a large cover shrunk to a thumbnail stays
// smooth. The frame and placeholder images are the skin's, drawn around it.
// The art is the scene's.
class SkinArtItem : public QQuickPaintedItem {
    Q_OBJECT
    QML_NAMED_ELEMENT(SkinArtPicture)
    Q_MOC_INCLUDE("models/skin/SkinScene.h")
    Q_PROPERTY(SkinScene* scene READ scene WRITE setScene NOTIFY sceneChanged)
    Q_PROPERTY(bool hasPicture READ hasPicture NOTIFY pictureChanged)
public:
    explicit SkinArtItem(QQuickItem* parent = nullptr);

    SkinScene* scene() const;
    void setScene(SkinScene* scene);
    QImage picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }

    void paint(QPainter* painter) override;

signals:
    void sceneChanged();
    void pictureChanged();

private:
    void takePicture();

    QPointer<SkinScene> m_scene;
    QImage m_picture;
    QImage m_scaled;
};
