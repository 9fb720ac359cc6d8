#include "controlcommandline.h"

#include "app/programcommandline.h"

#include <cstdio>

ControlCommandLine::ControlCommandLine(const QString &program)
    : defaultPath(control::defaultControlPath(program)),
      control(QStringLiteral("control"),
              QStringLiteral("Take calls from Python or any JSON-RPC client on this Unix socket path, or on 127.0.0.1:PORT or "
                             "[::1]:PORT (port 0: any free port); alone, on %1 (docs/control.md).")
                  .arg(defaultPath),
              QStringLiteral("ADDRESS")),
      controlToken(QStringLiteral("control-token"),
                   QStringLiteral("Write the token a TCP control client must send first to this file (mode 0600)."),
                   QStringLiteral("FILE"))
{
}

void ControlCommandLine::addTo(QCommandLineParser &parser, ProgramCommandLine &line) const
{
    parser.addOptions({control, controlToken});
    line.setDefaultValue(QStringLiteral("control"), defaultPath);
}

bool ControlCommandLine::read(const QCommandLineParser &parser, ControlOptions &options, QString *problem) const
{
    options.tokenFile = parser.value(controlToken);
    if (!parser.isSet(control)) {
        if (parser.isSet(controlToken)) {
            *problem = QStringLiteral("--control-token belongs to --control");
            return false;
        }
        return true;
    }
    options.address = control::readControlAddress(parser.value(control), problem);
    if (!options.address)
        return false;
    if (options.address->path.isEmpty() && options.tokenFile.isEmpty()) {
        *problem = QStringLiteral("--control on a TCP port needs --control-token FILE");
        return false;
    }
    return true;
}

std::unique_ptr<control::ControlServer> startControl(const ControlOptions &options, const char *program)
{
    auto server = std::make_unique<control::ControlServer>();
    if (const QString why = server->listen(*options.address, options.tokenFile); !why.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", program, qPrintable(why));
        return nullptr;
    }
    std::printf("%s: control on %s\n", program, qPrintable(server->describe()));
    std::fflush(stdout);
    return server;
}
