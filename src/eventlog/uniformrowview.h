#pragma once
// A list view whose rows all have the same height: rows are placed by arithmetic, never laid out, so adding rows at
// the end costs the same at a million rows as on an empty list. Selection, keys, mouse and scrolling behave as in a
// plain list view.
#include <QAbstractItemView>

namespace eventlog {

class UniformRowView : public QAbstractItemView
{
    Q_OBJECT
public:
    explicit UniformRowView(QWidget *parent = nullptr);

    [[nodiscard]] QRect visualRect(const QModelIndex &index) const override;
    [[nodiscard]] QModelIndex indexAt(const QPoint &point) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

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
    void changeEvent(QEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void reset() override;

    // The row that takes the most room across, -1 when none or unknown: the view measures only that one for its
    // width, so that it never reads every row.
    [[nodiscard]] virtual qsizetype widestRow() const { return -1; }
    [[nodiscard]] int rowHeight() const;

private:
    [[nodiscard]] int contentsWidth() const;
    [[nodiscard]] int rowCount() const;
    [[nodiscard]] int rowAt(int viewportY) const;
    [[nodiscard]] int measure(const QString &text) const;

    mutable int m_rowHeight = -1;
    mutable int m_widestWidth = -1;
    mutable qsizetype m_measuredRow = -2;
};

} // namespace eventlog
