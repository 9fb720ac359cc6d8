#include "syntaxcheck.h"

#include <QFile>
#include <QJSEngine>

namespace script {

namespace {
// The script engine reports a syntax error's line only; Esprima, run in an engine of its own, finds the column.
QString locate(const QString &source, int *line, int *column)
{
    QFile parser(QStringLiteral(":/zandorex/script/esprima.js"));
    if (!parser.open(QIODevice::ReadOnly))
        return {};
    QJSEngine engine;
    engine.evaluate(QString::fromUtf8(parser.readAll()), QStringLiteral("esprima.js"));
    const QJSValue where = engine
                               .evaluate(QStringLiteral("(function (source) { try { esprima.parseScript(source); return null; }"
                                                        " catch (e) { return [e.lineNumber, e.column, e.description]; } })"))
                               .call({QJSValue(source)});
    if (!where.isArray())
        return {};
    *line = where.property(0).toInt();
    *column = where.property(1).toInt();
    return where.property(2).toString();
}
} // namespace

QString syntaxProblem(QJSEngine &engine, const QString &source, const QString &file)
{
    // Parsed as a function's body, nothing runs; "{" opens the first line, so line numbers stay the script's.
    const QJSValue parsed = engine.evaluate(QStringLiteral("(function () {") + source + QStringLiteral("\n})"), file);
    if (!parsed.isError() || parsed.errorType() != QJSValue::SyntaxError)
        return {};
    int line = parsed.property(QStringLiteral("lineNumber")).toInt();
    int column = 0;
    const QString message = locate(source, &line, &column);
    if (message.isEmpty() || column <= 0) // the engine's own words, when Esprima takes the script
        return QStringLiteral("%1:%2: SyntaxError: %3").arg(file).arg(line).arg(parsed.property(QStringLiteral("message")).toString());
    return QStringLiteral("%1:%2:%3: SyntaxError: %4").arg(file).arg(line).arg(column).arg(message);
}

} // namespace script
