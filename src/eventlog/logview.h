#pragma once
// The event log's view: its lines in rows of one height, and what people do with a log: extended selection,
// Copy, Select All, Save Log…, Record to File… and a find bar (Ctrl+F).
#include "findbar.h"
#include "linestore.h"
#include "logrecorder.h"
#include "uniformrowview.h"

#include <QPointer>

class QAction;

namespace eventlog {

class FindBar;
class LogModel;
class LogSaver;

class LogView : public UniformRowView, public FindTarget
{
    Q_OBJECT
public:
    explicit LogView(QWidget *parent = nullptr);
    ~LogView() override;

    // One new last line; views see it at the next turn of the event loop.
    void append(const QString &line);
    void clear();

    [[nodiscard]] LogModel &logModel() const { return *m_model; }
    [[nodiscard]] FindBar &findBar() const { return *m_findBar; }

    // The selected lines in log order, each ended by a line feed but the last.
    [[nodiscard]] QString selectedText() const;
    void copySelection();
    // Asks for a file name, then saves.
    void saveLogAs();
    // Saves the whole log to that file; the result arrives through saveFinished (a failure also in a message box).
    void saveLog(const QString &path);
    // Asks for a file (and whether to time-stamp the lines), then records to it.
    void recordToFileAs();
    // Appends every line that enters the log from now on to that file; a problem is returned, not shown.
    [[nodiscard]] QString startRecording(const QString &path, const RecordOptions &options);
    void stopRecording();
    [[nodiscard]] const LogRecorder &recorder() const { return *m_recorder; }
    void showFindBar(const QString &text = {});
    // Makes that row the current, selected one and scrolls it into the middle of the view.
    void showRow(int row) override;
    void setHighlight(const Needle &needle) override;
    [[nodiscard]] const LineStore &linesToSearch() override;

    void keyboardSearch(const QString &search) override;
    void selectAll() override;

Q_SIGNALS:
    void saveFinished(bool saved, const QString &problem);
    // Recording stopped by a failure (already shown in a message box and on standard error).
    void recordingFailed(const QString &message);

protected:
    [[nodiscard]] qsizetype widestRow() const override;
    void updateGeometries() override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    LogModel *m_model = nullptr;
    FindBar *m_findBar = nullptr;
    QPointer<LogSaver> m_saver;
    QAction *m_copy = nullptr;
    QAction *m_selectAll = nullptr;
    QAction *m_find = nullptr;
    QAction *m_save = nullptr;
    QAction *m_record = nullptr;
    QAction *m_stopRecording = nullptr;
    LogRecorder *m_recorder = nullptr;
};

} // namespace eventlog
