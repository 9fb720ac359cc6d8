#include "logview.h"

#include "logmodel.h"
#include "logsaver.h"

#include "controls/warningbox.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace eventlog {

LogView::LogView(QWidget *parent) : UniformRowView(parent), m_model(new LogModel(this))
{
    setModel(m_model);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_findBar = new FindBar(*this, *this);

    auto makeAction = [this](const QString &text, const QKeySequence &keys) {
        auto *action = new QAction(text, this);
        action->setShortcut(keys);
        return action;
    };
    // Copy and Select All come from the keys the view gets (keyPressEvent); the menu shows their shortcuts. Find
    // works anywhere in the window, so it is a shortcut of the window's.
    m_copy = makeAction(tr("Copy"), QKeySequence::Copy);
    m_selectAll = makeAction(tr("Select All"), QKeySequence::SelectAll);
    m_find = makeAction(tr("Find…"), QKeySequence::Find);
    m_find->setShortcutContext(Qt::WindowShortcut);
    addAction(m_find);
    m_save = makeAction(tr("Save Log…"), QKeySequence());
    connect(m_copy, &QAction::triggered, this, &LogView::copySelection);
    connect(m_selectAll, &QAction::triggered, this, &LogView::selectAll);
    connect(m_find, &QAction::triggered, this, [this] { showFindBar(); });
    connect(m_save, &QAction::triggered, this, &LogView::saveLogAs);
    m_record = makeAction(tr("Record to File…"), QKeySequence());
    m_stopRecording = makeAction(tr("Stop Recording"), QKeySequence());
    connect(m_record, &QAction::triggered, this, &LogView::recordToFileAs);
    connect(m_stopRecording, &QAction::triggered, this, &LogView::stopRecording);
    m_recorder = new LogRecorder(this);
    connect(m_recorder, &LogRecorder::failed, this, [this](const QString &reason) {
        const QString path = QDir::toNativeSeparators(m_recorder->path());
        const QString message = QStringLiteral("recording to %1 stopped: %2").arg(path, reason);
        std::fprintf(stderr, "%s: %s\n", qPrintable(QFileInfo(QCoreApplication::applicationFilePath()).fileName()),
                     qPrintable(message));
        controls::openWarning(this, tr("Record to File"),
                              tr("Recording to %1 stopped: %2.\nThe log on the screen is complete.").arg(path, reason),
                              QStringLiteral("recordFailed"), true);
        Q_EMIT recordingFailed(message);
    });
}

LogView::~LogView() = default;

void LogView::append(const QString &line)
{
    const LineStore &store = m_model->store();
    const qsizetype before = store.size();
    m_model->append(line);
    if (m_recorder->isRecording() && store.size() > before)
        m_recorder->record(store.utf8(before)); // the bytes just stored: encoded once
}

void LogView::clear()
{
    m_model->clear();
}

const LineStore &LogView::linesToSearch()
{
    m_model->announcePending();
    return m_model->store();
}

void LogView::setHighlight(const Needle &needle)
{
    m_model->setHighlight(needle);
    viewport()->update();
}

qsizetype LogView::widestRow() const
{
    return m_model->store().longestRow();
}

QString LogView::selectedText() const
{
    std::vector<std::pair<int, int>> ranges;
    for (const QItemSelectionRange &range : selectionModel()->selection())
        ranges.emplace_back(range.top(), range.bottom());
    std::sort(ranges.begin(), ranges.end());
    const LineStore &store = m_model->store();
    QByteArray text;
    int next = 0; // rows below this one are already in the text (ranges may overlap)
    bool first = true;
    for (auto [top, bottom] : ranges) {
        for (int row = std::max(top, next); row <= bottom; ++row) {
            if (!first)
                text.append('\n');
            text.append(store.utf8(row));
            first = false;
        }
        next = std::max(next, bottom + 1);
    }
    return QString::fromUtf8(text);
}

void LogView::selectAll()
{
    m_model->announcePending();
    UniformRowView::selectAll();
}

void LogView::keyPressEvent(QKeyEvent *event)
{
    // The item view's own Copy takes the current line only; the log copies every selected line.
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        event->accept();
        return;
    }
    UniformRowView::keyPressEvent(event);
}

void LogView::copySelection()
{
    if (selectionModel()->hasSelection())
        QGuiApplication::clipboard()->setText(selectedText());
}

void LogView::saveLogAs()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Log"), QDir::current().filePath(QStringLiteral("log.txt")),
                                                      tr("Text files (*.txt);;All files (*)"));
    if (!path.isEmpty())
        saveLog(path);
}

void LogView::saveLog(const QString &path)
{
    if (m_saver)
        return; // one save at a time
    m_model->announcePending();
    m_saver = saveWithProgress(m_model->store(), path, this);
    connect(m_saver, &LogSaver::finished, this, &LogView::saveFinished);
}

void LogView::recordToFileAs()
{
    // Qt's own dialog, so that the time-stamp choice can sit in it; it asks before an existing file is replaced.
    QFileDialog dialog(this, tr("Record to File"), QDir::current().filePath(QStringLiteral("log.txt")),
                       tr("Text files (*.txt);;All files (*)"));
    dialog.setObjectName(QStringLiteral("recordDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto *timestamps = new QCheckBox(tr("Put a time stamp before each line"), &dialog);
    timestamps->setObjectName(QStringLiteral("recordTimestamps"));
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()))
        grid->addWidget(timestamps, grid->rowCount(), 0, 1, grid->columnCount());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    RecordOptions options;
    options.timestamps = timestamps->isChecked();
    options.replace = true; // the dialog asked
    if (const QString why = startRecording(path, options); !why.isEmpty())
        controls::openWarning(this, tr("Record to File"),
                              tr("The log cannot be recorded to %1: %2.").arg(QDir::toNativeSeparators(path), why),
                              QStringLiteral("recordFailed"));
}

QString LogView::startRecording(const QString &path, const RecordOptions &options)
{
    return m_recorder->start(path, options);
}

void LogView::stopRecording()
{
    m_recorder->stop();
}

void LogView::showFindBar(const QString &text)
{
    m_findBar->open(text);
}

void LogView::showRow(int row)
{
    const QModelIndex index = m_model->index(row, 0);
    if (!index.isValid())
        return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index, PositionAtCenter);
}

void LogView::keyboardSearch(const QString &search)
{
    // Typing into the log starts a find: the default search would read every line on each key.
    if (!search.trimmed().isEmpty())
        showFindBar(search);
}

void LogView::updateGeometries()
{
    UniformRowView::updateGeometries();
    if (m_findBar && m_findBar->isVisible())
        m_findBar->place();
}

void LogView::resizeEvent(QResizeEvent *event)
{
    UniformRowView::resizeEvent(event);
    if (m_findBar->isVisible())
        m_findBar->place();
}

void LogView::contextMenuEvent(QContextMenuEvent *event)
{
    m_copy->setEnabled(selectionModel()->hasSelection());
    m_model->announcePending();
    m_selectAll->setEnabled(m_model->rowCount() > 0);
    m_save->setEnabled(!m_saver);
    QMenu menu(this);
    menu.addAction(m_copy);
    menu.addAction(m_selectAll);
    menu.addSeparator();
    menu.addAction(m_find);
    menu.addAction(m_save);
    menu.addAction(m_recorder->isRecording() ? m_stopRecording : m_record);
    menu.exec(event->globalPos());
}

} // namespace eventlog
