#include "consolehosts.h"

#include "consolescript/enginecallgate.h"
#include "consolescript/logobject.h"
#include "consolescript/windowobject.h"
#include "script/scriptrunner.h"
#include "script/uiagent.h"

#include <QAbstractItemView>
#include <QCoreApplication>

namespace consolescript {

void addConsoleHosts(script::ScriptRunner &runner, QWidget &console, ControllerHost::Connection connection)
{
    runner.ui().setGate(new EngineCallGate(&runner));
    // Messages raised during a call wait for it to return and are then delivered at the next turn of the event
    // loop; a press delivers them before it returns.
    runner.addHost(std::make_shared<WindowHost>(console, [connection] {
        if (const std::shared_ptr<cao::Controller> controller = connection())
            QCoreApplication::sendPostedEvents(controller.get(), QEvent::MetaCall);
    }));
    if (auto *log = console.findChild<QAbstractItemView *>(QStringLiteral("lstLog")))
        runner.addHost(std::make_shared<LogHost>(*log));
    runner.addHost(std::make_shared<ControllerHost>(std::move(connection)));
}

} // namespace consolescript
