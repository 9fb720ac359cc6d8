#pragma once
// What both programs do with their command line before reading options of their own.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <optional>

class ProgramCommandLine
{
public:
    static constexpr int BadArgument = 2;

    // program: the name the messages start with and --help shows; exitStatus: where the status to end with goes.
    ProgramCommandLine(const char *program, int *exitStatus);

    // Parses argv; false when the program ends here: a parse error or an argument that is no option (status 2,
    // said on standard error), or --help or --version printed (status 0).
    [[nodiscard]] bool parse(QCommandLineParser &parser, int argc, char *argv[], const QCommandLineOption &help,
                             const QCommandLineOption &version) const;
    // "PROGRAM: WHY" on standard error and status 2; returns what the reader returns for no command line.
    std::nullopt_t fail(const QString &why) const;

private:
    const char *m_program;
    int *m_exitStatus;
};
