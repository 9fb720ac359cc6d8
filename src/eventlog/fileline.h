#pragma once
// A log line as a file holds it (a record, a saved log): one file line per log line, so that a program reading
// the file by line never mis-splits it. A line break inside a log line is written as the two characters \n (a
// carriage return as \r); nothing else changes.
#include <QByteArray>
#include <QByteArrayView>

namespace eventlog {

// The line itself when it holds no break (the common case, nothing copied), else its escaped form in `scratch`.
[[nodiscard]] inline QByteArrayView asFileLine(QByteArrayView line, QByteArray &scratch)
{
    if (!line.contains('\n') && !line.contains('\r'))
        return line;
    scratch.clear();
    scratch.reserve(line.size() + 8);
    for (const char c : line) {
        if (c == '\n')
            scratch.append("\\n", 2);
        else if (c == '\r')
            scratch.append("\\r", 2);
        else
            scratch.append(c);
    }
    return scratch;
}

} // namespace eventlog
