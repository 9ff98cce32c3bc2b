#pragma once

#include "models/AppContext.h"

#include <QObject>

class RemoteSession;
class ViewController;

// Asks the user for VLC's password when the session's remote wants one (once
// per refusal, and again when asked for), and tells them when VLC runs with
// none set, while the screen it speaks for is on top.
class RemotePasswordPrompt : public QObject {
    Q_OBJECT
public:
    RemotePasswordPrompt(const AppContext& context, RemoteSession& session, ViewController& screen);
    ~RemotePasswordPrompt() override;

    // What the title's click asks for: the prompt or the hint, if either.
    void askAgain();
    void prompt();
    void showNoPasswordHint();

private:
    AppContext m_context;
    RemoteSession& m_session;
    ViewController& m_screen;
    bool m_open = false;
};
