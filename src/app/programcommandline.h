#pragma once
// What both programs do with their command line before reading options of their own: --help, --version, a
// parse error or a stray argument.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <optional>

class ProgramCommandLine
{
public:
    static constexpr int BadArgument = 2;

    // Adds --help (-h) and the version option (versionNames) to the parser, ahead of the program's own.
    // program: the name the messages start with and --help shows; exitStatus: where the status to end with goes.
    ProgramCommandLine(QCommandLineParser &parser, const char *program, int *exitStatus,
                       const QStringList &versionNames = {QStringLiteral("version")});

    // Parses argv; false when the program ends here: a parse error or an argument that is no option (status 2,
    // said on standard error), or --help or --version printed (status 0).
    [[nodiscard]] bool parse(int argc, char *argv[]) const;
    // A bare --OPTION (last, or followed by another option) takes this value, as if given.
    void setDefaultValue(const QString &option, const QString &value);
    // "PROGRAM: WHY" on standard error and status 2; returns what the reader returns for no command line.
    std::nullopt_t fail(const QString &why) const;

private:
    QCommandLineParser &m_parser;
    const char *m_program;
    int *m_exitStatus;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QList<std::pair<QString, QString>> m_defaults;
};
