#pragma once
// The engine's call trace: QT_LOGGING_RULES="zandorex.cao.debug=true" shows one line per call.
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcCao)
