#pragma once

#include "models/skin/SkinElement.h"

#include <QSize>
#include <QString>

#include <optional>

// A skin definition read without any view toolkit: the folder's
// SkinDefinition.xml, read by the one SkinReader with all its limits,
// turned into a tree of SkinElements per orientation, laid out as the
// definition says (frames in points, the pages of a scroll view side by
// side). Both front ends can draw from it.
//
// A definition that is missing, unreadable or not well-formed gives what
// could be read (possibly nothing) and isLoaded() false; one that the
// reader refuses (views nested too deep, images outside the folder or past
// their budget) gives nothing.
class SkinDocument {
public:
    // folder: the skin's absolute directory.
    explicit SkinDocument(const QString& folder);

    QString folder() const { return m_folder; }
    bool isLoaded() const { return m_isLoaded; }
    // apiVersion of the skin element; 0 when absent.
    float apiVersion() const { return m_apiVersion; }

    // The root view of "Portrait" or "Landscape": the first view of that
    // element, else the element itself, else the skin element (so a skin
    // without Landscape shows what its skin element holds directly, which
    // is normally nothing). Null when that root is hidden or of an unknown
    // type, and for other names.
    const SkinElement* root(const QString& orientation) const;
    // The root's size in points (empty when there is none).
    QSize pointSize(const QString& orientation) const;

private:
    QString m_folder;
    bool m_isLoaded = false;
    float m_apiVersion = 0;
    std::optional<SkinElement> m_portrait;
    std::optional<SkinElement> m_landscape;
};
