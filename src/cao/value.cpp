#include "value.h"

#include "failure.h"
#include "status.h"

#include <QStringList>

namespace cao {

Value Value::missing()
{
    return error(status::ParamNotFound);
}

quint16 Value::vt() const
{
    struct Visitor
    {
        quint16 operator()(std::monostate) const { return VT_EMPTY; }
        quint16 operator()(qint16) const { return VT_I2; }
        quint16 operator()(qint32) const { return VT_I4; }
        quint16 operator()(bool) const { return VT_BOOL; }
        quint16 operator()(const QString &) const { return VT_BSTR; }
        quint16 operator()(const ErrorCode &) const { return VT_ERROR; }
        quint16 operator()(const Bounded &) const { return VT_ARRAY | VT_VARIANT; }
    };
    return std::visit(Visitor{}, m_storage);
}

bool Value::isMissing() const
{
    const auto *error = std::get_if<ErrorCode>(&m_storage);
    return error && error->code == status::ParamNotFound;
}

QString Value::toText() const
{
    struct Visitor
    {
        QString operator()(std::monostate) const { return {}; }
        QString operator()(qint16 v) const { return QString::number(v); }
        QString operator()(qint32 v) const { return QString::number(v); }
        QString operator()(bool v) const { return v ? QStringLiteral("True") : QStringLiteral("False"); }
        QString operator()(const QString &v) const { return v; }
        QString operator()(const ErrorCode &) const
        {
            throw Failure(status::TypeMismatch, QStringLiteral("Type mismatch: an error value has no text form"));
        }
        QString operator()(const Bounded &) const
        {
            throw Failure(status::TypeMismatch, QStringLiteral("Type mismatch: an array has no text form"));
        }
    };
    return std::visit(Visitor{}, m_storage);
}

qint32 Value::toInt() const
{
    if (const auto *v = std::get_if<qint16>(&m_storage))
        return *v;
    if (const auto *v = std::get_if<qint32>(&m_storage))
        return *v;
    if (const auto *v = std::get_if<bool>(&m_storage))
        return *v ? -1 : 0;
    throw Failure(status::TypeMismatch, QStringLiteral("Type mismatch: %1 is not an integer").arg(describe()));
}

bool Value::toBool() const
{
    if (const auto *v = std::get_if<bool>(&m_storage))
        return *v;
    throw Failure(status::TypeMismatch, QStringLiteral("Type mismatch: %1 is not a boolean").arg(describe()));
}

quint32 Value::errorCode() const
{
    if (const auto *v = std::get_if<ErrorCode>(&m_storage))
        return v->code;
    throw Failure(status::TypeMismatch, QStringLiteral("Type mismatch: %1 is not an error code").arg(describe()));
}

const Value::Array &Value::elements() const
{
    if (const auto *v = std::get_if<Bounded>(&m_storage))
        return v->elements;
    throw Failure(status::BadIndex, QStringLiteral("Bad index: %1 is not an array").arg(describe()));
}

const Value &Value::at(qsizetype index) const
{
    const Array &array = elements();
    const qint64 offset = qint64(index) - lowerBound();
    if (offset < 0 || offset >= array.size())
        throw Failure(status::BadIndex, QStringLiteral("Bad index: %1 is outside the array bounds %2 to %3")
                                            .arg(index)
                                            .arg(lowerBound())
                                            .arg(upperBound()));
    return array.at(offset);
}

bool Value::Bounded::operator==(const Bounded &other) const
{
    return lowerBound == other.lowerBound && elements == other.elements;
}

qint32 Value::lowerBound() const
{
    (void)elements(); // a non-array fails here
    return std::get<Bounded>(m_storage).lowerBound;
}

qsizetype Value::size() const
{
    return elements().size();
}

QString Value::describe() const
{
    struct Visitor
    {
        QString operator()(std::monostate) const { return QStringLiteral("VT_EMPTY"); }
        QString operator()(qint16 v) const { return QStringLiteral("VT_I2 %1").arg(v); }
        QString operator()(qint32 v) const { return QStringLiteral("VT_I4 %1").arg(v); }
        QString operator()(bool v) const { return QStringLiteral("VT_BOOL %1").arg(v ? "True" : "False"); }
        QString operator()(const QString &v) const { return QStringLiteral("VT_BSTR \"%1\"").arg(v); }
        QString operator()(const ErrorCode &v) const
        {
            return QStringLiteral("VT_ERROR 0x%1").arg(v.code, 8, 16, QLatin1Char('0'));
        }
        QString operator()(const Bounded &v) const
        {
            QStringList parts;
            for (const Value &element : v.elements)
                parts << element.describe();
            // The usual lower bound goes unsaid; any other is shown, since a caller may depend on it.
            const QString bound = v.lowerBound == 0 ? QString() : QStringLiteral("lower bound %1: ").arg(v.lowerBound);
            return QStringLiteral("[%1%2]").arg(bound, parts.join(QStringLiteral(", ")));
        }
    };
    return std::visit(Visitor{}, m_storage);
}

} // namespace cao
