#pragma once

#include <QStringList>

class QWindow;
class SingleInstance;
class SkinsScreen;

// The skin links playerlink is given, as the program takes them: those
// of its own command line are asked about once the window shows; a later
// plain launch of either program (of the same home) brings the window to
// the front and its links are asked about too.
void takeLaunchLinks(const QStringList& links, SingleInstance& instance, QWindow* window, SkinsScreen& skins);
