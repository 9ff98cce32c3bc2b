#pragma once

#include <QString>

#include <vector>

// The distances the remote screen's skip buttons can jump, as the settings
// offer them: thirteen, from 5 seconds to 15 minutes, each with its words.
namespace SkipDistances {
// In seconds, shortest first.
const std::vector<int>& offered();
// "%d Seconds" / "%d Minutes" (the plural for 1 as well).
QString seconds(int count);
QString minutes(int count);
// The words for an offered distance, in the reader's language; empty for
// a distance the list does not offer.
QString wordForDistance(int distance);
}
