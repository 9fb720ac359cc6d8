#pragma once
// The event log's list view. Every row has the same height, so the view places rows by arithmetic instead of
// laying them out: adding rows at the end costs the same at a million lines as on an empty log.
// It adds what people do with a log: extended selection, Copy, Select All, Save Log… and a find bar (Ctrl+F).
#include "linestore.h"

#include <QListView>
#include <QPointer>

class QAction;

namespace eventlog {

class FindBar;
class LogModel;
class LogSaver;

class LogView : public QListView
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
    void showFindBar(const QString &text = {});
    // Makes that row the current, selected one and scrolls it into the middle of the view.
    void showRow(int row);
    void setHighlight(const Needle &needle);

    [[nodiscard]] QRect visualRect(const QModelIndex &index) const override;
    [[nodiscard]] QModelIndex indexAt(const QPoint &point) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;
    void keyboardSearch(const QString &search) override;

Q_SIGNALS:
    void saveFinished(bool saved, const QString &problem);

protected:
    [[nodiscard]] int horizontalOffset() const override;
    [[nodiscard]] int verticalOffset() const override;
    [[nodiscard]] QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    [[nodiscard]] QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    [[nodiscard]] bool isIndexHidden(const QModelIndex &) const override { return false; }
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void reset() override;

private:
    [[nodiscard]] int rowHeight() const;
    [[nodiscard]] int contentsWidth() const;
    [[nodiscard]] int rowCount() const;
    [[nodiscard]] int rowAt(int viewportY) const;

    LogModel *m_model = nullptr;
    FindBar *m_findBar = nullptr;
    QPointer<LogSaver> m_saver;
    QAction *m_copy = nullptr;
    QAction *m_selectAll = nullptr;
    QAction *m_find = nullptr;
    QAction *m_save = nullptr;
    mutable int m_rowHeight = -1;
    mutable int m_longestWidth = -1;
    mutable qsizetype m_measuredRow = -1;
};

} // namespace eventlog
