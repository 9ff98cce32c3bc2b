#pragma once

#include <QString>

class AlertPresenter;

// What keeps a remote's configuration from being saved, as every front
// end's configuration screen tells it: a name and an address are both
// needed, and the address must be one requests can be made of.
namespace RemoteConfigProblem {
// Why this name and (trimmed) address cannot be saved; empty when they can.
QString describe(const QString& nickname, const QString& address);
// The "Details..." alert that says so.
void show(AlertPresenter& alerts, const QString& problem);
}
