#pragma once
// Writes the log to a file as UTF-8, one line per line, a slice per turn of the event loop, through an atomic
// save: until it finishes, an existing file of that name stays as it was, and a failure leaves it whole.
#include "linestore.h"

#include <QObject>
#include <QSaveFile>

class QWidget;

namespace eventlog {

class LogSaver : public QObject
{
    Q_OBJECT
public:
    // Saves the lines present now; lines added meanwhile are not part of this file.
    LogSaver(const LineStore &store, const QString &path, QObject *parent = nullptr);

    // Starts writing; `finished` follows from the event loop, even for a file that cannot be opened.
    void start();
    // Stops and keeps the old file.
    void cancel();

Q_SIGNALS:
    void progressed(qsizetype written, qsizetype total);
    void finished(bool saved, const QString &problem);

private:
    void writeSlice();
    void finish(bool saved, const QString &problem);

    const LineStore &m_store;
    QSaveFile m_file;
    qsizetype m_total = 0;
    qsizetype m_next = 0;
    quint64 m_generation = 0;
    bool m_done = false;
};

// Saves the store to that file over `parent`: a window-modal progress dialog with Cancel shows after 400 ms, and a
// failure is reported in a message box that names the file. The saver and its dialog go away by themselves.
LogSaver *saveWithProgress(const LineStore &store, const QString &path, QWidget *parent);

} // namespace eventlog
