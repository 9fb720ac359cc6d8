#pragma once
// cao::Value mirrors an automation variant: the exact types the console and a provider exchange.
#include <QList>
#include <QMetaType>
#include <QString>
#include <QtGlobal>
#include <variant>

namespace cao {

// Variant type codes as an automation server reports them.
enum VarType : quint16 {
    VT_EMPTY = 0,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_BSTR = 8,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_ARRAY = 0x2000,
};

class Value
{
public:
    struct ErrorCode
    {
        quint32 code = 0;
        bool operator==(const ErrorCode &) const = default;
    };
    using Array = QList<Value>;

    Value() = default;
    static Value i2(qint16 v) { return Value(Storage(v)); }
    static Value i4(qint32 v) { return Value(Storage(v)); }
    static Value boolean(bool v) { return Value(Storage(v)); }
    static Value text(const QString &v) { return Value(Storage(v)); }
    static Value error(quint32 code) { return Value(Storage(ErrorCode{code})); }
    // A one-dimensional array; its first element has the index lowerBound (0 unless a provider says otherwise).
    static Value array(Array elements, qint32 lowerBound = 0) { return Value(Storage(Bounded{std::move(elements), lowerBound})); }
    // The marker that stands for an optional argument left out (VT_ERROR holding DISP_E_PARAMNOTFOUND).
    static Value missing();

    // Variant type code: 0, 2, 3, 8, 10, 11, or VT_ARRAY | VT_VARIANT (0x200C) for an array.
    [[nodiscard]] quint16 vt() const;
    [[nodiscard]] bool isEmpty() const { return std::holds_alternative<std::monostate>(m_storage); }
    [[nodiscard]] bool isArray() const { return std::holds_alternative<Bounded>(m_storage); }
    [[nodiscard]] bool isMissing() const;

    // The ordinary text form; fails with a type mismatch for an array or an error code.
    [[nodiscard]] QString toText() const;
    // Numeric conversion of I2, I4 and BOOL; fails with a type mismatch otherwise.
    [[nodiscard]] qint32 toInt() const;
    [[nodiscard]] bool toBool() const;
    [[nodiscard]] quint32 errorCode() const;

    // Array access by index, lowerBound() to upperBound(); fails with a bad index for a non-array or an index
    // outside the bounds.
    [[nodiscard]] const Value &at(qsizetype index) const;
    [[nodiscard]] qsizetype size() const;
    [[nodiscard]] qint32 lowerBound() const;
    [[nodiscard]] qint64 upperBound() const { return qint64(lowerBound()) + size() - 1; }
    // The elements in storage order, the one at the lower bound first.
    [[nodiscard]] const Array &elements() const;

    // Type and content, for the call trace and test failure messages: VT_BSTR "1", VT_I2 1, [..].
    [[nodiscard]] QString describe() const;

    bool operator==(const Value &) const = default;

private:
    struct Bounded
    {
        Array elements;
        qint32 lowerBound = 0;
        bool operator==(const Bounded &other) const; // not defaulted: Value is not complete here
    };
    using Storage = std::variant<std::monostate, qint16, qint32, bool, QString, ErrorCode, Bounded>;
    explicit Value(Storage s) : m_storage(std::move(s)) {}
    Storage m_storage;
};

} // namespace cao

Q_DECLARE_METATYPE(cao::Value)
