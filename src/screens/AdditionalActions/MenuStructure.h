#pragma once

#include "core/TableStructure.h"

#include <QVariantMap>

class TableStructureModel;

// A menu model's sections and rows as a table of the given row style, each
// row with a disclosure mark where it leads on (moreRole says so).
TableStructure menuStructure(const TableStructureModel& rows, const QVariantMap& style, int moreRole);
