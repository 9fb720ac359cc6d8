#include "consolehosts.h"

#include "consolescript/enginecallgate.h"
#include "consolescript/logobject.h"
#include "consolescript/windowobject.h"
#include "script/scriptrunner.h"
#include "script/uiagent.h"

#include <QAbstractItemView>

namespace script {

void addConsoleHosts(ScriptRunner &runner, QWidget &console, ControllerHost::Connection connection)
{
    runner.ui().setGate(new EngineCallGate(&runner));
    runner.addHost(std::make_shared<WindowHost>(console));
    if (auto *log = console.findChild<QAbstractItemView *>(QStringLiteral("lstLog")))
        runner.addHost(std::make_shared<LogHost>(*log));
    runner.addHost(std::make_shared<ControllerHost>(std::move(connection)));
}

} // namespace script
