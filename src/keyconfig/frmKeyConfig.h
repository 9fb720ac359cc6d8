#pragma once
// The key configuration dialog: binds PC keys to pendant keys by capturing key presses, and saves "vkey.dat".
#include "keymap/keymap.h"

#include <QDialog>
#include <QLineEdit>
#include <map>
#include <optional>

class QLabel;
class QPushButton;
class QTabWidget;

namespace keyconfig {
// A key box: reports focus and key events to the dialog instead of editing its own text.
class CaptureBox : public QLineEdit
{
    Q_OBJECT
public:
    CaptureBox(int element, QWidget *parent);
    [[nodiscard]] int element() const { return m_element; }

Q_SIGNALS:
    void gotFocus(int element);
    void keyDown(int element, int keyCode, int shift);
    void keyUp(int element);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    int m_element;
};
} // namespace keyconfig

class frmKeyConfig : public QDialog
{
    Q_OBJECT
public:
    explicit frmKeyConfig(QWidget *parent = nullptr);
    ~frmKeyConfig() override;

    [[nodiscard]] const keymap::KeyMap &keyMap() const { return m_keyMap; }

    void txtConfig_GotFocus(int Index);
    void txtConfig_KeyDown(int Index, int KeyCode, int Shift);
    void txtConfig_KeyUp(int Index);
    void txtConfig_Change(int Index);
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    // Each box's accessible description says what its slot is bound to now.
    void describeBindings();
    void Form_Load();
    // The key map slot a box edits, from its Tag; nothing when the Tag is not a usable number.
    [[nodiscard]] std::optional<int> slotOfBox(int element) const;

    keymap::KeyMap m_keyMap;
    QString m_captureText;
    QTabWidget *SSTab1 = nullptr;
    std::map<int, keyconfig::CaptureBox *> txtConfig;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};
