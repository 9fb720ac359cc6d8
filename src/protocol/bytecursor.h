#pragma once
// Big-endian fields in and out of a message's bytes, for the codec (wireformat.cpp) only.
#include "protocol/wireformat.h"

#include <QStringDecoder>

namespace protocol {

class Writer
{
public:
    void u8(int value) { m_bytes.append(static_cast<char>(value & 0xFF)); }
    void u16(int value)
    {
        u8(value >> 8);
        u8(value);
    }
    void u32(quint32 value)
    {
        u16(static_cast<int>(value >> 16));
        u16(static_cast<int>(value & 0xFFFF));
    }
    void i32(int value) { u32(static_cast<quint32>(value)); }
    void i16(int value) { u16(value); }
    // A UTF-8 text with its 16-bit byte count; false when it is too long for the count.
    bool text(const QString &text)
    {
        const QByteArray utf8 = text.toUtf8();
        if (utf8.size() > 0xFFFF)
            return false;
        u16(static_cast<int>(utf8.size()));
        m_bytes.append(utf8);
        return true;
    }
    QByteArray &bytes() { return m_bytes; }

private:
    QByteArray m_bytes;
};

class Reader
{
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) {}
    // Faults that do not stop the reading: the whole payload is read first, so that its faults are reported in
    // the documented order whatever their order in the bytes.
    bool notUtf8 = false;
    bool tooManyParameters = false;
    bool badOk = false;
    bool u8(int &value)
    {
        if (m_at + 1 > m_bytes.size())
            return false;
        value = static_cast<quint8>(m_bytes[m_at++]);
        return true;
    }
    bool u16(int &value)
    {
        int high = 0, low = 0;
        if (!u8(high) || !u8(low))
            return false;
        value = (high << 8) | low;
        return true;
    }
    bool u32(quint32 &value)
    {
        int high = 0, low = 0;
        if (!u16(high) || !u16(low))
            return false;
        value = (static_cast<quint32>(high) << 16) | static_cast<quint32>(low);
        return true;
    }
    bool i32(int &value)
    {
        quint32 raw = 0;
        if (!u32(raw))
            return false;
        value = static_cast<qint32>(raw);
        return true;
    }
    bool i16(int &value)
    {
        int raw = 0;
        if (!u16(raw))
            return false;
        value = static_cast<qint16>(raw);
        return true;
    }
    bool text(QString &text)
    {
        int size = 0;
        if (!u16(size) || m_at + size > m_bytes.size())
            return false;
        // Strict: a text that is not UTF-8 would come back as other bytes, and a pendant's mistake would be hidden.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        text = utf8(m_bytes.sliced(m_at, size));
        m_at += size;
        if (utf8.hasError())
            notUtf8 = true;
        return true;
    }
    [[nodiscard]] bool atEnd() const { return m_at == m_bytes.size(); }

private:
    QByteArrayView m_bytes;
    qsizetype m_at = 0;
};

} // namespace protocol
