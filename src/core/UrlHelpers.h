#pragma once

#include <QString>
#include <QUrl>

// Helpers that split a URL into the file name and folder used to mirror web
// pages locally. P stands for the URL's host followed by its path.
class UrlHelpers {
public:
    static int lastSlash(const QString& text);
    static QString fileName(const QUrl& url);
    static QString directory(const QUrl& url);
    static QString resourceSpecifier(const QUrl& url);
    static void dump(const QUrl& url, const QString& label);
};
