#include "conformancetable.h"

#include <QFile>
#include <QtEndian>

namespace testing {

namespace {
// Hexadecimal with blanks anywhere and "AB*N" for N bytes AB; empty and false when it is not.
bool parseHex(const QString &text, QByteArray &bytes)
{
    bytes.clear();
    for (const QString &token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype star = token.indexOf(QLatin1Char('*'));
        if (star >= 0) {
            bool okByte = false, okCount = false;
            const uint byte = token.left(star).toUInt(&okByte, 16);
            const int count = token.mid(star + 1).toInt(&okCount);
            if (!okByte || !okCount || byte > 0xFF || count < 0)
                return false;
            bytes.append(QByteArray(count, static_cast<char>(byte)));
            continue;
        }
        const QByteArray chunk = QByteArray::fromHex(token.toLatin1());
        if (token.size() % 2 != 0 || chunk.size() * 2 != token.size())
            return false;
        bytes.append(chunk);
    }
    return true;
}

QStringList outcomes(const QString &field)
{
    QStringList list;
    for (const QString &part : field.split(QLatin1Char(';')))
        if (!part.trimmed().isEmpty() && part.trimmed() != QLatin1String("-"))
            list << part.trimmed();
    return list;
}
} // namespace

QList<ConformanceRow> readConformanceTable(const QString &path, QString *problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (problem)
            *problem = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return {};
    }
    QList<ConformanceRow> rows;
    QString section;
    int lineNumber = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        ++lineNumber;
        if (line.startsWith(QLatin1String("# == ")))
            section = line.mid(5);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1String(" | "));
        ConformanceRow row;
        row.section = section;
        QString messages = fields.value(1).trimmed();
        row.line = messages.startsWith(QLatin1String("line:"));
        if (row.line)
            messages = messages.mid(5);
        bool good = fields.size() == 4;
        for (const QString &message : messages.split(QLatin1Char(';'))) {
            QByteArray bytes;
            good = good && parseHex(message, bytes);
            row.messages << bytes;
        }
        if (!good) {
            if (problem)
                *problem = QStringLiteral("%1:%2: not a row: %3").arg(path).arg(lineNumber).arg(line);
            return {};
        }
        row.name = fields[0].trimmed();
        row.pendant = outcomes(fields[2]);
        row.provider = outcomes(fields[3]);
        rows << row;
    }
    return rows;
}

QByteArray withIdBase(const QByteArray &message, quint32 base)
{
    if (message.size() < 10)
        return message;
    QByteArray moved = message;
    const quint32 offset = qFromBigEndian<quint32>(message.constData() + 4);
    if (offset != 0xFFFFFFFFu)
        qToBigEndian<quint32>(offset + base, moved.data() + 4);
    return moved;
}

} // namespace testing
