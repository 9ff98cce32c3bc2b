#pragma once

#include "core/xml/XmlNode.h"

#include <QString>

// Reads a skin folder's SkinDefinition.xml with every limit a skin from
// anywhere is held to; both front ends and the installer read skins only
// through here. The definition is opened only as a regular file inside the
// folder (symlinks followed must stay inside) of at most maxDefinitionBytes;
// views may nest at most maxViewNesting deep; every image the definition
// names, and its @2x twin, must lie inside the folder and keep within the
// budgets of SkinImageBudget.
//
// A definition that is missing, unreadable or not well-formed gives what
// could be read and isLoaded false. One that nests too deep, or whose images
// are refused, gives nothing (an empty document node) and says why in the
// log, naming the skin by the name it was given.
class SkinReader {
public:
    enum class Refusal { None, TooDeep, Images };

    // Views nest at most this deep (the orientation's root view counts).
    static constexpr int maxViewNesting = 64;
    // A definition is a few kilobytes; one far larger is no skin.
    static constexpr qint64 maxDefinitionBytes = 4 * 1024 * 1024;

    // The skin element (the document node when there is none); never null.
    XmlNodePtr skin;
    // The definition read whole, well-formed, with a skin element.
    bool readWhole = false;
    // Read whole and not refused.
    bool isLoaded = false;
    Refusal refusal = Refusal::None;
    // What is wrong with the skin's images, when they were refused.
    QString problem;
    // apiVersion of the skin element; 0 when absent or refused.
    float apiVersion = 0;

    // folder: the skin's absolute directory; name: what the log calls it.
    static SkinReader read(const QString& folder, const QString& name);
};
