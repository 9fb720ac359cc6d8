#pragma once
// The console's controls as a script finds and drives them, in the user-interface thread: by objectName or by the
// name a screen reader speaks (its words in any order: "LED On" finds "On, LED"), acting through the widgets the
// way an operator's mouse and keyboard do. Every failure is an ActionFailed that names the control.
#include <QString>
#include <QStringList>

class QWidget;

namespace consolescript::widgets {

// The window that takes input now: the modal dialog that is up, else the console.
[[nodiscard]] QWidget &inputWindow(QWidget &console);
// The one control of the window the name stands for.
[[nodiscard]] QWidget &find(QWidget &window, const QString &name);
// Each control's objectName and spoken name, for a script's author to look up.
[[nodiscard]] QStringList describe(QWidget &window);

// Presses a button as a click does (press and release at its centre). Returns when the click's handler has.
void press(QWidget &control, const QString &name);
void check(QWidget &control, const QString &name, bool on);
void choose(QWidget &control, const QString &name, const QString &item);
void setText(QWidget &control, const QString &name, const QString &text);
void selectTab(QWidget &window, const QString &caption);

[[nodiscard]] QString text(QWidget &control, const QString &name);
[[nodiscard]] bool isChecked(QWidget &control, const QString &name);

} // namespace consolescript::widgets
