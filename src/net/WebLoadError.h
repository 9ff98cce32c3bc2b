#pragma once

#include <QString>
#include <QUrl>

// Why a page (or a picture of a page) could not be loaded. Screens decide
// what to tell the user; the kinds let them tell "no connection" apart from
// "the server said no".
struct WebLoadError {
    enum class Kind {
        CannotConnect,     // no route, host unknown, refused, connection lost
        TimedOut,          // nothing arrived for too long
        HttpStatus,        // the server answered 4xx or 5xx (httpStatus)
        TooLarge,          // the reply passed the size limit
        FileNotFound,      // a local page that does not exist
        Unsupported,       // an address or a kind of content the viewer cannot show
        Other,
    };

    Kind kind = Kind::Other;
    QUrl url;
    int httpStatus = 0;
    QString description; // for the console log, not for the user
};
