#include "logview.h"

#include "findbar.h"
#include "logmodel.h"
#include "logsaver.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProgressDialog>
#include <QScrollBar>
#include <algorithm>
#include <limits>
#include <vector>

namespace eventlog {

namespace {
int clampToInt(qint64 value)
{
    return static_cast<int>(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
} // namespace

LogView::LogView(QWidget *parent) : QListView(parent), m_model(new LogModel(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_findBar = new FindBar(*this);

    auto makeAction = [this](const QString &text, const QKeySequence &keys, Qt::ShortcutContext context) {
        auto *action = new QAction(text, this);
        action->setShortcut(keys);
        action->setShortcutContext(context);
        addAction(action);
        return action;
    };
    // Copy and Select All belong to the log itself; Find works anywhere in its window.
    m_copy = makeAction(tr("Copy"), QKeySequence::Copy, Qt::WidgetShortcut);
    m_selectAll = makeAction(tr("Select All"), QKeySequence::SelectAll, Qt::WidgetShortcut);
    m_find = makeAction(tr("Find…"), QKeySequence::Find, Qt::WindowShortcut);
    m_save = makeAction(tr("Save Log…"), QKeySequence(), Qt::WidgetShortcut);
    connect(m_copy, &QAction::triggered, this, &LogView::copySelection);
    connect(m_selectAll, &QAction::triggered, this, [this] {
        m_model->announcePending();
        selectAll();
    });
    connect(m_find, &QAction::triggered, this, [this] { showFindBar(); });
    connect(m_save, &QAction::triggered, this, &LogView::saveLogAs);
}

LogView::~LogView() = default;

void LogView::append(const QString &line)
{
    m_model->append(line);
}

void LogView::clear()
{
    m_model->clear();
}

void LogView::setHighlight(const Needle &needle)
{
    m_model->setHighlight(needle);
    viewport()->update();
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
    m_saver = new LogSaver(m_model->store(), path, this);
    auto *progress = new QProgressDialog(tr("Saving the log to %1…").arg(QDir::toNativeSeparators(path)), tr("Cancel"),
                                         0, 1000, this);
    progress->setObjectName(QStringLiteral("saveProgress"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(400);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setValue(0);
    LogSaver *saver = m_saver;
    connect(saver, &LogSaver::progressed, progress, [progress](qsizetype written, qsizetype total) {
        progress->setValue(total == 0 ? 1000 : static_cast<int>(written * 1000 / total));
    });
    connect(progress, &QProgressDialog::canceled, saver, &LogSaver::cancel);
    connect(saver, &LogSaver::finished, this, [this, saver, progress, path](bool saved, const QString &problem) {
        progress->hide();
        progress->deleteLater();
        saver->deleteLater();
        if (!saved && !progress->wasCanceled()) {
            auto *box = new QMessageBox(QMessageBox::Warning, tr("Save Log"),
                                        tr("The log could not be saved to %1.\n%2\nAn existing file of that name was left as it was.")
                                            .arg(QDir::toNativeSeparators(path), problem),
                                        QMessageBox::Ok, this);
            box->setObjectName(QStringLiteral("saveFailed"));
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->open();
        }
        Q_EMIT saveFinished(saved, problem);
    });
    saver->start();
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

// ---- geometry: row r covers [r * rowHeight, (r + 1) * rowHeight) of the contents

int LogView::rowHeight() const
{
    if (m_rowHeight < 0) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.features |= QStyleOptionViewItem::HasDisplay;
        option.text = QStringLiteral("Xg");
        m_rowHeight = std::max(1, style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height());
    }
    return m_rowHeight;
}

int LogView::contentsWidth() const
{
    const qsizetype longest = m_model->store().longestRow();
    if (longest != m_measuredRow) {
        m_measuredRow = longest;
        m_longestWidth = 0;
        if (longest >= 0) {
            QStyleOptionViewItem option;
            initViewItemOption(&option);
            option.features |= QStyleOptionViewItem::HasDisplay;
            option.text = m_model->store().line(longest);
            m_longestWidth = style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).width();
        }
    }
    return std::max(m_longestWidth, viewport()->width());
}

int LogView::rowCount() const
{
    return m_model->rowCount();
}

int LogView::rowAt(int viewportY) const
{
    const qint64 y = qint64(viewportY) + verticalOffset();
    return y < 0 ? -1 : clampToInt(y / rowHeight());
}

int LogView::horizontalOffset() const
{
    return horizontalScrollBar()->value();
}

int LogView::verticalOffset() const
{
    return verticalScrollBar()->value();
}

QRect LogView::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != m_model)
        return {};
    const int height = rowHeight();
    return {-horizontalOffset(), clampToInt(qint64(index.row()) * height - verticalOffset()), contentsWidth(), height};
}

QModelIndex LogView::indexAt(const QPoint &point) const
{
    const int row = rowAt(point.y());
    if (row < 0 || row >= rowCount() || point.x() + horizontalOffset() >= contentsWidth())
        return {};
    return m_model->index(row, 0);
}

void LogView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid() || index.model() != m_model)
        return;
    const qint64 height = rowHeight();
    const qint64 top = index.row() * height;
    const qint64 view = viewport()->height();
    qint64 value = verticalScrollBar()->value();
    switch (hint) {
    case PositionAtTop:
        value = top;
        break;
    case PositionAtBottom:
        value = top + height - view;
        break;
    case PositionAtCenter:
        value = top - (view - height) / 2;
        break;
    case EnsureVisible:
        if (top < value)
            value = top;
        else if (top + height > value + view)
            value = top + height - view;
        break;
    }
    verticalScrollBar()->setValue(clampToInt(value));
}

QModelIndex LogView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers)
{
    const int rows = rowCount();
    if (rows == 0)
        return {};
    const int current = currentIndex().row();
    if (current < 0)
        return m_model->index(0, 0);
    const int page = std::max(1, viewport()->height() / rowHeight());
    qint64 row = current;
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
        row -= 1;
        break;
    case MoveDown:
    case MoveNext:
        row += 1;
        break;
    case MovePageUp:
        row -= page;
        break;
    case MovePageDown:
        row += page;
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = rows - 1;
        break;
    case MoveLeft:
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case MoveRight:
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    }
    return m_model->index(static_cast<int>(std::clamp<qint64>(row, 0, rows - 1)), 0);
}

