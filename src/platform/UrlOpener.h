#pragma once

#include <QUrl>

#include <functional>

// Opens web pages and mail links in the desktop's own programs. Tests put
// a recorder in its place so that nothing leaves the machine.
class UrlOpener {
public:
    using Handler = std::function<bool(const QUrl&)>;
    static bool open(const QUrl& url);
    // nullptr restores the desktop's opener.
    static void setHandler(Handler handler);
};
