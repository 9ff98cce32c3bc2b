#include "app/skin/SkinArtItem.h"

#include "models/skin/SkinScene.h"

#include <QPainter>
#include <QQuickWindow>

SkinArtItem::SkinArtItem(QQuickItem* parent)
    : QQuickPaintedItem(parent)
{
    setAcceptedMouseButtons(Qt::NoButton);
}

SkinScene* SkinArtItem::scene() const
{
    return m_scene;
}

void SkinArtItem::setScene(SkinScene* scene)
{
    if (scene == m_scene)
        return;
    if (m_scene)
        disconnect(m_scene, nullptr, this, nullptr);
    m_scene = scene;
    if (scene)
        connect(scene, &SkinScene::artChanged, this, &SkinArtItem::takePicture);
    emit sceneChanged();
    takePicture();
}

void SkinArtItem::takePicture()
{
    const QImage picture = m_scene ? m_scene->art() : QImage();
    if (picture.isNull() && m_picture.isNull())
        return;
    m_picture = picture;
    m_scaled = QImage();
    emit pictureChanged();
    update();
}

void SkinArtItem::paint(QPainter* painter)
{
    if (m_picture.isNull() || width() <= 0 || height() <= 0)
        return;
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    const QSize pixels = (m_picture.size().scaled(size().toSize() * dpr, Qt::KeepAspectRatio));
    if (pixels.isEmpty())
        return;
    if (m_scaled.size() != pixels)
        m_scaled = m_picture.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QSizeF shown = QSizeF(m_scaled.size()) / dpr;
    const QRectF target((width() - shown.width()) / 2, (height() - shown.height()) / 2, shown.width(), shown.height());
    painter->drawImage(target, m_scaled);
}
