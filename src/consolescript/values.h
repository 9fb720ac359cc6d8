#pragma once
// JavaScript values to the engine's and back, by one rule (docs/scripting.md): whole numbers are 32-bit integers,
// texts texts, booleans booleans, arrays arrays, undefined the missing argument, null empty; i2() and i4() force
// an integer type.
#include "cao/value.h"

#include <QJSEngine>

namespace consolescript {

// A number forced to a 16-bit (i2) or 32-bit (i4) integer; throws nothing, marks the value for toEngineValue.
[[nodiscard]] QJSValue typedInteger(QJSEngine &engine, quint16 vt, const QJSValue &number, QString *problem);

// Empty and a problem when the value has no engine form (a fraction, an object, a function, a number too large).
[[nodiscard]] cao::Value toEngineValue(const QJSValue &value, QString *problem);
[[nodiscard]] QJSValue toScriptValue(QJSEngine &engine, const cao::Value &value);

} // namespace consolescript
