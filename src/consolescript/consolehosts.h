#pragma once
// Everything a console script sees, handed to a runner: `window`, `log` (the list view "lstLog"), `controller`,
// i2()/i4(), and the rule that the script acts only between the console's engine calls.
#include "consolescript/controllerobject.h"

class QWidget;

namespace script {
class ScriptRunner;
}

namespace consolescript {


void addConsoleHosts(script::ScriptRunner &runner, QWidget &console, ControllerHost::Connection connection);

} // namespace consolescript
