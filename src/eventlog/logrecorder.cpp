#include "logrecorder.h"

#include "eventlog/fileline.h"

#include <QFile>
#include <cstdio>

namespace eventlog {

LogRecorder::LogRecorder(QObject *parent) : QObject(parent)
{
    connect(&m_file, &growingfile::GrowingFile::failed, this, &LogRecorder::failed);
}

QString LogRecorder::start(const QString &path, const RecordOptions &options)
{
    stop();
    m_options = options;
    m_path = path;
    return m_file.open(path, options.replace);
}

void LogRecorder::stop()
{
    m_file.close();
}

// Straight into the stream's buffer, unlocked: only this thread writes to it, and this runs for every log line.
void LogRecorder::record(QByteArrayView logLine)
{
    if (!m_file.isOpen())
        return;
    thread_local QByteArray escaped;
    const QByteArrayView line = asFileLine(logLine, escaped);
    const QByteArrayView stamped = m_options.timestamps ? stamp() : QByteArrayView();
    const qsizetype bytes = stamped.size() + line.size() + 1;
    // A line is never split across files: one longer than the limit has a file of its own.
    if (m_options.maxBytes > 0 && m_file.size() > 0 && m_file.size() + bytes > m_options.maxBytes && !rotate())
        return;
    if (!m_file.makeRoom(bytes)) {
        m_file.writeWhole(stamped.toByteArray() + line.toByteArray() + '\n');
        return;
    }
    FILE *out = m_file.stream();
    fwrite_unlocked(stamped.data(), 1, size_t(stamped.size()), out);
    fwrite_unlocked(line.data(), 1, size_t(line.size()), out);
    putc_unlocked('\n', out);
    m_file.wrote(bytes);
}

QByteArrayView LogRecorder::stamp()
{
    timespec now = {};
    clock_gettime(CLOCK_REALTIME, &now);
    if (now.tv_sec != m_stampedSecond) {
        m_stampedSecond = now.tv_sec;
        tm local = {};
        localtime_r(&now.tv_sec, &local);
        char text[32];
        m_stampDate = QByteArray(text, int(std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local)));
        const long offsetMinutes = local.tm_gmtoff / 60;
        std::snprintf(text, sizeof text, "%c%02ld:%02ld", offsetMinutes < 0 ? '-' : '+', std::labs(offsetMinutes) / 60,
                      std::labs(offsetMinutes) % 60);
        m_stampZone = text;
        m_stamp = m_stampDate + ".000" + m_stampZone + '\t';
    }
    // Only the milliseconds change within a second.
    const int millisecond = int(now.tv_nsec / 1'000'000);
    char *fraction = m_stamp.data() + m_stampDate.size() + 1;
    fraction[0] = char('0' + millisecond / 100);
    fraction[1] = char('0' + millisecond / 10 % 10);
    fraction[2] = char('0' + millisecond % 10);
    return m_stamp;
}

// FILE.(K-1) -> FILE.K, ..., FILE -> FILE.1, then a new FILE.
bool LogRecorder::rotate()
{
    m_file.close();
    const auto numbered = [this](int k) { return k == 0 ? m_path : QStringLiteral("%1.%2").arg(m_path).arg(k); };
    QFile::remove(numbered(m_options.keep));
    for (int k = m_options.keep; k >= 1; --k)
        if (QFile::exists(numbered(k - 1)) && !QFile::rename(numbered(k - 1), numbered(k))) {
            Q_EMIT failed(QStringLiteral("%1 could not become %2").arg(numbered(k - 1), numbered(k)));
            return false;
        }
    if (const QString why = m_file.open(m_path, true); !why.isEmpty()) {
        Q_EMIT failed(why);
        return false;
    }
    return true;
}

} // namespace eventlog
