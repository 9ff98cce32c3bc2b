#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The letter index of the folder browser: "." and A to Z over a listing
// in the order of NameOrder.
namespace BrowseIndex {
QStringList titles();
// The row a title jumps to: the first entry whose whole name the title
// orders before (in NameOrder, the title on the left), else the last
// entry; -1 for an empty listing.
int rowForTitle(const QString& title, int count, const std::function<QString(int)>& nameAt);
// The first entry whose name begins with the prefix, case and accents
// aside; -1 when none does.
int rowForPrefix(const QString& prefix, int count, const std::function<QString(int)>& nameAt);
}
