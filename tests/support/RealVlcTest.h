#pragma once

#include "SampleMedia.h"
#include "VlcInstance.h"

#include <gtest/gtest.h>

#include <memory>

// A test case with a real VLC of its own, started with the sample files and
// playing the first. VLC 3.0 crashes now and then when its playlist is
// emptied or played while it is still reading new files, so cases do not
// share one long-lived player whose playlist they rebuild.
class RealVlcTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_media = std::make_unique<SampleMedia>(); }
    static void TearDownTestSuite() { s_media.reset(); }

    // Starts VLC (skipping the case where VLC cannot run here).
    void startVlc(const QString& password = QStringLiteral("secret"));
    // Says so when VLC went away on its own, with its log.
    void TearDown() override;

    static SampleMedia& media() { return *s_media; }
    std::unique_ptr<VlcInstance> vlc;

private:
    static std::unique_ptr<SampleMedia> s_media;
};
