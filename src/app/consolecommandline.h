#pragma once
// zandorex's command line: what it asks for, read before any window system is touched, so that --help,
// --version and a mistake are answered on any terminal.
#include "app/controlcommandline.h"
#include "eventlog/logrecorder.h"
#include "script/scriptrunner.h"

#include <optional>

struct ConsoleCommandLine
{
    bool simulatedPendant = false;
    bool headless = false;
    bool keepRunning = false;
    script::ScriptOptions script;        // file empty: none
    script::ScriptOptions pendantScript; // the built-in pendant's scenario
    QString capture;                     // empty: none
    QString record;                      // the log's file; empty: none
    eventlog::RecordOptions recordOptions;
    ControlOptions control;
};

// The command line, or the exit status to end with at once (after --help, --version or a mistake, which it
// prints).
[[nodiscard]] std::optional<ConsoleCommandLine> readCommandLine(int argc, char *argv[], int *exitStatus);