void LogView::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    const int rows = rowCount();
    const int top = std::max(0, rowAt(rect.top()));
    const int bottom = std::min(rows - 1, rowAt(rect.bottom()));
    if (rows == 0 || top > bottom) {
        selectionModel()->select(QItemSelection(), command);
        return;
    }
    selectionModel()->select(QItemSelection(m_model->index(top, 0), m_model->index(bottom, 0)), command);
}

QRegion LogView::visualRegionForSelection(const QItemSelection &selection) const
{
    const int height = rowHeight();
    const int firstVisible = std::max(0, rowAt(0));
    const int lastVisible = rowAt(viewport()->height() - 1);
    QRegion region;
    for (const QItemSelectionRange &range : selection) {
        const int top = std::max(range.top(), firstVisible);
        const int bottom = std::min(range.bottom(), lastVisible);
        if (top <= bottom)
            region += QRect(0, clampToInt(qint64(top) * height - verticalOffset()), viewport()->width(),
                            (bottom - top + 1) * height);
    }
    return region;
}

void LogView::updateGeometries()
{
    const int height = rowHeight();
    const int view = viewport()->height();
    verticalScrollBar()->setSingleStep(height);
    verticalScrollBar()->setPageStep(view);
    verticalScrollBar()->setRange(0, clampToInt(std::max<qint64>(0, qint64(rowCount()) * height - view)));
    const int width = contentsWidth();
    horizontalScrollBar()->setSingleStep(std::max(1, fontMetrics().averageCharWidth() * 4));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    QAbstractItemView::updateGeometries();
    if (m_findBar && m_findBar->isVisible())
        m_findBar->place();
}

void LogView::doItemsLayout()
{
    // Nothing to lay out: rows are placed by arithmetic.
    QAbstractItemView::doItemsLayout();
}

void LogView::scrollContentsBy(int dx, int dy)
{
    viewport()->scroll(dx, dy);
}

void LogView::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
    const qint64 top = qint64(start) * rowHeight() - verticalOffset();
    if (top < viewport()->height())
        viewport()->update(QRect(0, clampToInt(std::max<qint64>(0, top)), viewport()->width(), viewport()->height()));
}

void LogView::reset()
{
    m_measuredRow = -1;
    m_longestWidth = -1;
    QListView::reset();
}

void LogView::paintEvent(QPaintEvent *event)
{
    const int rows = rowCount();
    if (rows == 0)
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    if (!isEnabled())
        option.palette.setCurrentColorGroup(QPalette::Disabled);
    else if (!isActiveWindow())
        option.palette.setCurrentColorGroup(QPalette::Inactive);
    const QStyle::State base = option.state | (isActiveWindow() ? QStyle::State_Active : QStyle::State_None);
    const QModelIndex current = currentIndex();
    const bool focused = hasFocus();
    const int first = std::max(0, rowAt(event->rect().top()));
    const int last = std::min(rows - 1, rowAt(event->rect().bottom()));
    QPainter painter(viewport());
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = m_model->index(row, 0);
        option.rect = visualRect(index);
        option.state = base | QStyle::State_Enabled;
        if (selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (focused && index == current)
            option.state |= QStyle::State_HasFocus;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

void LogView::resizeEvent(QResizeEvent *event)
{
    QAbstractItemView::resizeEvent(event);
    if (m_findBar->isVisible())
        m_findBar->place();
}

void LogView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_rowHeight = -1;
        m_measuredRow = -1;
        scheduleDelayedItemsLayout();
    }
    QListView::changeEvent(event);
}

void LogView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void LogView::contextMenuEvent(QContextMenuEvent *event)
{
    m_copy->setEnabled(selectionModel()->hasSelection());
    m_model->announcePending();
    m_selectAll->setEnabled(rowCount() > 0);
    m_save->setEnabled(!m_saver);
    QMenu menu(this);
    menu.addAction(m_copy);
    menu.addAction(m_selectAll);
    menu.addSeparator();
    menu.addAction(m_find);
    menu.addAction(m_save);
    menu.exec(event->globalPos());
}

} // namespace eventlog
