#include "logrecorder.h"

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

void LogRecorder::record(QByteArrayView line)
{
    if (!m_file.isOpen())
        return;
    m_record.clear();
    if (m_options.timestamps)
        stamp(m_record);
    m_record.append(line);
    m_record.append('\n');
    // A line is never split across files: one longer than the limit has a file of its own.
    if (m_options.maxBytes > 0 && m_file.size() > 0 && m_file.size() + m_record.size() > m_options.maxBytes && !rotate())
        return;
    m_file.write(m_record);
}

void LogRecorder::stamp(QByteArray &out)
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
    }
    const int millisecond = int(now.tv_nsec / 1'000'000);
    const char fraction[5] = {'.', char('0' + millisecond / 100), char('0' + millisecond / 10 % 10), char('0' + millisecond % 10), 0};
    out.append(m_stampDate).append(fraction, 4).append(m_stampZone).append('\t');
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
