#include "AtspiTree.h"

#include "TestSupport.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace {
const QString launcher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");

QString python()
{
    // The desktop's Python, where the Debian package puts pyatspi.
    return QFileInfo::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                  : QStringLiteral("python3");
}
}

QString AtspiTree::missing()
{
    QProcess probe;
    probe.start(python(), { QStringLiteral("-c"), QStringLiteral("import pyatspi") });
    const bool pyatspi = probe.waitForFinished(20000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0;
    if (!QFileInfo::exists(launcher) || !pyatspi)
        return QStringLiteral("AT-SPI is not installed: needs the Debian packages at-spi2-core and python3-pyatspi "
                              "(scripts/install-deps.sh)");
    return {};
}

void AtspiTree::join()
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
        << "needs a real display: run through CTest (xvfb-run, PLAYERLINK_TEST_PLATFORM=xcb)";
    ASSERT_FALSE(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS").contains(QStringLiteral("nonexistent")))
        << "needs a session bus of its own: run through CTest (dbus-run-session)";
    // Qt joins the accessibility bus once its launcher is there, and only
    // asks it to start when a screen reader would be running.
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    ASSERT_TRUE(bus && bus->startService(QStringLiteral("org.a11y.Bus")).isValid())
        << "the session bus could not start at-spi-bus-launcher";
    ASSERT_TRUE(waitUntil([] { return QAccessible::isActive(); }, 10000))
        << "the application did not join the accessibility bus (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1?)";
}

std::vector<AtspiTree::Element> AtspiTree::read()
{
    QProcess reader;
    reader.start(python(), { QStringLiteral(PLAYERLINK_ATSPI_TREE_SCRIPT),
                             QString::number(QCoreApplication::applicationPid()), QStringLiteral("10") });
    // The answers come from this process's event loop: keep it turning.
    const bool done = waitUntil([&] { return reader.state() == QProcess::NotRunning; }, 30000);
    if (!done)
        reader.kill();
    EXPECT_TRUE(done && reader.exitCode() == 0) << reader.readAllStandardError().toStdString();
    std::vector<Element> elements;
    for (const QByteArray& line : reader.readAllStandardOutput().split('\n')) {
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        if (o.isEmpty())
            continue;
        Element e { o[u"path"].toString(), o[u"role"].toString(), o[u"name"].toString(),
                    o[u"description"].toString(), o[u"text"].toString(), {}, {} };
        for (const QJsonValue& state : o[u"states"].toArray())
            e.states << state.toString();
        for (const QJsonValue& v : o[u"value"].toArray())
            e.value << v.toDouble();
        elements.push_back(e);
    }
    return elements;
}

const AtspiTree::Element* AtspiTree::find(const std::vector<Element>& elements, const QString& role,
                                          const QString& nameOrDescription)
{
    for (const Element& e : elements)
        if (e.role == role && e.showing() && (e.name == nameOrDescription || e.description == nameOrDescription))
            return &e;
    return nullptr;
}
