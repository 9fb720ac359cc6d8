// Provider messages on the pendant connection, written as event-log lines.
#include "frmMain.h"

#include <QLoggingCategory>
#include <QStringList>

Q_LOGGING_CATEGORY(lcConsole, "zandorex.console", QtWarningMsg)

namespace {
enum MessageNumber : qint32 {
    CheckWired = 0,
    PanelPressAndHold = 8,
    DrawMiniTP = 259,
};

// Messages that log one line: a prefix and either the value's text or its first two elements.
struct MessageLine
{
    qint32 number;
    const char *prefix;
    bool pair; // "prefix v(0), v(1)" instead of "prefix v"
};

constexpr MessageLine SingleLineMessages[] = {
    {1, "KeyDown : ", false},       {2, "KeyUp : ", false},         {3, "KeyPress : ", false},
    {4, "PanelDown : ", true},      {5, "PanelUp : ", true},        {6, "PanelClick : ", true},
    {7, "PanelDblClick : ", true},  {256, "Beep : ", false},        {257, "LED : ", true},
    {258, "LCD : ", false},         {260, "Backlight : ", false},
};

QString joinedTexts(const cao::Value &array, qsizetype count)
{
    QStringList parts;
    for (qsizetype i = 0; i < count; ++i)
        parts << array.at(i).toText();
    return parts.join(QStringLiteral(", "));
}

// One item of a drawing: its code, " : ", the parameters the code shows, and a closing tab.
QString drawingItemLine(const cao::Value &item)
{
    const cao::Value &code = item.at(0);
    const cao::Value &parameters = item.at(1);
    QString line = code.toText() + QStringLiteral(" : ");
    qint32 number = -1;
    if (code.vt() == cao::VT_I2 || code.vt() == cao::VT_I4) {
        number = code.toInt();
    } else if (code.vt() == cao::VT_BSTR) {
        bool numeric = false;
        const int parsed = code.toText().trimmed().toInt(&numeric);
        number = numeric ? parsed : -1;
    }
    if (number == 32)
        line += joinedTexts(parameters, 5);
    else if (number == 48 || number == 49)
        line += joinedTexts(parameters, 4);
    else
        line += parameters.toText();
    return line + QLatin1Char('\t');
}
} // namespace

void frmMain::m_CaoCtrl_OnMessage(const std::shared_ptr<cao::Message> &pICaoMess)
{
    try {
        const qint32 number = pICaoMess->Number();
        if (number == CheckWired) {
            // The wiring check is answered even when its value cannot be shown.
            try {
                AddLog(0, QStringLiteral("CheckWired: ") + pICaoMess->Value().toText());
            } catch (const std::exception &failure) {
                qCWarning(lcConsole) << "CheckWired value not shown:" << failure.what();
            }
            pICaoMess->Answer(cao::Value());
            return;
        }
        if (number == PanelPressAndHold) {
            AddLog(0, QStringLiteral("PanelPressAndHold"));
            return;
        }
        if (number == DrawMiniTP) {
            const cao::Value drawing = pICaoMess->Value();
            AddLog(0, QStringLiteral("DrawMiniTP : "));
            for (const cao::Value &item : drawing.elements())
                AddLog(0, drawingItemLine(item));
            return;
        }
        for (const MessageLine &entry : SingleLineMessages) {
            if (entry.number != number)
                continue;
            const cao::Value value = pICaoMess->Value();
            const QString text = entry.pair ? joinedTexts(value, 2) : value.toText();
            AddLog(0, QString::fromUtf8(entry.prefix) + text);
            return;
        }
    } catch (const std::exception &failure) {
        // A value of the wrong shape: what was logged before it stands, nothing false follows.
        qCWarning(lcConsole) << "Message not shown:" << failure.what();
    }
}
