#include "logsaver.h"

#include "controls/warningbox.h"
#include "eventlog/fileline.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProgressDialog>
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
    QByteArray escaped;
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
            buffer.append(asFileLine(m_store.utf8(m_next), escaped));
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

LogSaver *saveWithProgress(const LineStore &store, const QString &path, QWidget *parent)
{
    auto *saver = new LogSaver(store, path, parent);
    auto *progress = new QProgressDialog(QObject::tr("Saving the log to %1…").arg(QDir::toNativeSeparators(path)),
                                         QObject::tr("Cancel"), 0, 1000, parent);
    progress->setObjectName(QStringLiteral("saveProgress"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(400);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setValue(0);
    QObject::connect(saver, &LogSaver::progressed, progress, [progress](qsizetype written, qsizetype total) {
        progress->setValue(total == 0 ? 1000 : static_cast<int>(written * 1000 / total));
    });
    QObject::connect(progress, &QProgressDialog::canceled, saver, &LogSaver::cancel);
    QObject::connect(saver, &LogSaver::finished, parent, [parent, saver, progress, path](bool saved, const QString &problem) {
        progress->hide();
        progress->deleteLater();
        saver->deleteLater();
        if (saved || progress->wasCanceled())
            return;
        controls::openWarning(parent, QObject::tr("Save Log"),
                              QObject::tr("The log could not be saved to %1.\n%2\nAn existing file of that name was left as it was.")
                                  .arg(QDir::toNativeSeparators(path), problem),
                              QStringLiteral("saveFailed"));
    });
    saver->start();
    return saver;
}

} // namespace eventlog
