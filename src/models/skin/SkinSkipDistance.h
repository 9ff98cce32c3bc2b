#pragma once

#include <QString>

// What a skip button shows of the chosen skip distance: seconds ("30"), or
// whole minutes ("2m").
namespace SkinSkipDistance {
QString caption(int seconds);
}
