#pragma once
// The simulated pendant's LCD: an image on which MiniTP drawings are rendered, with the drawing state they change.
#include "protocol/drawingrules.h"

#include <QImage>
#include <QPainter>
#include <array>
#include <optional>

namespace pendant {

class LcdRenderer
{
public:
    // The most operations one drawing may draw, recalls expanded; a drawing past it is refused whole.
    static constexpr qint64 MaxOperations = 100000;
    // The most operations one store may hold.
    static constexpr qsizetype MaxRecordedOperations = 10000;

    LcdRenderer();

    // Checks the whole drawing first; draws it only when every command is acceptable. Returns why not, or empty.
    QString render(const QList<protocol::DrawingItem> &drawing);

    [[nodiscard]] const QImage &image() const { return m_image; }
    [[nodiscard]] bool hasStore(int store) const { return m_stored[static_cast<size_t>(store)].has_value(); }

private:
    void apply(QPainter &painter, const protocol::DrawingOperation &operation, int dx, int dy, int depth);

    QImage m_image;
    quint32 m_drawingColour = 0xFFFFFF;
    quint32 m_backgroundColour = 0x000000;
    std::optional<quint32> m_fillColour;
    int m_width = 1;
    std::optional<int> m_recordingStore;
    std::array<std::optional<QList<protocol::DrawingOperation>>, protocol::RecordingStores> m_stored;
};

} // namespace pendant
