#include "scriptcommandline.h"

#include <QFileInfo>
#include <QSaveFile>

ScriptCommandLine::ScriptCommandLine(const QString &scriptHelp, const QString &scriptOption, const QString &junitOption)
    : script(scriptOption, scriptHelp, QStringLiteral("FILE.js")),
      junit(junitOption, QStringLiteral("Write the script's results as a JUnit report."), QStringLiteral("FILE.xml")),
      timeout(QStringLiteral("timeout"), QStringLiteral("Stop the script after this many seconds (default 600)."),
              QStringLiteral("SECONDS"), QStringLiteral("600"))
{
}

void ScriptCommandLine::addTo(QCommandLineParser &parser) const
{
    parser.addOptions({script, junit, timeout});
}

bool ScriptCommandLine::read(const QCommandLineParser &parser, script::ScriptOptions &options, QString *problem,
                             bool replaying) const
{
    options.file = parser.value(script);
    options.junit = parser.value(junit);
    bool ok = false;
    options.timeoutSeconds = parser.value(timeout).toInt(&ok);
    if (!ok || options.timeoutSeconds <= 0) {
        *problem = QStringLiteral("--timeout \"%1\" is not a whole number of seconds above 0").arg(parser.value(timeout));
        return false;
    }
    if (options.file.isEmpty() && !replaying && parser.isSet(junit)) {
        *problem = QStringLiteral("--%1 belongs to --%2").arg(junit.names().first(), script.names().first());
        return false;
    }
    // A report that cannot be written is found before the run, not after it: the same file, written the same way.
    if (!options.junit.isEmpty()) {
        QSaveFile report(options.junit);
        if (QFileInfo(options.junit).isDir() || !report.open(QIODevice::WriteOnly)) {
            *problem = QStringLiteral("cannot write the JUnit report %1: %2")
                           .arg(options.junit, QFileInfo(options.junit).isDir() ? QStringLiteral("it is a directory") : report.errorString());
            return false;
        }
        report.cancelWriting();
    }
    return true;
}
