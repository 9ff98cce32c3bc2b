#pragma once

#include "core/xml/AttributeMap.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <vector>

// One control or container of a skin definition, as every front end draws
// it: its kind, its role (id), its frame in points relative to its parent,
// the attributes it was written with, and what it holds.
//
// Children stand in stacking order, lowest first: a view's images (the one
// listed last lowest), then its labels, zoom sliders, sliders, buttons,
// tables, pickers and art, each kind in document order, then its nested
// views. Elements the skin hides (hidden="1") or cannot build are left out.
struct SkinElement {
    enum class Kind { View, ScrollView, Image, Label, ZoomSlider, Slider, Button, Table, Picker, Art };

    Kind kind = Kind::View;
    QString id;
    QRect frame;
    AttributeMap attributes;
    std::vector<SkinElement> children;
    // A scroll view: its pages, counted by its view elements, including
    // those that built nothing (their pages stay empty).
    int pageCount = 0;
    // A page of a scroll view: its place; its frame's x is place × the
    // scroll view's width.
    int page = -1;

    // The definition's element name ("button", "zoom_slider", ...).
    QString kindName() const;
    bool has(QStringView key) const { return attributes.contains(key); }
    QString text(QStringView key) const { return attributes.value(key); }
    // Numbers are read from their leading digits; absent gives fallback.
    double number(QStringView key, double fallback) const;
    int integer(QStringView key, int fallback) const;
    // A colour string ("r,g,b,a", each 0-1); absent or short gives white.
    QColor colour(QStringView key) const;

    // Every element of this kind anywhere under (and including) this one,
    // in stacking order.
    std::vector<const SkinElement*> all(Kind kind) const;
};
