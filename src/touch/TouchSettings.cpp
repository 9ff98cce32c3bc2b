#include "touch/TouchSettings.h"

#include "models/SettingsModel.h"
#include "models/SkipDistanceModel.h"

#include <QCoreApplication>

namespace {
// InterfaceOrientation codes, as playerlink reads a window's shape.
constexpr int portraitCode = 1;
constexpr int landscapeCode = 3;
}

TouchSettings::TouchSettings(const AppContext& context, QObject* parent)
    : QObject(parent)
    , m_rows(new SettingsModel(context, QCoreApplication::applicationVersion(), this))
    , m_distances(new SkipDistanceModel(context.defaults, this))
{
}

QObject* TouchSettings::rows() const
{
    return m_rows;
}

QObject* TouchSettings::skipDistances() const
{
    return m_distances;
}

void TouchSettings::activate(int row, bool portrait)
{
    m_rows->activate(row, portrait ? portraitCode : landscapeCode);
}

void TouchSettings::refresh()
{
    m_rows->refresh();
}

void TouchSettings::chooseSkipDistance(int row)
{
    m_distances->choose(row);
}
