#pragma once
// A recording as an editable script: the pendant's side as a scenario, the console's side as a console script
// (docs/replay.md). A replay runs exactly the script it would write.
#include "replay/recording.h"

namespace replay {

struct ReplayOptions
{
    QString captureName;     // as the report names it
    double speed = 1;        // pendant: times scaled by 1/speed
    bool loop = false;       // pendant: start again at the end
    bool timing = false;     // pendant: answer after the recorded response time
    bool fast = false;       // console: requests back to back
};

// The console's connection as the window's fields take it; an empty field (port 0) keeps the window's default.
struct ConsoleSettings
{
    bool serial = false; // the "COM" tab instead of "UDP"
    QString serialPort;
    QString destIp, srcIp;
    quint16 destPort = 0, srcPort = 0;
};

// The connection the recording shows, or the pendant `target` names (ADDRESS:PORT, else a serial device).
[[nodiscard]] ConsoleSettings consoleSettings(const Recording &recording, const QString &target);

[[nodiscard]] QString pendantScenario(const Recording &recording, const ReplayOptions &options);
[[nodiscard]] QString consoleScript(const Recording &recording, const ReplayOptions &options, const ConsoleSettings &settings);

} // namespace replay
