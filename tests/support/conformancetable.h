#pragma once
// Reads docs/wire-conformance.txt: rows of (name, messages, what a pendant does, what a provider does).
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace testing {

struct ConformanceRow
{
    QString name;
    QString section;
    QList<QByteArray> messages; // as written, the id fields still offsets
    bool line = false;          // raw serial-line bytes rather than messages
    QStringList pendant;        // one outcome per message
    QStringList provider;       // outcomes in order; empty: nothing happens
};

// The rows of the table, or none and why not.
[[nodiscard]] QList<ConformanceRow> readConformanceTable(const QString &path, QString *problem = nullptr);

// The message with its id field moved on by `base` (FFFFFFFF and messages shorter than a header stay as they are).
[[nodiscard]] QByteArray withIdBase(const QByteArray &message, quint32 base);

} // namespace testing
