#pragma once
// --replay FILE.pcap and its options, which both programs take: a capture played as a peer, as the script that
// --write-script writes (docs/replay.md).
#include "replay/scriptwriter.h"
#include "script/scriptrunner.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

class ReplayCommandLine
{
public:
    enum class Side { Pendant, Console };
    explicit ReplayCommandLine(Side side);
    void addTo(QCommandLineParser &parser) const;
    [[nodiscard]] bool isSet(const QCommandLineParser &parser) const { return parser.isSet(m_replay); }
    [[nodiscard]] bool writesScript(const QCommandLineParser &parser) const { return parser.isSet(m_writeScript); }

    // The capture's conversation, or why not ("cannot replay FILE: WHY"); false also for a wrong option value.
    [[nodiscard]] bool read(const QCommandLineParser &parser, replay::Recording &recording, QString *problem) const;
    // The replay as a script run: its text, named after the capture, and a time-out that fits the capture unless
    // --timeout gave one. Writes it instead when --write-script asks (true and *written set: the program ends).
    [[nodiscard]] bool prepare(const QCommandLineParser &parser, const replay::Recording &recording,
                               const replay::ConsoleSettings &console, script::ScriptOptions &run, bool *written,
                               QString *problem) const;
    [[nodiscard]] QString target(const QCommandLineParser &parser) const { return parser.value(m_to); }

private:
    // The options that go with --replay on this side.
    [[nodiscard]] QList<QCommandLineOption> sideOptions() const;

    Side m_side;
    QCommandLineOption m_replay, m_peer, m_writeScript, m_speed, m_loop, m_timing, m_to, m_fast;
};
