#include "models/SettingsScreen.h"

#include "models/SettingsModel.h"
#include "models/SkipDistanceModel.h"

#include <QCoreApplication>

namespace {
// InterfaceOrientation codes, as the window's shape is read.
constexpr int portraitCode = 1;
constexpr int landscapeCode = 3;
}

SettingsScreen::SettingsScreen(const AppContext& context, QObject* parent)
    : QObject(parent)
    , m_rows(new SettingsModel(context, QCoreApplication::applicationVersion(), this))
    , m_distances(new SkipDistanceModel(context.defaults, this))
{
}

QObject* SettingsScreen::rows() const
{
    return m_rows;
}

QObject* SettingsScreen::skipDistances() const
{
    return m_distances;
}

void SettingsScreen::activate(int row, bool portrait)
{
    m_rows->activate(row, portrait ? portraitCode : landscapeCode);
}

void SettingsScreen::refresh()
{
    m_rows->refresh();
}

void SettingsScreen::chooseSkipDistance(int row)
{
    m_distances->choose(row);
}
