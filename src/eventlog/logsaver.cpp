#include "logsaver.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

namespace eventlog {

namespace {
constexpr qint64 SliceNs = 8'000'000;
constexpr qsizetype BufferBytes = qsizetype(1) << 20;
} // namespace

LogSaver::LogSaver(const LineStore &store, const QString &path, QObject *parent)
    : QObject(parent), m_store(store), m_file(path), m_total(store.size()), m_generation(store.generation())
{
}

void LogSaver::start()
{
    if (!m_file.open(QIODevice::WriteOnly)) {
        const QString problem = m_file.errorString();
        QTimer::singleShot(0, this, [this, problem] { finish(false, problem); });
        return;
    }
    QTimer::singleShot(0, this, &LogSaver::writeSlice);
}

void LogSaver::cancel()
{
    if (m_done)
        return;
    m_file.cancelWriting();
    finish(false, tr("Saving was cancelled."));
}

void LogSaver::writeSlice()
{
    if (m_done)
        return;
    if (m_store.generation() != m_generation) {
        m_file.cancelWriting();
        finish(false, tr("The log was cleared while it was being saved."));
        return;
    }
    QElapsedTimer slice;
    slice.start();
    QByteArray buffer;
    buffer.reserve(BufferBytes + 4096);
    auto flush = [this, &buffer] {
        if (buffer.isEmpty() || m_file.write(buffer) == buffer.size()) {
            buffer.clear();
            return true;
        }
        const QString problem = m_file.errorString();
        m_file.cancelWriting();
        finish(false, problem);
        return false;
    };
    while (m_next < m_total && slice.nsecsElapsed() < SliceNs) {
        const qsizetype stop = std::min(m_total, m_next + 256);
        for (; m_next < stop; ++m_next) {
            buffer.append(m_store.utf8(m_next));
            buffer.append('\n');
        }
        if (buffer.size() >= BufferBytes && !flush())
            return;
    }
    if (!flush())
        return;
    Q_EMIT progressed(m_next, m_total);
    if (m_next < m_total) {
        QTimer::singleShot(0, this, &LogSaver::writeSlice);
        return;
    }
    if (!m_file.commit()) {
        finish(false, m_file.errorString());
        return;
    }
    finish(true, {});
}

void LogSaver::finish(bool saved, const QString &problem)
{
    if (m_done)
        return;
    m_done = true;
    Q_EMIT finished(saved, problem);
}

} // namespace eventlog
