#pragma once

#include <QStringView>

// Names in the order people read them: letter case and accents aside
// ("alpha" before "Café" before "Zebra"), numbers by their value ("2"
// before "10"), in the language of the user (English where none is set).
namespace NameOrder {
// Below 0 when a comes first, 0 when they read the same, above 0 otherwise.
int compare(QStringView a, QStringView b);
}
