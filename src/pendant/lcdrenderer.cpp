#include "lcdrenderer.h"

#include <QFont>
#include <QPainter>

namespace pendant {

using namespace tavlox;

namespace {
constexpr int MaxRecallDepth = 4;
}

LcdRenderer::LcdRenderer() : m_image(LcdWidth, LcdHeight, QImage::Format_RGB32)
{
    m_image.fill(QColor::fromRgb(m_backgroundColour));
}

QString LcdRenderer::render(const QList<DrawingItem> &drawing)
{
    QList<DrawingOperation> operations;
    std::array<bool, RecordingStores> available{};
    for (int i = 0; i < RecordingStores; ++i)
        available[static_cast<size_t>(i)] = hasStore(i);
    std::optional<int> recording = m_recordingStore;
    for (qsizetype i = 0; i < drawing.size(); ++i) {
        QString why;
        const auto operation = interpretDrawingItem(drawing[i], &why);
        if (!operation)
            return QStringLiteral("item %1: %2").arg(i).arg(why);
        if (operation->code == BeginRecording) {
            if (recording)
                return QStringLiteral("item %1: store %2 is still being recorded").arg(i).arg(*recording);
            recording = operation->numbers[0];
        } else if (operation->code == EndRecording) {
            if (!recording)
                return QStringLiteral("item %1: nothing is being recorded").arg(i);
            available[static_cast<size_t>(*recording)] = true;
            recording.reset();
        } else if (operation->code == RecallRecording) {
            const int store = operation->numbers[0];
            if (!available[static_cast<size_t>(store)] || (recording && *recording == store))
                return QStringLiteral("item %1: store %2 holds no recorded drawing").arg(i).arg(store);
        }
        operations << *operation;
    }
    for (const DrawingOperation &operation : operations) {
        if (operation.code == BeginRecording) {
            m_recordingStore = operation.numbers[0];
            m_stored[static_cast<size_t>(*m_recordingStore)] = QList<DrawingOperation>();
            continue;
        }
        if (operation.code == EndRecording) {
            m_recordingStore.reset();
            continue;
        }
        if (m_recordingStore)
            m_stored[static_cast<size_t>(*m_recordingStore)]->append(operation);
        apply(operation, 0, 0, 0);
    }
    return {};
}

void LcdRenderer::apply(const DrawingOperation &operation, int dx, int dy, int depth)
{
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(QColor::fromRgb(m_drawingColour), m_width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    const auto &n = operation.numbers;
    switch (operation.code) {
    case SetDrawingColour:
        m_drawingColour = operation.rgb;
        break;
    case SetBackgroundColour:
        m_backgroundColour = operation.rgb;
        m_image.fill(QColor::fromRgb(m_backgroundColour));
        break;
    case SetFillColour:
        m_fillColour = operation.hasColour ? std::optional<quint32>(operation.rgb) : std::nullopt;
        break;
    case SetDrawingWidth:
        m_width = n[0];
        break;
    case DrawLine:
        painter.setPen(pen);
        painter.drawLine(n[0] + dx, n[1] + dy, n[2] + dx, n[3] + dy);
        break;
    case DrawRectangle: {
        const QRect rect = QRect(QPoint(std::min(n[0], n[2]), std::min(n[1], n[3])),
                                 QPoint(std::max(n[0], n[2]), std::max(n[1], n[3])))
                               .translated(dx, dy);
        if (m_fillColour)
            painter.fillRect(rect, QColor::fromRgb(*m_fillColour));
        painter.setPen(pen);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        break;
    }
    case DrawString: {
        QFont font(QStringLiteral("Noto Sans CJK JP"));
        font.setPixelSize(operation.textSize);
        painter.setFont(font);
        const QRect area(n[0] + dx, n[1] + dy, LcdWidth, operation.textSize * 2);
        const QRect bounds = painter.boundingRect(area, Qt::AlignLeft | Qt::AlignTop, operation.text);
        if (operation.opaque)
            painter.fillRect(bounds, QColor::fromRgb(m_backgroundColour));
        painter.setPen(QColor::fromRgb(m_drawingColour));
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, operation.text);
        break;
    }
    case RecallRecording: {
        const auto &stored = m_stored[static_cast<size_t>(n[0])];
        if (!stored || depth >= MaxRecallDepth)
            break;
        painter.end();
        for (const DrawingOperation &recorded : *stored)
            apply(recorded, dx + n[1], dy + n[2], depth + 1);
        break;
    }
    default:
        break;
    }
}

} // namespace pendant
