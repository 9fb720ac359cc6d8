#pragma once
// Whether a script parses, before any of it runs: a syntax error as "file:line:column: message".
#include <QString>

class QJSEngine;

namespace script {

// Empty when the source parses.
[[nodiscard]] QString syntaxProblem(QJSEngine &engine, const QString &source, const QString &file);

} // namespace script
