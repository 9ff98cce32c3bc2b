#pragma once

#include <QString>

// The keys of a row dictionary (see TableStructure). The suffix names the
// type of the value: read them with DictionaryHelpers.
inline const QString BW_ROW_ID_INT = QStringLiteral("BW_ROW_ID_INT");
inline const QString BW_ROW_CELL_CLASS_CLASS = QStringLiteral("BW_ROW_CELL_CLASS_CLASS");
inline const QString BW_ROW_CELL_ID_STRING = QStringLiteral("BW_ROW_CELL_ID_STRING");
inline const QString BW_ROW_HEIGHT_FLOAT = QStringLiteral("BW_ROW_HEIGHT_FLOAT");
inline const QString BW_ROW_AUTO_ACCESSORY_STYLE_INT = QStringLiteral("BW_ROW_AUTO_ACCESSORY_STYLE_INT");
inline const QString BW_ROW_AUTO_SELECTION_STYLE_INT = QStringLiteral("BW_ROW_AUTO_SELECTION_STYLE_INT");
inline const QString BW_ROW_EDIT_STYLE_INT = QStringLiteral("BW_ROW_EDIT_STYLE_INT");
// Two underscores after ROW: this is the stored key, keep it that way.
inline const QString BW_ROW__AUTO_TEXT_STRING = QStringLiteral("BW_ROW__AUTO_TEXT_STRING");
inline const QString BW_ROW_INFO_INT = QStringLiteral("BW_ROW_INFO_INT");
