#pragma once

#include <QString>

// Why a typed remote address cannot be used, in the user's words, as every
// front end's configuration shows it; empty when it can be used.
namespace RemoteAddressProblem {
QString describe(const QString& address);
}
