#pragma once
// --control ADDRESS and --control-token FILE, which both programs take: the control socket (docs/control.md).
#include "control/controlserver.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <memory>

class ProgramCommandLine;

struct ControlOptions
{
    std::optional<control::ControlAddress> address; // none: no control socket
    QString tokenFile;
};

struct ControlCommandLine
{
    // program: names the default socket of a bare --control.
    explicit ControlCommandLine(const QString &program);
    void addTo(QCommandLineParser &parser, ProgramCommandLine &line) const;
    // The options read; false and why when a value is wrong.
    [[nodiscard]] bool read(const QCommandLineParser &parser, ControlOptions &options, QString *problem) const;

    QString defaultPath;
    QCommandLineOption control;
    QCommandLineOption controlToken;
};

// Listens and says where on standard output ("PROGRAM: control on unix:PATH"); null, with the problem printed,
// when it cannot. Its service is then added to the program's runs (scriptruns.h, addService).
[[nodiscard]] std::unique_ptr<control::ControlServer> startControl(const ControlOptions &options, const char *program);
