#pragma once

#include <QStringList>

class Navigator;
class RemoteSession;

// The remote screen's "More..." choices, as every front end offers them:
// the advanced controls, the two web searches for what plays, skins and
// settings, and Cancel last.
class MoreActions {
public:
    static QString title();
    static QStringList buttons();
    // The button at index was chosen (Cancel, or none, does nothing).
    static void choose(int index, RemoteSession& session, Navigator& navigator);
};
