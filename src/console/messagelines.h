#pragma once
// Which event-log lines a provider message becomes, as a function of the message alone: the window logs them
// (frmMain_events.cpp) and answers a wiring check; this is the table.
#include "cao/value.h"

#include <QStringList>

struct MessageLines
{
    QStringList lines; // in order; what could be made of the value before a fault in it
    QString problem;   // empty, or why the rest of the value could not be shown
};

// Lines for message `number` with `value`; a number the console does not show makes none.
[[nodiscard]] MessageLines messageLines(qint32 number, const cao::Value &value);
