#pragma once
// zandorex-pendant's command line, read before any window system is touched, so that --help, --version and a
// mistake are answered on any terminal.
#include "app/controlcommandline.h"
#include "script/scriptrunner.h"

#include <QHostAddress>
#include <optional>

struct PendantCommandLine
{
    QString serialDevice;               // or UDP:
    QHostAddress localAddress, peerAddress;
    quint16 localPort = 0, peerPort = 0;
    bool headless = false;
    bool keepRunning = false;
    script::ScriptOptions scenario;     // file empty: none
    QString capture;                    // empty: none
    ControlOptions control;
};

// The exit status of its own; a scenario's statuses (0 to 3) are the script's; 2, a wrong argument, is
// ProgramCommandLine::BadArgument (programcommandline.h); 4, a capture that cannot be written, is FileUnwritable
// (capturecommandline.h).
enum PendantExit { LinkUnavailable = 3 };

[[nodiscard]] std::optional<PendantCommandLine> readPendantCommandLine(int argc, char *argv[], int *exitStatus);
