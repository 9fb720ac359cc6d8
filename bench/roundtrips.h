#pragma once
// Round trips for the benchmarks that compare something with GetKeyState from C++ through the real provider to a
// pendant on UDP 127.0.0.1.
#include "cao/engine.h"
#include "tavlox/tavloxprovider.h"
#include "tavlox/wirelinks.h"

#include <QElapsedTimer>
#include <QUdpSocket>
#include <algorithm>
#include <vector>

// A UDP port on 127.0.0.1 that nothing uses now.
inline quint16 freeUdpPort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

// The median and the 99th percentile of a run's times.
struct Figures
{
    double p50 = 0;
    double p99 = 0;
};

inline Figures summarise(std::vector<double> microseconds)
{
    std::sort(microseconds.begin(), microseconds.end());
    return {microseconds[microseconds.size() / 2], microseconds[microseconds.size() * 99 / 100]};
}

// The time of each round trip, in microseconds, after the warm-up rounds.
inline std::vector<double> getKeyStateTimes(quint16 pendantPort, quint16 consolePort, int rounds, int warmup)
{
    cao::ScopedProviderRegistration registration(QString::fromLatin1(tavlox::ProgrammaticId),
                                                 std::make_shared<tavlox::TavloxProvider>(&tavlox::makeWireLink));
    cao::Engine engine;
    auto controller = engine.Workspaces().Item(0)->AddController(
        QStringLiteral("Tavlox"), QString::fromLatin1(tavlox::ProgrammaticId), QString(),
        QStringLiteral("UDP=127.0.0.1:%1:127.0.0.1:%2,TPInitWait=600000,ExecuteTimeout=1000").arg(pendantPort).arg(consolePort));
    std::vector<double> times;
    QElapsedTimer clock;
    for (int round = 0; round < rounds + warmup; ++round) {
        clock.start();
        (void)controller->Execute(QStringLiteral("GetKeyState"), cao::Value::missing());
        if (round >= warmup)
            times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
    }
    engine.Workspaces().Item(0)->Controllers().Remove(controller->Index());
    return times;
}
