#include "programcommandline.h"

#include <cstdio>

ProgramCommandLine::ProgramCommandLine(const char *program, int *exitStatus) : m_program(program), m_exitStatus(exitStatus)
{
    *m_exitStatus = 0;
}

bool ProgramCommandLine::parse(QCommandLineParser &parser, int argc, char *argv[], const QCommandLineOption &help,
                               const QCommandLineOption &version) const
{
    QStringList arguments;
    for (int k = 0; k < argc; ++k)
        arguments << QString::fromLocal8Bit(argv[k]);
    if (!parser.parse(arguments)) {
        fail(parser.errorText());
        return false;
    }
    if (parser.isSet(help)) {
        std::printf("%s", qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"), QLatin1String(m_program))));
        return false;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", m_program, ZANDOREX_VERSION);
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        fail(QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));
        return false;
    }
    return true;
}

std::nullopt_t ProgramCommandLine::fail(const QString &why) const
{
    std::fprintf(stderr, "%s: %s\n", m_program, qPrintable(why));
    *m_exitStatus = BadArgument;
    return std::nullopt;
}
