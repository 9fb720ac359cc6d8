#include "framing.h"

#include <utility>

namespace protocol {

quint16 frameCheck(QByteArrayView bytes)
{
    return qChecksum(bytes, Qt::ChecksumIso3309);
}

QByteArray frame(QByteArrayView message)
{
    QByteArray content(message.data(), message.size());
    const quint16 crc = frameCheck(message);
    content.append(static_cast<char>(crc >> 8));
    content.append(static_cast<char>(crc & 0xFF));
    QByteArray framed;
    framed.reserve(content.size() + content.size() / 16 + 2);
    framed.append(FrameFlag);
    for (char byte : content) {
        if (byte == FrameFlag || byte == FrameEscape) {
            framed.append(FrameEscape);
            framed.append(static_cast<char>(byte ^ 0x20));
        } else {
            framed.append(byte);
        }
    }
    framed.append(FrameFlag);
    return framed;
}

FrameReader::Result FrameReader::feed(QByteArrayView bytes)
{
    Result result;
    for (char byte : bytes) {
        if (!m_started) {
            // A receiver may start listening mid-frame: what comes before the first flag is no frame at all.
            if (byte != FrameFlag) {
                m_unframed = true;
                keepRaw(byte);
                continue;
            }
            m_started = true;
            if (m_unframed) {
                result.drops << DropReason::BeforeFirstFlag;
                handOutRaw(result, false);
            } else {
                keepRaw(byte);
            }
            continue;
        }
        if (byte == FrameFlag) {
            finishFrame(result);
            handOutRaw(result, true);
            continue;
        }
        keepRaw(byte);
        if (m_overflowed)
            continue;
        if (byte == FrameEscape && !m_escaped) {
            m_escaped = true;
            continue;
        }
        if (m_escaped) {
            m_escaped = false;
            byte = static_cast<char>(byte ^ 0x20);
            if (byte != FrameFlag && byte != FrameEscape) {
                // Only the two special bytes are ever escaped; anything else is noise.
                result.drops << DropReason::BadStuffing;
                m_overflowed = true; // skip to the next flag
                m_frame.clear();
                continue;
            }
        }
        if (m_frame.size() >= MaxMessageBytes + 2) {
            result.drops << DropReason::Oversized;
            m_overflowed = true;
            m_frame.clear();
            continue;
        }
        m_frame.append(byte);
    }
    return result;
}

void FrameReader::RawFrame::add(char byte)
{
    if (bytes.size() < MaxRawFrameBytes)
        bytes.append(byte);
    ++size;
}

void FrameReader::keepRaw(char byte)
{
    if (m_keepRaw)
        m_raw.add(byte);
}

// At a flag that ends a frame, the frame (and that flag, which also opens the next one); before the first flag,
// the noise. Back-to-back flags are idle fill, no frame.
void FrameReader::handOutRaw(Result &result, bool closedByFlag)
{
    if (!m_keepRaw)
        return;
    RawFrame done = std::exchange(m_raw, {});
    if (closedByFlag) {
        if (done.size <= 1) {
            keepRaw(FrameFlag);
            return;
        }
        done.add(FrameFlag);
    }
    result.rawFrames << std::move(done);
    keepRaw(FrameFlag);
}

void FrameReader::finishFrame(Result &result)
{
    const bool wasSkipping = m_overflowed;
    const bool danglingEscape = m_escaped;
    m_overflowed = false;
    m_escaped = false;
    QByteArray content;
    content.swap(m_frame);
    if (wasSkipping)
        return;
    // An escape right before the closing flag is bad even when it is all the frame holds.
    if (danglingEscape) {
        result.drops << DropReason::BadStuffing;
        return;
    }
    if (content.isEmpty()) // back-to-back flags are allowed, as idle fill
        return;
    if (content.size() < 2) {
        result.drops << DropReason::Truncated;
        return;
    }
    const QByteArrayView message = QByteArrayView(content).first(content.size() - 2);
    const quint16 crc = static_cast<quint16>((static_cast<quint8>(content[content.size() - 2]) << 8) |
                                             static_cast<quint8>(content[content.size() - 1]));
    if (crc != frameCheck(message)) {
        result.drops << DropReason::BadCrc;
        return;
    }
    Decoded decoded = decode(message);
    if (decoded.message)
        result.messages << std::move(*decoded.message);
    else
        result.drops << decoded.reason;
}

} // namespace protocol
