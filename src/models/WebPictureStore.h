#pragma once

#include <QImage>
#include <QUrl>

// The pictures web pages have fetched (within the web viewer's limits), by
// number, for the view to draw as image://webpicture/<number>: the text
// item asks for nothing else, so it fetches nothing itself. A number is
// never handed out twice. Pictures may be read from Qt Quick's loader
// threads.
namespace WebPictureStore {
inline constexpr const char* providerId = "webpicture";

int add(const QImage& picture);
void remove(int number);
QImage picture(int number);
QUrl url(int number);
}
