#pragma once

#include "core/xml/AttributeMap.h"

#include <vector>

// One audio, video or subtitle stream: "streamId" and the stream's details
// (info name -> text), in the order VLC listed them.
using TrackRecord = AttributeMap;
using TrackList = std::vector<TrackRecord>;
