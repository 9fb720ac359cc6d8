#pragma once
// Turns a fuzzer's bytes into the things the harnesses feed the program: numbers, texts and variant trees.
#include "cao/value.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <cstdint>
#include <cstdlib>

namespace fuzzing {

class FuzzInput
{
public:
    FuzzInput(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    [[nodiscard]] bool empty() const { return m_at >= m_size; }
    // Past the end every byte reads as 0, so that every input means something.
    quint8 byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    int number(int minimum, int maximum)
    {
        const quint32 raw = quint32(byte()) | (quint32(byte()) << 8);
        return minimum + int(raw % quint32(maximum - minimum + 1));
    }
    qint32 i32() { return qint32(quint32(byte()) | (quint32(byte()) << 8) | (quint32(byte()) << 16) | (quint32(byte()) << 24)); }
    // Mostly numbers as text, since that is what most parameters are; otherwise raw bytes read as UTF-8.
    QString text()
    {
        const quint8 kind = byte();
        if (kind % 3 == 0)
            return QString::number(number(-20, 400));
        const int length = byte() % 24;
        QByteArray bytes;
        for (int k = 0; k < length && !empty(); ++k)
            bytes.append(char(byte()));
        return QString::fromUtf8(bytes);
    }
    cao::Value value(int depth = 0)
    {
        switch (byte() % 9) {
        case 0:
            return {};
        case 1:
            return cao::Value::i2(qint16(i32()));
        case 2:
            return cao::Value::i4(i32());
        case 3:
            return cao::Value::boolean(byte() & 1);
        case 4:
        case 5:
            return cao::Value::text(text());
        case 6:
            return byte() & 1 ? cao::Value::missing() : cao::Value::error(quint32(i32()));
        default: {
            if (depth >= 4)
                return cao::Value::text(text());
            const int count = byte() % 9;
            cao::Value::Array elements;
            for (int k = 0; k < count; ++k)
                elements << value(depth + 1);
            const quint8 bound = byte();
            return cao::Value::array(elements, bound < 240 ? 0 : bound - 240); // now and then not from 0
        }
        }
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
};

// A fault the harness found: the fuzzer keeps the input that caused it.
inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

// One application for the whole run, never torn down (the fuzzer ends the process itself).
template<typename Application>
void ensureApplication()
{
    static Application *application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QLoggingCategory::setFilterRules(QStringLiteral("*.warning=false\nzandorex.*.info=false"));
        static int argc = 1;
        static char name[] = "fuzz";
        static char *argv[] = {name, nullptr};
        return new Application(argc, argv);
    }();
    (void)application;
}

} // namespace fuzzing
