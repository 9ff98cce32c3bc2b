#pragma once

#include <QImage>
#include <QQuickImageProvider>
#include <QUrl>

// Serves the pictures web pages have fetched (within the web viewer's
// limits) to Qt Quick as image://webpicture/<number>; the text item asks
// for nothing else, so it fetches nothing itself. A number is never handed
// out twice.
class WebPictureProvider : public QQuickImageProvider {
public:
    static constexpr const char* providerId = "webpicture";

    WebPictureProvider();

    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;

    static int add(const QImage& picture);
    static void remove(int number);
    static QUrl url(int number);
};
