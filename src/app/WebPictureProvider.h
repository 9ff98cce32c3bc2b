#pragma once

#include <QImage>
#include <QQuickImageProvider>

// Hands Qt Quick the web pages' pictures of WebPictureStore.
class WebPictureProvider : public QQuickImageProvider {
public:
    WebPictureProvider();

    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;
};
