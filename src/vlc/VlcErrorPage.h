#pragma once

#include <QByteArray>
#include <QString>

// VLC's web interface answers a request it cannot carry out (a folder it
// cannot open, say) with a page "Error loading ..." whose <pre> holds the
// Lua error. This reads that message as one short, printable line, without
// the script's file and line; empty for any other page.
namespace VlcErrorPage {
QString message(const QByteArray& body);
}
