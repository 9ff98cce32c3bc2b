#pragma once

#include "SampleMedia.h"
#include "VlcInstance.h"

#include <gtest/gtest.h>

#include <memory>

// A test case with a real VLC of its own, started with the sample files and
// playing the first. VLC 3.0.24 can crash when its web interface renders a
// status while an item switch is under way, so cases do not share one
// long-lived player: a VLC that dies takes only its own case with it (which
// then gets a second run, see SecondRun.h).
class RealVlcTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_media = std::make_unique<SampleMedia>(); }
    static void TearDownTestSuite() { s_media.reset(); }

    // Starts VLC (skipping the case where VLC cannot run here).
    void startVlc(const QString& password = QStringLiteral("secret"));
    // Says so when VLC went away on its own, with its log and backtrace.
    void TearDown() override;

    static SampleMedia& media() { return *s_media; }
    std::unique_ptr<VlcInstance> vlc;

private:
    static std::unique_ptr<SampleMedia> s_media;
};
