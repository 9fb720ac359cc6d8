#pragma once
// What each MiniTP drawing command's parameters mean, and which values are allowed.
#include "protocol/protocol.h"

#include <array>
#include <optional>

namespace protocol {

enum DrawingCode : int {
    SetDrawingColour = 16,
    SetBackgroundColour = 17,
    SetFillColour = 18,
    DrawString = 32,
    DrawLine = 48,
    DrawRectangle = 49,
    SetDrawingWidth = 56,
    BeginRecording = 112,
    EndRecording = 113,
    RecallRecording = 114,
};

inline constexpr int RecordingStores = 16;
inline constexpr int MaxDrawingWidth = 16;

// One drawing command with its parameters read.
struct DrawingOperation
{
    int code = 0;
    std::array<int, 4> numbers{}; // coordinates, width, store number, offsets; by command
    quint32 rgb = 0;              // colour commands
    bool hasColour = false;       // 18: false clears the fill colour
    QString text;                 // 32
    int textSize = 16;            // 32
    bool opaque = false;          // 32: on the background colour
};

// Reads one drawing command, or returns nothing and says why it is refused.
[[nodiscard]] std::optional<DrawingOperation> interpretDrawingItem(const DrawingItem &item, QString *error);

// A colour as "#RRGGBB", "0xRRGGBB" or a decimal 0-16777215.
[[nodiscard]] std::optional<quint32> parseColour(const QString &text);

} // namespace protocol
