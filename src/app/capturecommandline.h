#pragma once
// --capture FILE.pcap, which both programs take: the wire traffic to a capture file (docs/wire-protocol.md).
#include "capture/trafficcapture.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <memory>

// The exit status of a program whose capture or recorded log cannot be written at start.
inline constexpr int FileUnwritable = 4;

struct CaptureCommandLine
{
    CaptureCommandLine();
    QCommandLineOption capture;
};

// Starts the capture and makes it the program's tap: null, with the problem printed as PROGRAM: …, when the file
// cannot be written. A later failure is printed the same way (`failed` tells the window); the links go on.
[[nodiscard]] std::unique_ptr<capture::TrafficCapture> startCapture(const QString &path, capture::LinkKind expected,
                                                                    const char *program);
