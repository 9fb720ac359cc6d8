#include "commandrequests.h"

#include "cao/failure.h"
#include "cao/status.h"
#include "protocol/drawingrules.h"
#include "protocol/fieldrules.h"
#include "protocol/messages.h"

namespace tavlox {

namespace {

[[noreturn]] void badArgument(const QString &what)
{
    throw cao::Failure(cao::status::InvalidArgument, what);
}

bool isInteger(const cao::Value &value)
{
    return value.vt() == cao::VT_I2 || value.vt() == cao::VT_I4;
}

// A number the console passes as text (or an integer), checked against its range.
int numberFrom(const cao::Value &value, const QString &what, int minimum, int maximum)
{
    int number = 0;
    if (value.vt() == cao::VT_BSTR) {
        bool ok = false;
        number = value.toText().trimmed().toInt(&ok);
        if (!ok)
            badArgument(QStringLiteral("%1: \"%2\" is not a number").arg(what, value.toText()));
    } else if (isInteger(value)) {
        number = value.toInt();
    } else {
        badArgument(QStringLiteral("%1: expected a number or its text, got %2").arg(what, value.describe()));
    }
    if (number < minimum || number > maximum)
        badArgument(QStringLiteral("%1: %2 is outside %3 to %4").arg(what).arg(number).arg(minimum).arg(maximum));
    return number;
}

// The same for a number that must come as an integer, never as text.
int integerFrom(const cao::Value &value, const QString &what, const QString &expected, int minimum, int maximum)
{
    if (!isInteger(value))
        badArgument(QStringLiteral("%1: expected %2 as an integer, got %3").arg(what, expected, value.describe()));
    return numberFrom(value, what, minimum, maximum);
}

const cao::Value::Array &arrayOf(const cao::Value &value, qsizetype size, const QString &what)
{
    if (!value.isArray() || value.size() != size)
        badArgument(QStringLiteral("%1: expected an array of %2 values, got %3").arg(what).arg(size).arg(value.describe()));
    return value.elements();
}

// The ranges are the protocol's own (fieldrules.h), so that nothing is sent that a pendant must refuse.
int numberFrom(const cao::Value &value, const QString &what, protocol::RequestKind kind, int index)
{
    const protocol::NumberRule &rule = protocol::requestNumbers(kind)[static_cast<size_t>(index)];
    return numberFrom(value, what, rule.minimum, rule.maximum);
}

int integerFrom(const cao::Value &value, const QString &what, const QString &expected, protocol::RequestKind kind, int index)
{
    const protocol::NumberRule &rule = protocol::requestNumbers(kind)[static_cast<size_t>(index)];
    return integerFrom(value, what, expected, rule.minimum, rule.maximum);
}

QList<int> beep(const cao::Value &parameter)
{
    return {numberFrom(parameter, QStringLiteral("Beep time (ms)"), protocol::RequestKind::Beep, 0)};
}

QList<int> led(const cao::Value &parameter)
{
    const auto &elements = arrayOf(parameter, 2, QStringLiteral("LED"));
    const int number = numberFrom(elements[0], QStringLiteral("LED number"), protocol::RequestKind::Led, 0);
    return {number, integerFrom(elements[1], QStringLiteral("LED mode"), QStringLiteral("0, 1 or 2"), protocol::RequestKind::Led, 1)};
}

QList<int> backlight(const cao::Value &parameter)
{
    if (parameter.vt() != cao::VT_BOOL)
        badArgument(QStringLiteral("Backlight: expected a boolean, got %1").arg(parameter.describe()));
    return {parameter.toBool() ? 1 : 0};
}

QList<int> setKeyState(const cao::Value &parameter)
{
    const auto &elements = arrayOf(parameter, protocol::KeyStateWords, QStringLiteral("SetKeyState"));
    QList<int> words;
    for (int w = 0; w < protocol::KeyStateWords; ++w)
        words << numberFrom(elements[w], QStringLiteral("SetKeyState word %1").arg(w), protocol::RequestKind::SetKeyState, w);
    return words;
}

QList<int> setPanelState(const cao::Value &parameter)
{
    const auto &elements = arrayOf(parameter, 3, QStringLiteral("SetPanelState"));
    constexpr auto kind = protocol::RequestKind::SetPanelState;
    const int touch = integerFrom(elements[0], QStringLiteral("SetPanelState touch"), QStringLiteral("0 or 1"), kind, 0);
    const int x = numberFrom(elements[1], QStringLiteral("SetPanelState X"), kind, 1);
    const int y = numberFrom(elements[2], QStringLiteral("SetPanelState Y"), kind, 2);
    return {touch, x, y};
}

void noParameter(const cao::Value &parameter)
{
    if (!parameter.isMissing() && !parameter.isEmpty())
        badArgument(QStringLiteral("GetKeyState takes no parameter, got %1").arg(parameter.describe()));
}

QList<protocol::DrawingItem> drawing(const cao::Value &parameter)
{
    if (!parameter.isArray())
        badArgument(QStringLiteral("DrawMiniTP: expected an array of drawing commands, got %1").arg(parameter.describe()));
    QList<protocol::DrawingItem> items;
    for (qsizetype i = 0; i < parameter.size(); ++i) {
        const QString where = QStringLiteral("DrawMiniTP item %1").arg(i);
        const auto &pair = arrayOf(parameter.at(i), 2, where);
        if (!isInteger(pair[0]))
            badArgument(QStringLiteral("%1: the code must be an integer, got %2").arg(where, pair[0].describe()));
        protocol::DrawingItem item{pair[0].toInt(), {}};
        if (!pair[1].isArray() || pair[1].size() > 5)
            badArgument(QStringLiteral("%1: expected up to five parameters, got %2").arg(where, pair[1].describe()));
        for (const cao::Value &text : pair[1].elements()) {
            if (text.isArray() || text.vt() == cao::VT_ERROR)
                badArgument(QStringLiteral("%1: a parameter must be text, got %2").arg(where, text.describe()));
            item.parameters << text.toText();
        }
        QString why;
        if (!interpretDrawingItem(item, &why))
            badArgument(QStringLiteral("%1: %2").arg(where, why));
        items << item;
    }
    return items;
}

// The drawing as the pendant carried it out: a string shows its five values, a line or rectangle its four
// coordinates, every other command its one parameter (as a single value, not an array).
cao::Value drawingEcho(const QList<protocol::DrawingItem> &drawing)
{
    cao::Value::Array items;
    for (const protocol::DrawingItem &item : drawing) {
        const int shown = item.code == protocol::DrawString ? 5 : (item.code == protocol::DrawLine || item.code == protocol::DrawRectangle) ? 4 : 1;
        cao::Value::Array values;
        for (int k = 0; k < shown; ++k)
            values << cao::Value::text(item.parameters.value(k));
        items << cao::Value::array({cao::Value::i4(item.code), shown == 1 ? values.first() : cao::Value::array(values)});
    }
    return cao::Value::array(items);
}
} // namespace

std::optional<protocol::RequestKind> commandKind(const QString &command)
{
    for (int kind = 0; kind < protocol::RequestKindCount; ++kind) {
        if (command.compare(QLatin1String(protocol::RequestKindNames[static_cast<size_t>(kind)]), Qt::CaseInsensitive) == 0)
            return static_cast<protocol::RequestKind>(kind);
    }
    return std::nullopt;
}

protocol::Request requestFor(protocol::RequestKind kind, const cao::Value &parameter)
{
    protocol::Request request;
    request.kind = kind;
    switch (kind) {
    case protocol::RequestKind::Beep:
        request.numbers = beep(parameter);
        break;
    case protocol::RequestKind::Led:
        request.numbers = led(parameter);
        break;
    case protocol::RequestKind::Backlight:
        request.numbers = backlight(parameter);
        break;
    case protocol::RequestKind::SetKeyState:
        request.numbers = setKeyState(parameter);
        break;
    case protocol::RequestKind::SetPanelState:
        request.numbers = setPanelState(parameter);
        break;
    case protocol::RequestKind::GetKeyState:
        noParameter(parameter);
        break;
    case protocol::RequestKind::DrawMiniTP:
        request.drawing = drawing(parameter);
        break;
    }
    return request;
}

std::optional<Echo> echoFor(const protocol::Request &request)
{
    const QList<int> &n = request.numbers;
    switch (request.kind) {
    case protocol::RequestKind::Beep:
        return Echo{protocol::BeepEcho, cao::Value::i4(n.value(0))};
    case protocol::RequestKind::Led:
        return Echo{protocol::LedEcho, cao::Value::array({cao::Value::i4(n.value(0)), cao::Value::i2(static_cast<qint16>(n.value(1)))})};
    case protocol::RequestKind::Backlight:
        return Echo{protocol::BacklightEcho, cao::Value::boolean(n.value(0) != 0)};
    case protocol::RequestKind::DrawMiniTP:
        return Echo{protocol::DrawEcho, drawingEcho(request.drawing)};
    case protocol::RequestKind::SetKeyState:
    case protocol::RequestKind::SetPanelState:
    case protocol::RequestKind::GetKeyState:
        break;
    }
    return std::nullopt;
}

cao::Value resultFor(const protocol::Request &request, const protocol::Reply &reply)
{
    if (request.kind != protocol::RequestKind::GetKeyState)
        return {};
    cao::Value::Array words;
    for (int w = 0; w < protocol::KeyStateWords; ++w)
        words << cao::Value::i4(reply.numbers.value(w));
    return cao::Value::array(words);
}

} // namespace tavlox
