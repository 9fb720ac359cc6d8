#include "lcdrenderer.h"

#include <QFont>
#include <QPainter>

namespace pendant {

using namespace protocol;

namespace {
constexpr int MaxRecallDepth = 4;

// How many operations a recall of a store draws, the recalls inside it expanded to the depth limit. Stores that
// recall each other grow as the count of recalls to the power of the depth, so the count is taken (with a table
// per store and depth) before anything is drawn.
class ExpansionCounter
{
public:
    explicit ExpansionCounter(const std::array<std::optional<QList<DrawingOperation>>, RecordingStores> &stores)
        : m_stores(stores)
    {
    }
    void forget() { m_known = {}; }
    qint64 recall(int store, int depth)
    {
        if (depth > MaxRecallDepth)
            return 0; // a recall past the limit draws nothing
        auto &known = m_known[static_cast<size_t>(store)][static_cast<size_t>(depth)];
        if (known)
            return *known;
        qint64 count = 0;
        if (const auto &stored = m_stores[static_cast<size_t>(store)]) {
            for (const DrawingOperation &operation : *stored) {
                count += 1;
                if (operation.code == RecallRecording)
                    count += recall(operation.numbers[0], depth + 1);
                if (count > LcdRenderer::MaxOperations)
                    break; // too much already: counting on would only cost time
            }
        }
        known = count;
        return count;
    }

private:
    const std::array<std::optional<QList<DrawingOperation>>, RecordingStores> &m_stores;
    std::array<std::array<std::optional<qint64>, MaxRecallDepth + 2>, RecordingStores> m_known{};
};
} // namespace

LcdRenderer::LcdRenderer() : m_image(LcdWidth, LcdHeight, QImage::Format_RGB32)
{
    m_image.fill(QColor::fromRgb(m_backgroundColour));
}

QString LcdRenderer::render(const QList<DrawingItem> &drawing)
{
    QList<DrawingOperation> operations;
    operations.reserve(drawing.size());
    // The stores as they will be while this drawing is drawn, to check recalls and count the work they cause.
    auto stores = m_stored;
    std::optional<int> recording = m_recordingStore;
    ExpansionCounter counter(stores);
    qint64 work = 0;
    for (qsizetype i = 0; i < drawing.size(); ++i) {
        QString why;
        const auto operation = interpretDrawingItem(drawing[i], &why);
        if (!operation)
            return QStringLiteral("item %1: %2").arg(i).arg(why);
        work += 1;
        if (operation->code == BeginRecording) {
            if (recording)
                return QStringLiteral("item %1: store %2 is still being recorded").arg(i).arg(*recording);
            recording = operation->numbers[0];
            stores[static_cast<size_t>(*recording)] = QList<DrawingOperation>();
            counter.forget();
            operations << *operation;
            continue;
        }
        if (operation->code == EndRecording) {
            if (!recording)
                return QStringLiteral("item %1: nothing is being recorded").arg(i);
            recording.reset();
            operations << *operation;
            continue;
        }
        if (operation->code == RecallRecording) {
            const int store = operation->numbers[0];
            if (!stores[static_cast<size_t>(store)] || (recording && *recording == store))
                return QStringLiteral("item %1: store %2 holds no recorded drawing").arg(i).arg(store);
            work += counter.recall(store, 1);
            if (work > MaxOperations)
                return QStringLiteral("item %1: recalling store %2 makes the drawing more than %3 operations")
                    .arg(i)
                    .arg(store)
                    .arg(MaxOperations);
        }
        if (recording) {
            auto &store = *stores[static_cast<size_t>(*recording)];
            // A recording left open goes on across drawings; without a limit it would grow for ever.
            if (store.size() >= MaxRecordedOperations)
                return QStringLiteral("item %1: store %2 is full (%3 operations)").arg(i).arg(*recording).arg(MaxRecordedOperations);
            store.append(*operation);
            counter.forget();
        }
        operations << *operation;
    }
    if (work > MaxOperations)
        return QStringLiteral("the drawing is more than %1 operations").arg(MaxOperations);

    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
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
        apply(painter, operation, 0, 0, 0);
    }
    return {};
}

void LcdRenderer::apply(QPainter &painter, const DrawingOperation &operation, int dx, int dy, int depth)
{
    QPen pen(QColor::fromRgb(m_drawingColour), m_width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    const auto &n = operation.numbers;
    switch (operation.code) {
    case SetDrawingColour:
        m_drawingColour = operation.rgb;
        break;
    case SetBackgroundColour:
        m_backgroundColour = operation.rgb;
        painter.fillRect(m_image.rect(), QColor::fromRgb(m_backgroundColour));
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
        for (const DrawingOperation &recorded : *stored)
            apply(painter, recorded, dx + n[1], dy + n[2], depth + 1);
        break;
    }
    default:
        break;
    }
}

} // namespace pendant
