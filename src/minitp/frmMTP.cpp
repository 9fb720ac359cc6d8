#include "frmMTP.h"

#include "controls/captionfit.h"
#include "controls/twips.h"
#include "minitp/drawingcatalogue.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

using controls::twips;

namespace {
constexpr int EndLineData = 0;
constexpr int SubscriptOutOfRange = 9;

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setGeometry(geometry);
    return button;
}
} // namespace

frmMTP::frmMTP(QWidget *parent) : QDialog(parent)
{
    buildControls();
    Form_Load();
}

frmMTP::~frmMTP() = default;

void frmMTP::buildControls()
{
    setObjectName(QStringLiteral("frmMTP"));
    setWindowTitle(QStringLiteral("DrawMTP"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(controls::twipsSize(3495, 5475));

    lstCommands = new QListWidget(this);
    lstCommands->setObjectName(QStringLiteral("lstCommands"));
    lstCommands->setAccessibleName(QStringLiteral("Drawing commands"));
    lstCommands->setSelectionMode(QAbstractItemView::SingleSelection);
    lstCommands->setGeometry(twips(150, 210, 3225, 1680));
    cmdAdd = makeButton(this, QStringLiteral("cmdAdd"), QStringLiteral("Add"), twips(210, 2010, 975, 285));
    cmdRemove = makeButton(this, QStringLiteral("cmdRemove"), QStringLiteral("Remove"), twips(1260, 2010, 975, 285));
    cmdModify = makeButton(this, QStringLiteral("cmdModify"), QStringLiteral("Modify"), twips(2310, 2010, 975, 285));

    Frame1 = new QGroupBox(QStringLiteral("Command"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips(180, 2430, 3165, 2565));
    cmbCommand = new QComboBox(Frame1);
    cmbCommand->setObjectName(QStringLiteral("cmbCommand"));
    cmbCommand->setEditable(false);
    cmbCommand->setGeometry(twips(1140, 330, 1845, 300));
    for (const minitp::DrawingCommand &command : minitp::DrawingCatalogue)
        cmbCommand->addItem(QString::fromUtf8(command.caption), command.code);
    Label1 = new QLabel(QStringLiteral("Command :"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twips(210, 360, 945, 165));
    Label1->setBuddy(cmbCommand);
    cmbCommand->setAccessibleName(QStringLiteral("Command"));
    controls::fitCaption(Label1);
    for (int k = 0; k < minitp::ParameterCount; ++k) {
        auto *box = new QLineEdit(Frame1);
        box->setObjectName(QStringLiteral("txtPara(%1)").arg(k));
        box->setGeometry(twips(1140, 690 + 360 * k, 1845, 300));
        auto *label = new QLabel(QStringLiteral("Para%1 :").arg(k + 1), Frame1);
        label->setObjectName(QStringLiteral("Label2(%1)").arg(k));
        label->setGeometry(twips(210, 750 + 360 * k, 945, 165));
        label->setBuddy(box);
        controls::fitCaption(label);
        box->setAccessibleName(QStringLiteral("Para%1, parameter %1").arg(k + 1));
        txtPara[static_cast<size_t>(k)] = box;
        Label2[static_cast<size_t>(k)] = label;
    }
    cmdSend = makeButton(this, QStringLiteral("cmdSend"), QStringLiteral("Send"), twips(240, 5100, 975, 285));
    cmdClose = makeButton(this, QStringLiteral("cmdClose"), QStringLiteral("Close"), twips(2370, 5100, 975, 285));

    QWidget *tabOrder[] = {lstCommands, cmdAdd,     cmdRemove,  cmbCommand, txtPara[0], txtPara[1],
                           txtPara[2],  txtPara[3], txtPara[4], cmdSend,    cmdModify,  cmdClose};
    for (size_t i = 0; i + 1 < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);

    connect(lstCommands, &QListWidget::currentRowChanged, this, [this] {
        if (!m_selectionHandlingSuspended)
            lstCommands_Click();
    });
    // One line is selected at all times: a click that would clear the selection selects the current line again.
    connect(lstCommands, &QListWidget::itemSelectionChanged, this, [this] {
        if (lstCommands->selectedItems().isEmpty() && lstCommands->currentItem())
            lstCommands->currentItem()->setSelected(true);
    });
    connect(cmdAdd, &QPushButton::clicked, this, &frmMTP::cmdAdd_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmMTP::cmdRemove_Click);
    connect(cmdModify, &QPushButton::clicked, this, &frmMTP::cmdModify_Click);
    connect(cmdSend, &QPushButton::clicked, this, &frmMTP::cmdSend_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmMTP::cmdClose_Click);
}

void frmMTP::Form_Load()
{
    m_Commands.clear();
    cmbCommand->setCurrentIndex(0);
    auto *endLine = new QListWidgetItem(QString());
    endLine->setData(Qt::UserRole, EndLineData);
    lstCommands->insertItem(0, endLine);
    selectWithoutHandling(0);
    lstCommands_Click();
    m_NextKey = 1;
    lstCommands->setFocus(Qt::OtherFocusReason);
}

int frmMTP::selectedNumber() const
{
    const QListWidgetItem *item = lstCommands->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : EndLineData;
}

void frmMTP::selectWithoutHandling(int row)
{
    m_selectionHandlingSuspended = true;
    lstCommands->setCurrentRow(row);
    m_selectionHandlingSuspended = false;
}

void frmMTP::lstCommands_Click()
{
    const int selected = lstCommands->currentRow();
    const bool onCommandLine = selected != lstCommands->count() - 1;
    cmdRemove->setEnabled(onCommandLine);
    cmdModify->setEnabled(onCommandLine);
    const int number = selectedNumber();
    if (number == EndLineData)
        return;
    const cao::Value entry = m_Commands.value(entryKey(number));
    if (!entry.isArray())
        return;
    try {
        const qint32 code = entry.at(0).toInt();
        for (int i = 0; i < cmbCommand->count(); ++i) {
            if (cmbCommand->itemData(i).toInt() == code)
                cmbCommand->setCurrentIndex(i);
        }
        const cao::Value &parameters = entry.at(1);
        for (int k = 0; k < minitp::ParameterCount; ++k)
            txtPara[static_cast<size_t>(k)]->setText(parameters.at(k).toText());
    } catch (const cao::Failure &) {
        // Entries are built only by this editor; a malformed one leaves the fields as they are.
    }
}

QString frmMTP::listLine() const
{
    QString line = cmbCommand->currentText() + QStringLiteral(", (") + txtPara[0]->text();
    for (int k = 1; k < minitp::ParameterCount; ++k)
        line += QLatin1Char(',') + txtPara[static_cast<size_t>(k)]->text();
    return line + QLatin1Char(')');
}

cao::Value frmMTP::entryFromFields() const
{
    cao::Value::Array parameters;
    for (const QLineEdit *box : txtPara)
        parameters << cao::Value::text(box->text());
    return cao::Value::array({cao::Value::i4(cmbCommand->currentData().toInt()), cao::Value::array(parameters)});
}

void frmMTP::cmdAdd_Click()
{
    const QString line = listLine();
    const int selected = std::max(0, lstCommands->currentRow());
    auto *item = new QListWidgetItem(line);
    item->setData(Qt::UserRole, m_NextKey);
    m_selectionHandlingSuspended = true;
    lstCommands->insertItem(selected, item);
    lstCommands->setCurrentRow(selected + 1);
    m_selectionHandlingSuspended = false;
    m_Commands.insert(entryKey(m_NextKey), entryFromFields());
    ++m_NextKey;
}

void frmMTP::cmdModify_Click()
{
    const int number = selectedNumber();
    if (number == EndLineData)
        return;
    const QString key = entryKey(number);
    const cao::Value entry = entryFromFields();
    m_Commands.remove(key);
    m_Commands.insert(key, entry);
    lstCommands->currentItem()->setText(listLine());
}

void frmMTP::cmdRemove_Click()
{
    if (lstCommands->count() <= 1)
        return;
    const int selected = lstCommands->currentRow();
    const int number = selectedNumber();
    if (number == EndLineData)
        return;
    m_Commands.remove(entryKey(number));
    m_selectionHandlingSuspended = true;
    delete lstCommands->takeItem(selected);
    m_selectionHandlingSuspended = false;
    selectWithoutHandling(selected);
    lstCommands_Click();
}

void frmMTP::cmdSend_Click()
{
    const int lineCount = lstCommands->count();
    if (lineCount - 1 <= 0) {
        showFailure(SubscriptOutOfRange, QStringLiteral("Nothing to send: the drawing has no command. Add one first."));
        return;
    }
    try {
        cao::Value::Array drawing;
        for (int i = 0; i < lineCount - 1; ++i) {
            const QString key = entryKey(lstCommands->item(i)->data(Qt::UserRole).toInt());
            const auto entry = m_Commands.constFind(key);
            if (entry == m_Commands.constEnd())
                throw cao::Failure(5, QStringLiteral("No stored command for list line %1").arg(i));
            drawing << entry.value();
        }
        if (m_CaoCtrl)
            (void)m_CaoCtrl->Execute(QStringLiteral("DrawMiniTP"), cao::Value::array(drawing));
    } catch (const cao::Failure &failure) {
        showFailure(failure.number(), failure.description());
    } catch (const std::exception &failure) {
        showFailure(5, QString::fromLocal8Bit(failure.what()));
    }
}

void frmMTP::showFailure(qint32 number, const QString &description)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                    QString::number(number) + QStringLiteral("\r\n") + description, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("sendFailure"));
    box.exec();
}

void frmMTP::cmdClose_Click()
{
    close();
}
