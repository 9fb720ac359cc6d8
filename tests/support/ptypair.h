#pragma once
// Two pseudo-terminals joined by socat, as the two ends of a serial line; socat ends with the object.
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace testing {

class PtyPair
{
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    // Empty when both ends are there, else why not.
    [[nodiscard]] const QString &problem() const { return m_problem; }
    [[nodiscard]] QString consoleEnd() const { return m_folder.filePath(QStringLiteral("console")); }
    [[nodiscard]] QString pendantEnd() const { return m_folder.filePath(QStringLiteral("pendant")); }

private:
    QTemporaryDir m_folder;
    QProcess m_socat;
    QString m_problem;
};

} // namespace testing
