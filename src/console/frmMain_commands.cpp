// The pendant output commands, the key state query and the touch-panel settings.
#include "frmMain.h"

#include "cao/status.h"
#include "minitp/frmMTP.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QThread>
#include <cmath>
#include <limits>

namespace {
constexpr int RepeatPauseMs = 100;

// The operator's text as a 32-bit integer: locale-aware, blanks ignored, a fraction rounded half to even.
qint32 textToInt32(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    const double number = QLocale().toDouble(trimmed, &ok);
    if (!ok || trimmed.isEmpty())
        throw cao::Failure(cao::status::TypeMismatch, QStringLiteral("\"%1\" is not a number").arg(text));
    const double rounded = std::nearbyint(number); // the default rounding mode sends halves to even
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<qint32>::min() ||
        rounded > std::numeric_limits<qint32>::max())
        throw cao::Failure(cao::status::Overflow, QStringLiteral("%1 is outside the 32-bit range").arg(text));
    return static_cast<qint32>(rounded);
}
} // namespace

void frmMain::cmdTp_Click(qint16 index)
{
    if (!chkInfi->isChecked()) {
        ExecPendantCommand(index);
        return;
    }
    // The window may go away while pending events run; the guard notices before anything is touched.
    const QPointer<frmMain> self(this);
    while (self && !m_unloaded && chkInfi->isChecked()) {
        ExecPendantCommand(index);
        QCoreApplication::processEvents();
        if (!self || m_unloaded)
            return;
        QThread::msleep(RepeatPauseMs);
    }
}

void frmMain::ExecPendantCommand(qint16 index)
{
    using cao::Value;
    struct PendantCommand
    {
        const char *label;
        const char *command;
        Value (*parameter)(const frmMain &window);
    };
    static const PendantCommand commands[] = {
        {"Beep", "Beep", [](const frmMain &w) { return Value::text(w.txtTime->text()); }},
        {"LED On", "LED", [](const frmMain &w) { return Value::array({Value::text(w.txtLED->text()), Value::i2(1)}); }},
        {"LED Off", "LED", [](const frmMain &w) { return Value::array({Value::text(w.txtLED->text()), Value::i2(0)}); }},
        {"LED Flash", "LED",
         [](const frmMain &w) { return Value::array({Value::text(w.txtLED->text()), Value::i2(2)}); }},
        {"Set Key State", "SetKeyState",
         [](const frmMain &w) {
             Value::Array words;
             for (const QLineEdit *box : w.txtKeyState)
                 words << Value::text(box->text());
             return Value::array(words);
         }},
        {"Set Panel State", "SetPanelState",
         [](const frmMain &w) {
             return Value::array({Value::i2(w.chkTouch->isChecked() ? 1 : 0), Value::text(w.txtPanelX->text()),
                                  Value::text(w.txtPanelY->text())});
         }},
        {"Backlight On", "Backlight", [](const frmMain &) { return Value::boolean(true); }},
        {"Backlight Off", "Backlight", [](const frmMain &) { return Value::boolean(false); }},
    };
    if (index < 0 || index >= static_cast<qint16>(std::size(commands)))
        return;
    const PendantCommand &row = commands[index];
    runReportingFailure([this, &row](QString &label) {
        label = QString::fromLatin1(row.label);
        const Value parameter = row.parameter(*this);
        (void)connectedController().Execute(QString::fromLatin1(row.command), parameter);
    });
}

void frmMain::cmdGetKeyState_Click()
{
    runReportingFailure([this](QString &label) {
        label = QStringLiteral("GetKeyState");
        const cao::Value state = connectedController().Execute(QStringLiteral("GetKeyState"), cao::Value::missing());
        QStringList words;
        for (qsizetype i = 0; i < 8; ++i)
            words << state.at(i).toText();
        AddLog(0, words.join(QStringLiteral(", ")));
    });
}

void frmMain::writeVariable(const QString &label, const QString &name, const std::function<cao::Value()> &readControl)
{
    runReportingFailure([&](QString &failureLabel) {
        failureLabel = label;
        std::shared_ptr<cao::Variable> variable = connectedController().Variables().Item(name);
        variable->setValue(readControl());
    });
}

void frmMain::chkEnable_Click()
{
    writeVariable(QStringLiteral("Enabled"), QStringLiteral("@Enabled"),
                  [this] { return cao::Value::boolean(chkEnable->isChecked()); });
}

void frmMain::cmdSetDblClick_Click()
{
    writeVariable(QStringLiteral("DblClickSpeed"), QStringLiteral("@DblClickSpeed"),
                  [this] { return cao::Value::i4(textToInt32(txtDbl->text())); });
}

void frmMain::cmdSetPressHold_Click()
{
    writeVariable(QStringLiteral("PressHoldTime"), QStringLiteral("@PressHoldTime"),
                  [this] { return cao::Value::i4(textToInt32(txtPressHold->text())); });
}

void frmMain::cmdDrawMTP_Click()
{
    frmMTP editor;
    editor.m_CaoCtrl = m_CaoCtrl;
    editor.exec();
}
