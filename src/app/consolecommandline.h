#pragma once
// zandorex's command line: what it asks for, read before any window system is touched, so that --help,
// --version and a mistake are answered on any terminal.
#include <QString>
#include <optional>

struct ConsoleCommandLine
{
    bool simulatedPendant = false;
    bool headless = false;
    QString script;
    QString junit;
    int timeoutSeconds = 600;
};

// The command line, or the exit status to end with at once (after --help, --version or a mistake, which it
// prints).
[[nodiscard]] std::optional<ConsoleCommandLine> readCommandLine(int argc, char *argv[], int *exitStatus);
