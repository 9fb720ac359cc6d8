// Provider messages on the pendant connection, written as event-log lines.
#include "frmMain.h"

#include "console/messagelines.h"
#include "protocol/messages.h"

#include <QLoggingCategory>
#include <QStringList>

Q_LOGGING_CATEGORY(lcConsole, "zandorex.console", QtWarningMsg)

void frmMain::m_CaoCtrl_OnMessage(const std::shared_ptr<cao::Message> &pICaoMess)
{
    const qint32 number = pICaoMess->Number();
    MessageLines shown;
    try {
        shown = messageLines(number, pICaoMess->Value());
    } catch (const std::exception &failure) {
        shown.problem = QString::fromLocal8Bit(failure.what());
    }
    for (const QString &line : std::as_const(shown.lines))
        AddLog(0, line);
    if (!shown.problem.isEmpty())
        qCWarning(lcConsole) << (number == protocol::CheckWired ? "CheckWired value not shown:" : "Message not shown:") << shown.problem;
    // The wiring check is answered even when its value cannot be shown.
    if (number == protocol::CheckWired)
        pICaoMess->Answer(cao::Value());
}
