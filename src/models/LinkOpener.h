#pragma once

class QUrl;

// Hands web pages and mail links to the platform's own programs.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // Whether a program took it.
    virtual bool open(const QUrl& url) = 0;
};
