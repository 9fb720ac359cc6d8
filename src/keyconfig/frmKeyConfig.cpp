#include "frmKeyConfig.h"

#include "controls/captionfit.h"
#include "controls/twips.h"
#include "keyconfig/keylayout.h"
#include "keymap/virtualkeys.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

using controls::twips;
using namespace keyconfig;
using namespace keymap;

namespace {
constexpr int BoxWidth = 1305;
constexpr int BoxHeight = 300;
constexpr int CaptionHeight = 240;
constexpr int CaptionOffset = 60;
constexpr int HeadingTop = 510;

struct ColumnGeometry
{
    int labelLeft;
    int labelWidth;
    int boxLeft;
};

ColumnGeometry columnGeometry(Column column, bool miniTpPage)
{
    switch (column) {
    case Column::First:
        return {180, 1305, 1500};
    case Column::Second:
        return miniTpPage ? ColumnGeometry{2940, 1185, 4140} : ColumnGeometry{3120, 1005, 4140};
    case Column::Minus:
        return {5160, 855, 6030};
    case Column::Plus:
        return {5160, 855, 7530};
    }
    return {};
}
} // namespace

namespace keyconfig {

CaptureBox::CaptureBox(int element, QWidget *parent) : QLineEdit(parent), m_element(element)
{
    setObjectName(QStringLiteral("txtConfig(%1)").arg(element));
}

void CaptureBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    Q_EMIT gotFocus(m_element);
}

void CaptureBox::keyPressEvent(QKeyEvent *event)
{
    // Every key is a capture; the box itself never edits (Tab is handled before it gets here).
    const int keyCode = virtualKeyFor(event->key(), event->modifiers() & Qt::KeypadModifier);
    if (keyCode != 0)
        Q_EMIT keyDown(m_element, keyCode, modifierMaskFor(event->modifiers()));
    event->accept();
}

void CaptureBox::keyReleaseEvent(QKeyEvent *event)
{
    Q_EMIT keyUp(m_element);
    event->accept();
}

} // namespace keyconfig

frmKeyConfig::frmKeyConfig(QWidget *parent) : QDialog(parent)
{
    buildControls();
    Form_Load();
}

frmKeyConfig::~frmKeyConfig() = default;

namespace {
// A box's accessible name: its caption's words first, then what a symbol says or which column it is in, then
// "key", so that the "OK" key box is not taken for the OK button.
QString keyBoxName(const QString &words, Column column)
{
    static const std::pair<const char *, const char *> Arrows[] = {
        {"↑", "Up arrow"}, {"↓", "Down arrow"}, {"←", "Left arrow"}, {"→", "Right arrow"}};
    for (const auto &[symbol, name] : Arrows) {
        if (words == QString::fromUtf8(symbol))
            return words + QLatin1Char(' ') + QLatin1String(name) + QStringLiteral(" key");
    }
    if (column == Column::Minus)
        return words + QStringLiteral(" − key");
    if (column == Column::Plus)
        return words + QStringLiteral(" + key");
    return words + QStringLiteral(" key");
}

// What a box is bound to, for a screen reader: the box itself goes blank while it waits for a key.
QString bindingDescription(qint16 value)
{
    if (value == 0)
        return QStringLiteral("No key bound");
    const auto bits = static_cast<quint16>(value);
    QString text = QStringLiteral("Bound to key code %1").arg(bits & 0xFF);
    if (const int key = qtKeyFor(bits & 0xFF))
        text += QStringLiteral(" (%1)").arg(QKeySequence(key).toString(QKeySequence::NativeText));
    if (const QString shown = displayText(value); shown != QString::number(bits & 0xFF))
        text += QStringLiteral(", shown as \"%1\"").arg(shown); // with its modifiers
    return text;
}
} // namespace

void frmKeyConfig::describeBindings()
{
    for (const auto &[element, box] : txtConfig) {
        const std::optional<int> slot = slotOfBox(element);
        box->setAccessibleDescription(slot ? bindingDescription(m_keyMap.slot(*slot)) : QString());
    }
}

