#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// What a screen reader hears of this process's windows, read the way Orca
// reads it: through the desktop's accessibility bus (AT-SPI), by a client
// in another process (support/atspi_tree.py on pyatspi). The test runs on a
// display and a session bus of its own (xvfb-run, dbus-run-session); the bus
// launcher is started through the session bus, and the registry starts when
// first asked for.
namespace AtspiTree {
struct Element {
    QString path, role, name, description, text;
    QStringList states;
    QList<double> value; // current, minimum, maximum
    bool showing() const { return states.contains(QStringLiteral("showing")); }
};

// Why the bus cannot be read here (missing packages), or empty.
QString missing();
// Joins this process to the accessibility bus; fails the test (with the
// reason) where it cannot.
void join();
// The process's elements as the bus shows them now.
std::vector<Element> read();
// The first element showing with that role and name or description.
const Element* find(const std::vector<Element>& elements, const QString& role, const QString& nameOrDescription);
}
