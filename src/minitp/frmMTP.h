#pragma once
// The MiniTP drawing editor: builds an ordered list of drawing commands and sends it with "DrawMiniTP".
#include "cao/engine.h"

#include <QDialog>
#include <QHash>
#include <array>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class frmMTP : public QDialog
{
    Q_OBJECT
public:
    explicit frmMTP(QWidget *parent = nullptr);
    ~frmMTP() override;

    // The pendant connection shared with the main window; Send uses it when present.
    std::shared_ptr<cao::Controller> m_CaoCtrl;

    [[nodiscard]] const QHash<QString, cao::Value> &commands() const { return m_Commands; }
    [[nodiscard]] qint32 nextKey() const { return m_NextKey; }

    void lstCommands_Click();
    void cmdAdd_Click();
    void cmdModify_Click();
    void cmdRemove_Click();
    void cmdSend_Click();
    void cmdClose_Click();

private:
    void buildControls();
    void Form_Load();
    [[nodiscard]] QString listLine() const;
    [[nodiscard]] cao::Value entryFromFields() const;
    [[nodiscard]] static QString entryKey(int number) { return QString::number(number); }
    [[nodiscard]] int selectedNumber() const;
    void selectWithoutHandling(int row);
    void showFailure(qint32 number, const QString &description);

    QHash<QString, cao::Value> m_Commands;
    qint32 m_NextKey = 1;
    bool m_selectionHandlingSuspended = false;

    QListWidget *lstCommands = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdRemove = nullptr;
    QPushButton *cmdModify = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *cmbCommand = nullptr;
    std::array<QLabel *, 5> Label2{};
    std::array<QLineEdit *, 5> txtPara{};
    QPushButton *cmdSend = nullptr;
    QPushButton *cmdClose = nullptr;
};
