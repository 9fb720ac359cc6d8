#include "uniformrowview.h"

#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <limits>

namespace eventlog {

namespace {
int clampToInt(qint64 value)
{
    return static_cast<int>(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// What a screen reader is told of the view: a list whose value is the current row, read out as the cursor moves.
// (Qt's own list accessibility is bound to QListView and its layout, which this view does not use.)
class AccessibleRowView : public QAccessibleWidget
{
public:
    explicit AccessibleRowView(QAbstractItemView *view) : QAccessibleWidget(view, QAccessible::List) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Value)
            return QAccessibleWidget::text(kind);
        const QModelIndex current = static_cast<QAbstractItemView *>(widget())->currentIndex();
        return current.isValid() ? current.data().toString() : QString();
    }
};

QAccessibleInterface *accessibleRowView(const QString &className, QObject *object)
{
    if (className == QLatin1String(UniformRowView::staticMetaObject.className()))
        return new AccessibleRowView(static_cast<UniformRowView *>(object));
    return nullptr;
}
} // namespace

UniformRowView::UniformRowView(QWidget *parent) : QAbstractItemView(parent)
{
    static const bool accessible = [] {
        QAccessible::installFactory(accessibleRowView);
        return true;
    }();
    Q_UNUSED(accessible);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

// ---- geometry: row r covers [r * rowHeight, (r + 1) * rowHeight) of the contents

int UniformRowView::measure(const QString &text) const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = text;
    return style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).width();
}

int UniformRowView::rowHeight() const
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

int UniformRowView::contentsWidth() const
{
    const qsizetype widest = widestRow();
    if (widest != m_measuredRow) {
        m_measuredRow = widest;
        m_widestWidth = widest >= 0 ? measure(model()->index(static_cast<int>(widest), 0, rootIndex()).data().toString()) : 0;
    }
    return std::max(m_widestWidth, viewport()->width());
}

int UniformRowView::rowCount() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int UniformRowView::rowAt(int viewportY) const
{
    const qint64 y = qint64(viewportY) + verticalOffset();
    return y < 0 ? -1 : clampToInt(y / rowHeight());
}

int UniformRowView::horizontalOffset() const
{
    return horizontalScrollBar()->value();
}

int UniformRowView::verticalOffset() const
{
    return verticalScrollBar()->value();
}

QRect UniformRowView::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != model())
        return {};
    const int height = rowHeight();
    return {-horizontalOffset(), clampToInt(qint64(index.row()) * height - verticalOffset()), contentsWidth(), height};
}

QModelIndex UniformRowView::indexAt(const QPoint &point) const
{
    const int row = rowAt(point.y());
    if (row < 0 || row >= rowCount() || point.x() + horizontalOffset() >= contentsWidth())
        return {};
    return model()->index(row, 0, rootIndex());
}

void UniformRowView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid() || index.model() != model())
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

QModelIndex UniformRowView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers)
{
    const int rows = rowCount();
    if (rows == 0)
        return {};
    const int current = currentIndex().row();
    if (current < 0)
        return model()->index(0, 0, rootIndex());
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
    return model()->index(static_cast<int>(std::clamp<qint64>(row, 0, rows - 1)), 0, rootIndex());
}

// The rectangle runs from where a selection started to where it is now, so it may point upwards: both ends count.
void UniformRowView::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    const QRect span = rect.normalized();
    const int rows = rowCount();
    const int top = std::max(0, rowAt(span.top()));
    const int bottom = std::min(rows - 1, rowAt(span.bottom()));
    if (rows == 0 || top > bottom) {
        selectionModel()->select(QItemSelection(), command);
        return;
    }
    selectionModel()->select(QItemSelection(model()->index(top, 0, rootIndex()), model()->index(bottom, 0, rootIndex())),
                             command);
}

QRegion UniformRowView::visualRegionForSelection(const QItemSelection &selection) const
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

void UniformRowView::updateGeometries()
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
}

void UniformRowView::scrollContentsBy(int dx, int dy)
{
    viewport()->scroll(dx, dy);
}

void UniformRowView::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
    const qint64 top = qint64(start) * rowHeight() - verticalOffset();
    if (top < viewport()->height())
        viewport()->update(QRect(0, clampToInt(std::max<qint64>(0, top)), viewport()->width(), viewport()->height()));
}

void UniformRowView::reset()
{
    m_measuredRow = -2;
    m_widestWidth = -1;
    QAbstractItemView::reset();
}

void UniformRowView::paintEvent(QPaintEvent *event)
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
        const QModelIndex index = model()->index(row, 0, rootIndex());
        option.rect = visualRect(index);
        option.state = base | QStyle::State_Enabled;
        if (selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (focused && index == current)
            option.state |= QStyle::State_HasFocus;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

void UniformRowView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QAbstractItemView::currentChanged(current, previous);
    if (QAccessible::isActive() && current.isValid()) {
        QAccessibleValueChangeEvent event(this, current.data());
        QAccessible::updateAccessibility(&event);
    }
}

void UniformRowView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_rowHeight = -1;
        m_measuredRow = -2;
        scheduleDelayedItemsLayout();
    }
    QAbstractItemView::changeEvent(event);
}

} // namespace eventlog
