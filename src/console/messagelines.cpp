#include "messagelines.h"

#include "protocol/drawingrules.h"
#include "protocol/messages.h"

#include <exception>

namespace {
// Messages that log one line: a prefix and either the value's text or its first two elements.
struct MessageLine
{
    qint32 number;
    const char *prefix;
    bool pair; // "prefix v(0), v(1)" instead of "prefix v"
};

constexpr MessageLine SingleLineMessages[] = {
    {protocol::KeyDown, "KeyDown : ", false},          {protocol::KeyUp, "KeyUp : ", false},
    {protocol::KeyPress, "KeyPress : ", false},        {protocol::PanelDown, "PanelDown : ", true},
    {protocol::PanelUp, "PanelUp : ", true},           {protocol::PanelClick, "PanelClick : ", true},
    {protocol::PanelDblClick, "PanelDblClick : ", true}, {protocol::BeepEcho, "Beep : ", false},
    {protocol::LedEcho, "LED : ", true},               {protocol::LcdText, "LCD : ", false},
    {protocol::BacklightEcho, "Backlight : ", false},
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
    if (number == protocol::DrawString)
        line += joinedTexts(parameters, 5);
    else if (number == protocol::DrawLine || number == protocol::DrawRectangle)
        line += joinedTexts(parameters, 4);
    else
        line += parameters.toText();
    return line + QLatin1Char('\t');
}

void addLines(qint32 number, const cao::Value &value, QStringList &lines)
{
    switch (number) {
    case protocol::CheckWired:
        lines << QStringLiteral("CheckWired: ") + value.toText();
        return;
    case protocol::PanelPressAndHold:
        lines << QStringLiteral("PanelPressAndHold");
        return;
    case protocol::DrawEcho:
        lines << QStringLiteral("DrawMiniTP : ");
        for (const cao::Value &item : value.elements())
            lines << drawingItemLine(item);
        return;
    default:
        break;
    }
    for (const MessageLine &entry : SingleLineMessages)
        if (entry.number == number) {
            lines << QString::fromUtf8(entry.prefix) + (entry.pair ? joinedTexts(value, 2) : value.toText());
            return;
        }
}
} // namespace

MessageLines messageLines(qint32 number, const cao::Value &value)
{
    MessageLines result;
    try {
        addLines(number, value, result.lines);
    } catch (const std::exception &failure) {
        // A value of the wrong shape: what was made of it before stands, nothing false follows.
        result.problem = QString::fromLocal8Bit(failure.what());
    }
    return result;
}
