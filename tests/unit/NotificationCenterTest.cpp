#include "core/NotificationCenter.h"

#include <QObject>

#include <gtest/gtest.h>

#include <memory>

TEST(NotificationCenter, DeliversByNameAndSender)
{
    NotificationCenter center;
    QObject observer;
    int sender1 = 0, sender2 = 0;
    QStringList seen;
    center.addObserver(&observer, QStringLiteral("A"), [&](const Notification& n) { seen << "any:" + n.name; });
    center.addObserver(&observer, QStringLiteral("A"), [&](const Notification&) { seen << "only1"; }, &sender1);
    center.post(QStringLiteral("A"), &sender1, { { "k", 1 } });
    center.post(QStringLiteral("A"), &sender2);
    center.post(QStringLiteral("B"), &sender1);
    EXPECT_EQ(seen, (QStringList { "any:A", "only1", "any:A" }));
}

TEST(NotificationCenter, ForgetsObserversThatAreDestroyed)
{
    NotificationCenter center;
    int calls = 0;
    auto observer = std::make_unique<QObject>();
    center.addObserver(observer.get(), QStringLiteral("A"), [&](const Notification&) { ++calls; });
    center.addObserver(observer.get(), QStringLiteral("B"), [&](const Notification&) { ++calls; });
    EXPECT_EQ(center.observerCount(QStringLiteral("A")), 1);
    observer.reset();
    EXPECT_EQ(center.observerCount(QStringLiteral("A")), 0);
    EXPECT_EQ(center.observerCount(QStringLiteral("B")), 0);
    center.post(QStringLiteral("A"));
    EXPECT_EQ(calls, 0);
}

TEST(NotificationCenter, ObserversMayComeAndGoDuringDelivery)
{
    NotificationCenter center;
    auto first = std::make_unique<QObject>();
    auto second = std::make_unique<QObject>();
    QObject late;
    int secondCalls = 0, lateCalls = 0;
    // The first observer destroys the second and registers a new one.
    center.addObserver(first.get(), QStringLiteral("A"), [&](const Notification&) {
        second.reset();
        center.addObserver(&late, QStringLiteral("A"), [&](const Notification&) { ++lateCalls; });
    });
    center.addObserver(second.get(), QStringLiteral("A"), [&](const Notification&) { ++secondCalls; });
    center.post(QStringLiteral("A"));
    EXPECT_EQ(secondCalls, 0);
    EXPECT_EQ(lateCalls, 0); // registered after the post began
    center.post(QStringLiteral("A"));
    EXPECT_EQ(lateCalls, 1);
}

TEST(NotificationCenter, RemovesSelectively)
{
    NotificationCenter center;
    QObject observer;
    int calls = 0;
    center.addObserver(&observer, QStringLiteral("A"), [&](const Notification&) { ++calls; });
    center.addObserver(&observer, QStringLiteral("B"), [&](const Notification&) { ++calls; });
    center.removeObserver(&observer, QStringLiteral("A"));
    center.post(QStringLiteral("A"));
    center.post(QStringLiteral("B"));
    EXPECT_EQ(calls, 1);
    center.removeObserver(&observer);
    center.post(QStringLiteral("B"));
    EXPECT_EQ(calls, 1);
}
