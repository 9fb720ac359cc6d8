#include "programcommandline.h"

#include <cstdio>

ProgramCommandLine::ProgramCommandLine(QCommandLineParser &parser, const char *program, int *exitStatus,
                                       const QStringList &versionNames)
    : m_parser(parser), m_program(program), m_exitStatus(exitStatus),
      m_help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit.")),
      m_version(versionNames, QStringLiteral("Show the version and exit."))
{
    *m_exitStatus = 0;
    m_parser.addOptions({m_help, m_version});
}

bool ProgramCommandLine::parse(int argc, char *argv[]) const
{
    QStringList arguments;
    for (int k = 0; k < argc; ++k)
        arguments << QString::fromLocal8Bit(argv[k]);
    for (const auto &[option, value] : m_defaults)
        for (qsizetype k = 1; k < arguments.size(); ++k)
            if (arguments[k] == QStringLiteral("--") + option && (k + 1 == arguments.size() || arguments[k + 1].startsWith(QLatin1Char('-'))))
                arguments[k] += QLatin1Char('=') + value;
    if (!m_parser.parse(arguments)) {
        fail(m_parser.errorText());
        return false;
    }
    if (m_parser.isSet(m_help)) {
        std::printf("%s", qPrintable(m_parser.helpText().replace(QStringLiteral("<executable_name>"), QLatin1String(m_program))));
        return false;
    }
    if (m_parser.isSet(m_version)) {
        std::printf("%s %s\n", m_program, ZANDOREX_VERSION);
        return false;
    }
    if (!m_parser.positionalArguments().isEmpty()) {
        fail(QStringLiteral("unexpected argument \"%1\"").arg(m_parser.positionalArguments().first()));
        return false;
    }
    return true;
}

void ProgramCommandLine::setDefaultValue(const QString &option, const QString &value)
{
    m_defaults.append({option, value});
}

std::nullopt_t ProgramCommandLine::fail(const QString &why) const
{
    std::fprintf(stderr, "%s: %s\n", m_program, qPrintable(why));
    *m_exitStatus = BadArgument;
    return std::nullopt;
}
