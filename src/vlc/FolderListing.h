#pragma once

#include "core/xml/AttributeMap.h"

#include <QByteArray>

#include <vector>

// One entry of a folder listing: every attribute VLC gave it, since the
// browser may ask for any of them.
using BrowseEntry = AttributeMap;

namespace FolderListing {
std::vector<BrowseEntry> read(const QByteArray& body);
}
