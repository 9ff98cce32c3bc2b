#pragma once

#include "vlc/RemoteTypes.h"

#include <QString>

class AlertPresenter;

// The alerts screens show for what a remote reports as values: the remote
// itself never shows anything.
namespace RemoteAlerts {
// "Error..." when a request could not be built from the remote's address;
// nothing for any other outcome (network failures show only through the
// connection text). One at a time: every poll of such an address fails alike.
void showForRequest(AlertPresenter& alerts, const RequestResult& result);
}
