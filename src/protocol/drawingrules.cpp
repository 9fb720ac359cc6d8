#include "drawingrules.h"

namespace protocol {

namespace {
std::optional<int> parseInteger(const QString &text, int minimum, int maximum)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

QString parameter(const DrawingItem &item, int index)
{
    return item.parameters.value(index);
}
} // namespace

std::optional<quint32> parseColour(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    quint32 value = 0;
    if (trimmed.startsWith(QLatin1Char('#')) && trimmed.size() == 7)
        value = trimmed.mid(1).toUInt(&ok, 16);
    else if (trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) && trimmed.size() > 2 && trimmed.size() <= 8)
        value = trimmed.mid(2).toUInt(&ok, 16);
    else
        value = trimmed.toUInt(&ok, 10);
    if (!ok || value > 0xFFFFFF)
        return std::nullopt;
    return value;
}

std::optional<DrawingOperation> interpretDrawingItem(const DrawingItem &item, QString *error)
{
    DrawingOperation operation;
    operation.code = item.code;
    auto refuse = [&](int index, const QString &what) -> std::optional<DrawingOperation> {
        if (error) {
            *error = index < 0 ? what
                               : QStringLiteral("drawing command %1, Para%2 \"%3\": %4")
                                     .arg(item.code)
                                     .arg(index + 1)
                                     .arg(parameter(item, index), what);
        }
        return std::nullopt;
    };
    auto coordinates = [&](int count) -> bool {
        for (int i = 0; i < count; ++i) {
            const int limit = (i % 2 == 0 ? LcdWidth : LcdHeight) - 1;
            const auto value = parseInteger(parameter(item, i), 0, limit);
            if (!value) {
                refuse(i, QStringLiteral("must be a whole number from 0 to %1").arg(limit));
                return false;
            }
            operation.numbers[static_cast<size_t>(i)] = *value;
        }
        return true;
    };

    switch (item.code) {
    case SetDrawingColour:
    case SetBackgroundColour:
    case SetFillColour: {
        if (item.code == SetFillColour && parameter(item, 0).trimmed().isEmpty())
            return operation; // no fill
        const auto colour = parseColour(parameter(item, 0));
        if (!colour)
            return refuse(0, QStringLiteral("must be a colour: #RRGGBB, 0xRRGGBB or 0 to 16777215"));
        operation.rgb = *colour;
        operation.hasColour = true;
        return operation;
    }
    case DrawString: {
        if (!coordinates(2))
            return std::nullopt;
        operation.text = parameter(item, 2);
        if (!parameter(item, 3).trimmed().isEmpty()) {
            const auto size = parseInteger(parameter(item, 3), 8, 64);
            if (!size)
                return refuse(3, QStringLiteral("must be a text height from 8 to 64 pixels, or empty"));
            operation.textSize = *size;
        }
        const QString opaque = parameter(item, 4).trimmed();
        if (!opaque.isEmpty() && opaque != QLatin1String("0") && opaque != QLatin1String("1"))
            return refuse(4, QStringLiteral("must be empty, 0 (transparent) or 1 (on the background colour)"));
        operation.opaque = opaque == QLatin1String("1");
        return operation;
    }
    case DrawLine:
    case DrawRectangle:
        if (!coordinates(4))
            return std::nullopt;
        return operation;
    case SetDrawingWidth: {
        const auto width = parseInteger(parameter(item, 0), 1, MaxDrawingWidth);
        if (!width)
            return refuse(0, QStringLiteral("must be a width from 1 to %1").arg(MaxDrawingWidth));
        operation.numbers[0] = *width;
        return operation;
    }
    case BeginRecording:
    case RecallRecording: {
        const auto store = parseInteger(parameter(item, 0), 0, RecordingStores - 1);
        if (!store)
            return refuse(0, QStringLiteral("must be a store number from 0 to %1").arg(RecordingStores - 1));
        operation.numbers[0] = *store;
        if (item.code == RecallRecording) {
            for (int i = 1; i <= 2; ++i) {
                const QString offset = parameter(item, i).trimmed();
                const int limit = i == 1 ? LcdWidth : LcdHeight;
                const auto value = offset.isEmpty() ? std::optional<int>(0) : parseInteger(offset, -limit, limit);
                if (!value)
                    return refuse(i, QStringLiteral("must be an offset from %1 to %2, or empty").arg(-limit).arg(limit));
                operation.numbers[static_cast<size_t>(i)] = *value;
            }
        }
        return operation;
    }
    case EndRecording:
        return operation;
    default:
        return refuse(-1, QStringLiteral("unknown drawing command code %1").arg(item.code));
    }
}

} // namespace protocol
