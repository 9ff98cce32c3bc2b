#include "SecondRun.h"

#include "VlcInstance.h"

#include <QByteArray>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {
const char* const secondRunVariable = "PLAYERLINK_SECOND_RUN";
}

bool isSecondRun()
{
    return qEnvironmentVariableIsSet(secondRunVariable);
}

int runAgainWhereVlcDied(int result, int argc, char** argv)
{
    if (result == 0 || isSecondRun())
        return result;
    const ::testing::UnitTest& unit = *::testing::UnitTest::GetInstance();
    QStringList failed;
    for (int s = 0; s < unit.total_test_suite_count(); ++s) {
        const ::testing::TestSuite& suite = *unit.GetTestSuite(s);
        for (int t = 0; t < suite.total_test_count(); ++t) {
            const ::testing::TestInfo& info = *suite.GetTestInfo(t);
            if (info.result()->Failed())
                failed << QStringLiteral("%1.%2").arg(QString::fromUtf8(suite.name()), QString::fromUtf8(info.name()));
        }
    }
    const QStringList died = VlcInstance::casesWhereVlcDied();
    if (failed.isEmpty())
        return result;
    for (const QString& name : failed)
        if (!died.contains(name))
            return result; // a failure of ours: no second run
    std::printf("\nnote: VLC itself died under %s (see the reports above); running %s\n\n",
                qPrintable(failed.join(QStringLiteral(", "))),
                failed.size() == 1 ? "it once more on a fresh VLC" : "them once more, each on a fresh VLC");
    std::fflush(stdout);
    std::fflush(stderr);
    std::vector<QByteArray> args { QByteArray(argv[0]), "--gtest_filter=" + failed.join(u':').toUtf8() };
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    std::vector<char*> raw;
    for (QByteArray& arg : args)
        raw.push_back(arg.data());
    raw.push_back(nullptr);
    qputenv(secondRunVariable, "1");
    ::execv(raw[0], raw.data());
    std::perror("second run could not start");
    return result;
}
