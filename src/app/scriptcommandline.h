#pragma once
// The script options both programs take: --script, --junit, --timeout.
#include "script/scriptrunner.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

struct ScriptCommandLine
{
    ScriptCommandLine(const QString &scriptHelp, const QString &scriptOption = QStringLiteral("script"),
                      const QString &junitOption = QStringLiteral("junit"));
    void addTo(QCommandLineParser &parser) const;
    // The options read; false and why when a value is wrong. A replay is a script run too (replaying: --junit
    // and --timeout belong to it).
    [[nodiscard]] bool read(const QCommandLineParser &parser, script::ScriptOptions &options, QString *problem,
                            bool replaying = false) const;

    QCommandLineOption script;
    QCommandLineOption junit;
    QCommandLineOption timeout;
};
