#pragma once
// zandorex-pendant as a process of a test's own, headless: started, and waited for until it listens.
#include <QProcess>
#include <QString>
#include <QStringList>

namespace testing {

// Starts the pendant with these link options after --headless; the line it prints once it listens, or empty
// (and a warning) when it never does.
QString startPendant(QProcess &process, const QStringList &link);

// On UDP 127.0.0.1 (port 0: any), answering 127.0.0.1:consolePort, with more options after; the port it listens
// on, or 0.
quint16 startUdpPendant(QProcess &process, quint16 port, quint16 consolePort, const QStringList &more = {});

} // namespace testing
