#pragma once
// Points the console's UDP settings at a pendant on 127.0.0.1, the way an operator types them.
#include "controls/uctIPAddressCtrl.h"
#include "widgetdriver.h"

#include <QTabWidget>

namespace testing {

inline void pointConsoleAt(QWidget *console, quint16 pendantPort, quint16 consolePort)
{
    child<QTabWidget>(console, QStringLiteral("tabDevice"))->setCurrentIndex(1);
    child<uctIPAddressCtrl>(console, QStringLiteral("utlDestIP"))->SetIPAddress(127, 0, 0, 1);
    child<uctIPAddressCtrl>(console, QStringLiteral("uclSrcIP"))->SetIPAddress(127, 0, 0, 1);
    typeInto(console, QStringLiteral("txtDestPort"), QString::number(pendantPort));
    typeInto(console, QStringLiteral("txtSrcPort"), QString::number(consolePort));
}

} // namespace testing
