#include "values.h"

#include <cmath>
#include <limits>

namespace consolescript {

namespace {
const QString TypeMark = QStringLiteral("__vt");

bool wholeNumber(double number, double minimum, double maximum)
{
    return std::isfinite(number) && std::floor(number) == number && number >= minimum && number <= maximum;
}
} // namespace

QJSValue typedInteger(QJSEngine &engine, quint16 vt, const QJSValue &number, QString *problem)
{
    const double minimum = vt == cao::VT_I2 ? std::numeric_limits<qint16>::min() : std::numeric_limits<qint32>::min();
    const double maximum = vt == cao::VT_I2 ? std::numeric_limits<qint16>::max() : std::numeric_limits<qint32>::max();
    const char *name = vt == cao::VT_I2 ? "i2" : "i4";
    if (!number.isNumber() || !wholeNumber(number.toNumber(), minimum, maximum)) {
        *problem = QStringLiteral("%1(%2): a whole number from %3 to %4 is needed")
                       .arg(QLatin1String(name), number.toString())
                       .arg(qint64(minimum))
                       .arg(qint64(maximum));
        return {};
    }
    QJSValue marked = engine.newObject();
    marked.setProperty(TypeMark, int(vt));
    marked.setProperty(QStringLiteral("value"), number);
    marked.setProperty(QStringLiteral("toString"), engine.evaluate(QStringLiteral("(function () { return String(this.value); })")));
    return marked;
}

cao::Value toEngineValue(const QJSValue &value, QString *problem)
{
    if (value.isUndefined())
        return cao::Value::missing();
    if (value.isNull())
        return {};
    if (value.isBool())
        return cao::Value::boolean(value.toBool());
    if (value.isString())
        return cao::Value::text(value.toString());
    if (value.isNumber()) {
        const double number = value.toNumber();
        if (!wholeNumber(number, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max())) {
            *problem = QStringLiteral("%1 is not a whole number from -2147483648 to 2147483647 (pass a text for anything else)")
                           .arg(value.toString());
            return {};
        }
        return cao::Value::i4(static_cast<qint32>(number));
    }
    if (value.isArray()) {
        cao::Value::Array elements;
        const int length = value.property(QStringLiteral("length")).toInt();
        for (int k = 0; k < length; ++k) {
            elements << toEngineValue(value.property(quint32(k)), problem);
            if (!problem->isEmpty()) {
                *problem = QStringLiteral("element %1: %2").arg(k).arg(*problem);
                return {};
            }
        }
        return cao::Value::array(elements);
    }
    if (value.isObject() && value.hasOwnProperty(TypeMark)) {
        const int number = value.property(QStringLiteral("value")).toInt();
        return value.property(TypeMark).toInt() == cao::VT_I2 ? cao::Value::i2(static_cast<qint16>(number)) : cao::Value::i4(number);
    }
    *problem = QStringLiteral("%1 has no form the engine takes (whole numbers, texts, booleans, arrays, undefined, null)")
                   .arg(value.isCallable() ? QStringLiteral("a function") : QStringLiteral("an object"));
    return {};
}

QJSValue toScriptValue(QJSEngine &engine, const cao::Value &value)
{
    switch (value.vt()) {
    case cao::VT_EMPTY:
        return QJSValue(QJSValue::NullValue);
    case cao::VT_I2:
    case cao::VT_I4:
        return QJSValue(value.toInt());
    case cao::VT_BOOL:
        return QJSValue(value.toBool());
    case cao::VT_BSTR:
        return QJSValue(value.toText());
    case cao::VT_ERROR:
        return value.isMissing() ? QJSValue(QJSValue::UndefinedValue) : QJSValue(double(value.errorCode()));
    default:
        break;
    }
    QJSValue array = engine.newArray(quint32(value.size()));
    quint32 k = 0;
    for (const cao::Value &element : value.elements())
        array.setProperty(k++, toScriptValue(engine, element));
    return array;
}

} // namespace consolescript
