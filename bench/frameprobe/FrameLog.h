#pragma once

// The moments a window finished drawing, for the launch figures of
// bench/remote_screen_figures.py: one line per frame, "frame SECONDS
// SHOWN", with SECONDS on the monotonic clock (the script's time.monotonic())
// and SHOWN 1 when the remote screen stood in its place in that frame.
// The file is named by PLAYERLINK_FRAME_LOG.

#include <QByteArray>
#include <QtGlobal>

#include <cstdio>
#include <ctime>

class FrameLog {
public:
    FrameLog()
    {
        const QByteArray path = qgetenv("PLAYERLINK_FRAME_LOG");
        if (!path.isEmpty())
            m_file = std::fopen(path.constData(), "w");
    }
    ~FrameLog()
    {
        if (m_file)
            std::fclose(m_file);
    }
    FrameLog(const FrameLog&) = delete;
    FrameLog& operator=(const FrameLog&) = delete;

    void frame(bool remoteShown)
    {
        if (!m_file)
            return;
        timespec now {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::fprintf(m_file, "frame %lld.%09ld %d\n", static_cast<long long>(now.tv_sec), now.tv_nsec, remoteShown ? 1 : 0);
        std::fflush(m_file);
    }

private:
    std::FILE* m_file = nullptr;
};