void frmKeyConfig::buildControls()
{
    setObjectName(QStringLiteral("frmKeyConfig"));
    setWindowTitle(QStringLiteral("KeyConfig"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(controls::twipsSize(9360, 5595));

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(twips(60, 60, 9225, 4965));
    QWidget *pages[2] = {new QWidget, new QWidget};
    SSTab1->addTab(pages[0], QStringLiteral("TP"));
    SSTab1->addTab(pages[1], QStringLiteral("miniTP"));
    // Positions count from the top of the tab container; the page starts below the tab strip.
    const int stripHeight = SSTab1->tabBar()->sizeHint().height();

    int labelIndex = 0;
    QString rowWords; // a "+" box has no caption of its own: it shares the one of its row
    auto place = [stripHeight](QWidget *widget, const QRect &rect) {
        widget->setGeometry(rect.translated(0, -stripHeight));
    };
    for (int page = 0; page < 2; ++page) {
        for (const char *heading : {"-", "+"}) {
            auto *label = new QLabel(QString::fromLatin1(heading), pages[page]);
            label->setObjectName(QStringLiteral("Label1(%1)").arg(labelIndex++));
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            place(label, twips(heading[0] == '-' ? 6060 : 7560, HeadingTop + CaptionOffset, 1395, CaptionHeight));
        }
    }
    for (const KeyBox &box : KeyBoxes) {
        const bool miniTpPage = box.element >= 64;
        QWidget *page = pages[miniTpPage ? 1 : 0];
        const ColumnGeometry geometry = columnGeometry(box.column, miniTpPage);
        auto *edit = new CaptureBox(box.element, page);
        edit->setProperty("Tag", QString::number(box.tag));
        place(edit, twips(geometry.boxLeft, box.top, BoxWidth, BoxHeight));
        if (isShiftBox(box.element)) {
            edit->setText(QString::number(VK_SHIFT));
            QPalette palette = edit->palette();
            palette.setColor(QPalette::Base, palette.color(QPalette::Button));
            edit->setPalette(palette);
        }
        if (box.caption) {
            auto *label = new QLabel(QString::fromUtf8(box.caption), page);
            label->setObjectName(QStringLiteral("Label1(%1)").arg(labelIndex++));
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setBuddy(edit);
            place(label, twips(geometry.labelLeft, box.top + CaptionOffset, geometry.labelWidth, CaptionHeight));
            controls::fitCaption(label);
            rowWords = controls::captionWords(label->text());
        }
        edit->setAccessibleName(keyBoxName(rowWords, box.column));
        txtConfig[box.element] = edit;
        connect(edit, &CaptureBox::gotFocus, this, &frmKeyConfig::txtConfig_GotFocus);
        connect(edit, &CaptureBox::keyDown, this, &frmKeyConfig::txtConfig_KeyDown);
        connect(edit, &CaptureBox::keyUp, this, &frmKeyConfig::txtConfig_KeyUp);
        connect(edit, &QLineEdit::textChanged, this, [this, element = box.element] { txtConfig_Change(element); });
    }

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twips(6540, 5130, 1275, 315));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(twips(7890, 5130, 1275, 315));
    // Neither is a default or cancel button: Enter and Escape are keys to capture.
    for (QPushButton *button : {cmdOK, cmdCancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(cmdOK, &QPushButton::clicked, this, &frmKeyConfig::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmKeyConfig::cmdCancel_Click);
    SSTab1->setCurrentIndex(1);
    // Opening puts the focus on the tabs, so no key box is blanked before the operator picks one.
    SSTab1->setFocus(Qt::OtherFocusReason);
}

void frmKeyConfig::keyPressEvent(QKeyEvent *event)
{
    // The dialog has no cancel button: Escape closes nothing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

std::optional<int> frmKeyConfig::slotOfBox(int element) const
{
    bool numeric = false;
    const int tag = txtConfig.at(element)->property("Tag").toString().toInt(&numeric);
    const int slot = numeric ? slotOf(element, tag) : -1;
    if (slot < 0 || slot >= SlotCount)
        return std::nullopt;
    return slot;
}

void frmKeyConfig::Form_Load()
{
    m_keyMap = KeyMap::load(QString::fromLatin1(FileName));
    for (const auto &[element, box] : txtConfig) {
        const std::optional<int> slot = slotOfBox(element);
        if (!slot)
            break; // a box without a usable Tag ends the filling; the boxes filled so far stay
        const qint16 value = m_keyMap.slot(*slot);
        if (value == 0)
            continue;
        m_captureText = displayText(value);
        box->setText(m_captureText);
    }
    m_captureText.clear();
    describeBindings();
}

void frmKeyConfig::txtConfig_GotFocus(int Index)
{
    m_captureText.clear();
    CaptureBox *box = txtConfig.at(Index);
    box->clear();
    box->setCursorPosition(0);
    box->deselect();
}

void frmKeyConfig::txtConfig_KeyDown(int Index, int KeyCode, int Shift)
{
    if (KeyCode == VK_SHIFT || KeyCode == VK_CONTROL || KeyCode == VK_MENU)
        return;
    const std::optional<int> slot = slotOfBox(Index);
    if (!slot)
        return;
    const qint16 binding = bindingFor(KeyCode, Shift);
    m_keyMap.setSlot(*slot, binding);
    m_captureText = displayText(binding);
    describeBindings();
}

void frmKeyConfig::txtConfig_KeyUp(int Index)
{
    txtConfig.at(Index)->setText(m_captureText);
}

void frmKeyConfig::txtConfig_Change(int Index)
{
    CaptureBox *box = txtConfig.at(Index);
    if (box->text() != m_captureText)
        box->setText(m_captureText);
}

void frmKeyConfig::cmdOK_Click()
{
    QString error;
    if (!m_keyMap.save(QString::fromLatin1(FileName), &error)) {
        QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                        QStringLiteral("The key map was not saved.\n%1").arg(error), QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("saveFailure"));
        box.exec();
        return;
    }
    accept();
}

void frmKeyConfig::cmdCancel_Click()
{
    reject();
}
