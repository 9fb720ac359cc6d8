#pragma once
// The four-field byte editor behind uctIPAddressCtrl: what the native IPv4 address window offers, as a widget.
#include <QFrame>
#include <QLineEdit>
#include <array>

namespace controls {

// One byte field: digits only, never above its maximum, with the keyboard moves between fields.
class IpFieldEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit IpFieldEdit(QWidget *parent = nullptr);

    void setRange(int minimum, int maximum);
    [[nodiscard]] int minimum() const { return m_minimum; }
    [[nodiscard]] int maximum() const { return m_maximum; }
    [[nodiscard]] bool isBlank() const { return text().isEmpty(); }
    // The field's value, 0 when blank.
    [[nodiscard]] int value() const { return text().toInt(); }
    // Raises a value under the minimum to it; done when the caret leaves the field.
    void enforceMinimum();
    // Lowers a value over the maximum to it; done as the operator types.
    void clampToMaximum();

Q_SIGNALS:
    void nextFieldRequested();
    void previousFieldRequested();
    void addressPasted(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void pasteFromClipboard();

    int m_minimum = 0;
    int m_maximum = 255;
};

class IPAddressEdit : public QFrame
{
    Q_OBJECT
public:
    // The window style word a host can read and write (child, visible, clip siblings, clip children).
    static constexpr quint32 InitialStyle = 0x56000000;
    static constexpr quint32 VisibleStyleBit = 0x10000000;
    static constexpr int FieldCount = 4;

    explicit IPAddressEdit(QWidget *parent = nullptr);

    // The address with the first field in bits 24-31; blank fields are shown empty.
    void setAddress(quint32 packed);
    // Stores the packed address (blank fields as 0) and returns how many fields are not blank.
    int address(quint32 &packed) const;
    void clearAddress();
    [[nodiscard]] bool isBlank() const;
    // range: high byte the maximum, low byte the minimum. False for a field index outside 0-3.
    bool setRange(int field, quint16 range);
    // Outside 0-3: the first blank field, or the first field when none is blank.
    void setFieldFocus(int field);

    [[nodiscard]] quint32 styleWord() const { return m_style; }
    void setStyleWord(quint32 style);

    [[nodiscard]] IpFieldEdit *field(int index) const { return m_fields.at(static_cast<size_t>(index)); }

private:
    void fillFromText(const QString &dotted);

    std::array<IpFieldEdit *, FieldCount> m_fields{};
    quint32 m_style = InitialStyle;
};

} // namespace controls
