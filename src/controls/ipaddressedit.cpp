#include "ipaddressedit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace controls {

namespace {
const QRegularExpression &dottedAddressPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{0,3})(?:\\.(\\d{0,3}))(?:\\.(\\d{0,3}))?(?:\\.(\\d{0,3}))?\\s*$"));
    return pattern;
}
} // namespace

IpFieldEdit::IpFieldEdit(QWidget *parent) : QLineEdit(parent)
{
    setFrame(false);
    setMaxLength(3);
    setAlignment(Qt::AlignCenter);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,3}")), this));
    connect(this, &QLineEdit::textEdited, this, &IpFieldEdit::clampToMaximum);
}

void IpFieldEdit::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    if (value() > m_maximum)
        clampToMaximum();
    else
        enforceMinimum();
}

void IpFieldEdit::clampToMaximum()
{
    if (!isBlank() && value() > m_maximum)
        setText(QString::number(m_maximum));
}

void IpFieldEdit::enforceMinimum()
{
    if (!isBlank() && value() < m_minimum)
        setText(QString::number(m_minimum));
}

void IpFieldEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteFromClipboard();
        return;
    }
    const bool noSelection = !hasSelectedText();
    switch (event->key()) {
    case Qt::Key_Period:
    case Qt::Key_Space:
        if (!isBlank())
            Q_EMIT nextFieldRequested();
        return;
    case Qt::Key_Backspace:
        if (noSelection && cursorPosition() == 0) {
            Q_EMIT previousFieldRequested();
            return;
        }
        break;
    case Qt::Key_Left:
        if (noSelection && cursorPosition() == 0 && event->modifiers() == Qt::NoModifier) {
            Q_EMIT previousFieldRequested();
            return;
        }
        break;
    case Qt::Key_Right:
        if (noSelection && cursorPosition() == text().size() && event->modifiers() == Qt::NoModifier) {
            Q_EMIT nextFieldRequested();
            return;
        }
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
    const bool typedDigit = !event->text().isEmpty() && event->text().at(0).isDigit();
    if (typedDigit && text().size() == 3 && cursorPosition() == 3)
        Q_EMIT nextFieldRequested();
}

void IpFieldEdit::focusOutEvent(QFocusEvent *event)
{
    enforceMinimum();
    QLineEdit::focusOutEvent(event);
}

void IpFieldEdit::contextMenuEvent(QContextMenuEvent *event)
{
    // The standard menu, with Paste routed through the address-aware paste.
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    for (QAction *action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            action->disconnect();
            connect(action, &QAction::triggered, this, &IpFieldEdit::pasteFromClipboard);
        }
    }
    menu->exec(event->globalPos());
}

void IpFieldEdit::pasteFromClipboard()
{
    const QString text = QApplication::clipboard()->text();
    if (dottedAddressPattern().match(text).hasMatch()) {
        Q_EMIT addressPasted(text);
        return;
    }
    const QString digits = text.trimmed();
    if (!digits.isEmpty() && digits.size() <= 3 && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); })) {
        insert(digits);
        clampToMaximum();
    }
}

IPAddressEdit::IPAddressEdit(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(0);
    for (int i = 0; i < FieldCount; ++i) {
        auto *field = new IpFieldEdit(this);
        field->setObjectName(QStringLiteral("field(%1)").arg(i));
        field->setAccessibleName(QStringLiteral("Address field %1").arg(i + 1));
        // Tab leaves the control; only the first field is in the tab chain.
        field->setFocusPolicy(i == 0 ? Qt::StrongFocus : Qt::ClickFocus);
        m_fields[static_cast<size_t>(i)] = field;
        layout->addWidget(field, 1);
        if (i + 1 < FieldCount) {
            auto *dot = new QLabel(QStringLiteral("."), this);
            dot->setAlignment(Qt::AlignBottom | Qt::AlignHCenter);
            layout->addWidget(dot);
        }
        connect(field, &IpFieldEdit::nextFieldRequested, this, [this, i] {
            if (i + 1 < FieldCount) {
                m_fields[static_cast<size_t>(i)]->enforceMinimum();
                IpFieldEdit *next = m_fields[static_cast<size_t>(i + 1)];
                next->setFocus(Qt::OtherFocusReason);
                next->selectAll();
            }
        });
        connect(field, &IpFieldEdit::previousFieldRequested, this, [this, i] {
            if (i > 0) {
                m_fields[static_cast<size_t>(i)]->enforceMinimum();
                IpFieldEdit *previous = m_fields[static_cast<size_t>(i - 1)];
                previous->setFocus(Qt::OtherFocusReason);
                previous->deselect();
                previous->setCursorPosition(previous->text().size());
            }
        });
        connect(field, &IpFieldEdit::addressPasted, this, &IPAddressEdit::fillFromText);
    }
    setFocusProxy(m_fields[0]);
}

void IPAddressEdit::fillFromText(const QString &dotted)
{
    const QStringList parts = dotted.trimmed().split(QLatin1Char('.'));
    for (int i = 0; i < FieldCount; ++i) {
        IpFieldEdit *field = m_fields[static_cast<size_t>(i)];
        field->setText(i < parts.size() ? parts.at(i) : QString());
        field->clampToMaximum();
        field->enforceMinimum();
    }
}

void IPAddressEdit::setAddress(quint32 packed)
{
    for (int i = 0; i < FieldCount; ++i) {
        const quint32 byte = (packed >> (8 * (FieldCount - 1 - i))) & 0xFFu;
        m_fields[static_cast<size_t>(i)]->setText(QString::number(byte));
    }
}

int IPAddressEdit::address(quint32 &packed) const
{
    packed = 0;
    int nonBlank = 0;
    for (int i = 0; i < FieldCount; ++i) {
        const IpFieldEdit *field = m_fields[static_cast<size_t>(i)];
        if (!field->isBlank())
            ++nonBlank;
        packed |= (static_cast<quint32>(field->value()) & 0xFFu) << (8 * (FieldCount - 1 - i));
    }
    return nonBlank;
}

void IPAddressEdit::clearAddress()
{
    for (IpFieldEdit *field : m_fields)
        field->clear();
}

bool IPAddressEdit::isBlank() const
{
    return std::all_of(m_fields.begin(), m_fields.end(), [](const IpFieldEdit *f) { return f->isBlank(); });
}

bool IPAddressEdit::setRange(int field, quint16 range)
{
    if (field < 0 || field >= FieldCount)
        return false;
    m_fields[static_cast<size_t>(field)]->setRange(range & 0xFF, range >> 8);
    return true;
}

void IPAddressEdit::setFieldFocus(int field)
{
    if (field < 0 || field >= FieldCount) {
        field = 0;
        for (int i = 0; i < FieldCount; ++i) {
            if (m_fields[static_cast<size_t>(i)]->isBlank()) {
                field = i;
                break;
            }
        }
    }
    IpFieldEdit *target = m_fields[static_cast<size_t>(field)];
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
}

void IPAddressEdit::setStyleWord(quint32 style)
{
    m_style = style;
    setVisible((style & VisibleStyleBit) != 0);
}

} // namespace controls
