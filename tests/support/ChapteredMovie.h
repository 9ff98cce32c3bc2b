#pragma once

#include <QString>
#include <QTemporaryDir>

// A short Matroska film made with ffmpeg for the advanced controls: one
// 320x240 video stream, two audio streams (English, French), two subtitle
// streams (English, German) and three chapters of 20 seconds each. Readable
// by the user VLC runs as.
class ChapteredMovie {
public:
    static constexpr int seconds = 60;
    static constexpr int chapterSeconds = 20;

    ChapteredMovie();
    bool isValid() const { return !m_path.isEmpty(); }
    QString error() const { return m_error; }
    QString path() const { return m_path; }

private:
    QTemporaryDir m_dir;
    QString m_path;
    QString m_error;
};
