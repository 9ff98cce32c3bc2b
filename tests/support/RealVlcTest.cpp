#include "RealVlcTest.h"

std::unique_ptr<SampleMedia> RealVlcTest::s_media;

void RealVlcTest::startVlc(const QString& password)
{
    QString why;
    if (!VlcInstance::canRun(&why))
        GTEST_SKIP() << why.toStdString();
    VlcInstance::Options options;
    options.password = password;
    options.media = s_media->files();
    vlc = std::make_unique<VlcInstance>(options);
    ASSERT_TRUE(vlc->started()) << vlc->error().toStdString();
}

void RealVlcTest::TearDown()
{
    vlc.reset(); // reports a VLC that died on its own
}
