#pragma once

class AlertPresenter;
class Clock;
class Navigator;
class QNetworkAccessManager;
class UserDefaults;

// The services an owner hands down to what it makes: screens and models
// take them here instead of reaching for globals. None is owned; each
// outlives everything it is given to.
struct AppContext {
    // Every request to VLC and to the outside services goes through it.
    QNetworkAccessManager* network;
    UserDefaults& defaults;
    AlertPresenter& alerts;
    const Clock& clock;
    Navigator& navigator;
};
