#pragma once
// A reusable IPv4 address entry of four byte fields, with a persisted font, for any host window.
#include "controls/ipaddressedit.h"
#include "controls/propertybag.h"
#include "controls/stdfont.h"

#include <QWidget>
#include <memory>

class uctIPAddressCtrl : public QWidget
{
    Q_OBJECT
    Q_CLASSINFO("ClassName", "Zandorex.uctIPAddressCtrl")
public:
    // The surface is fixed at 2400 x 315 twips, whatever size a host asks for.
    static constexpr int SurfaceWidthTwips = 2400;
    static constexpr int SurfaceHeightTwips = 315;

    explicit uctIPAddressCtrl(QWidget *parent = nullptr);
    ~uctIPAddressCtrl() override;

    void SetIPAddress(quint8 byFirst, quint8 bySecond, quint8 byThird, quint8 byFourth);
    void GetIPAddress(quint8 &byFirst, quint8 &bySecond, quint8 &byThird, quint8 &byFourth) const;
    // Maximum before minimum; an index outside 0-3 is ignored.
    void SetFieldRange(qint32 lIndex, quint8 byMax, quint8 byMin);
    void SetFieldFocus(qint32 intIndex);
    void Clear();
    [[nodiscard]] bool IsBlank() const;
    // "192.168.0.1"; blank fields read 0. Screen readers hear it as the control's value.
    [[nodiscard]] QString dottedAddress() const;
    // Names the control and its four fields after the caption a sighted user reads beside it.
    void setCaption(const QString &caption, const QString &explanation);

    [[nodiscard]] bool Enabled() const;
    void SetEnabled(bool bEnabled);
    // The address window's visible style bit; no other style bit changes.
    [[nodiscard]] bool Visible() const;
    void SetVisible(bool bVisible);

    [[nodiscard]] std::shared_ptr<controls::StdFont> Font() const;
    void SetFont(std::shared_ptr<controls::StdFont> newFont);
    [[nodiscard]] bool FontBold() const;
    void SetFontBold(bool bBold);
    [[nodiscard]] bool FontItalic() const;
    void SetFontItalic(bool bItalic);
    [[nodiscard]] QString FontName() const;
    void SetFontName(const QString &strName);
    [[nodiscard]] float FontSize() const;
    void SetFontSize(float fSize);

    // Host lifecycle: a new instance gets InitProperties, a stored one ReadProperties.
    void UserControl_InitProperties();
    void UserControl_ReadProperties(const controls::PropertyBag &bag);
    void UserControl_WriteProperties(controls::PropertyBag &bag) const;

    [[nodiscard]] controls::IPAddressEdit *addressWindow() const { return m_addressWindow; }
    // The character height last given to the address window, negative like a LOGFONT asks for it; 0 before.
    [[nodiscard]] int appliedFontHeight() const { return m_appliedFontHeight; }

Q_SIGNALS:
    // The named persisted property changed; the host should save the control's properties again.
    void PropertyChanged(const QString &propertyName);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void UserControl_Initialize();
    void UserControl_Resize();
    void m_Font_FontChanged(const QString &propertyName);
    void subscribe();
    void fontPropertyChanged();
    [[nodiscard]] QVariant ambientFont() const;

    controls::IPAddressEdit *m_addressWindow = nullptr;
    std::shared_ptr<controls::StdFont> m_Font;
    QMetaObject::Connection m_fontSubscription;
    int m_appliedFontHeight = 0;
};
