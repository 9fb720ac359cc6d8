#include "uctIPAddressCtrl.h"

#include "controls/twips.h"

#include <QAccessibleWidget>
#include <QResizeEvent>
#include <cmath>

using controls::IPAddressEdit;
using controls::StdFont;

namespace {
const QString FontProperty = QStringLiteral("IPAddrFont");

// MulDiv: a * b / c rounded to the nearest integer, halves away from zero.
int mulDiv(int a, int b, int c)
{
    const qint64 product = static_cast<qint64>(a) * b;
    const qint64 half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}
// The control as a group whose value is the dotted address; its four fields are its children.
class IpAddressAccessible : public QAccessibleWidget
{
public:
    explicit IpAddressAccessible(uctIPAddressCtrl *control) : QAccessibleWidget(control, QAccessible::Grouping) {}
    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return static_cast<const uctIPAddressCtrl *>(widget())->dottedAddress();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("uctIPAddressCtrl"))
        if (auto *control = qobject_cast<uctIPAddressCtrl *>(object))
            return new IpAddressAccessible(control);
    return nullptr;
}
} // namespace

uctIPAddressCtrl::uctIPAddressCtrl(QWidget *parent) : QWidget(parent)
{
    UserControl_Initialize();
}

uctIPAddressCtrl::~uctIPAddressCtrl() = default;

void uctIPAddressCtrl::UserControl_Initialize()
{
    static const bool accessibleInstalled = (QAccessible::installFactory(&accessibleFor), true);
    Q_UNUSED(accessibleInstalled);
    setFixedSize(controls::twipsSize(SurfaceWidthTwips, SurfaceHeightTwips));
    m_addressWindow = new IPAddressEdit(this);
    m_addressWindow->setObjectName(QStringLiteral("addressWindow"));
    m_addressWindow->setGeometry(0, 0, 160, 21);
    setFocusProxy(m_addressWindow);
    setFocusPolicy(Qt::StrongFocus);
    SetIPAddress(127, 0, 0, 1);
    m_Font = std::make_shared<StdFont>();
    subscribe();
}

void uctIPAddressCtrl::subscribe()
{
    QObject::disconnect(m_fontSubscription);
    m_fontSubscription = connect(m_Font.get(), &StdFont::FontChanged, this, &uctIPAddressCtrl::m_Font_FontChanged);
}

void uctIPAddressCtrl::SetIPAddress(quint8 byFirst, quint8 bySecond, quint8 byThird, quint8 byFourth)
{
    const quint32 packed = (quint32{byFirst} << 24) | (quint32{bySecond} << 16) | (quint32{byThird} << 8) | byFourth;
    m_addressWindow->setAddress(packed);
}

void uctIPAddressCtrl::GetIPAddress(quint8 &byFirst, quint8 &bySecond, quint8 &byThird, quint8 &byFourth) const
{
    quint32 packed = 0;
    (void)m_addressWindow->address(packed);
    byFourth = static_cast<quint8>(packed & 0xFFu);
    byThird = static_cast<quint8>((packed >> 8) & 0xFFu);
    bySecond = static_cast<quint8>((packed >> 16) & 0xFFu);
    byFirst = static_cast<quint8>((packed >> 24) & 0xFFu);
}

QString uctIPAddressCtrl::dottedAddress() const
{
    quint8 first = 0, second = 0, third = 0, fourth = 0;
    GetIPAddress(first, second, third, fourth);
    return QStringLiteral("%1.%2.%3.%4").arg(first).arg(second).arg(third).arg(fourth);
}

void uctIPAddressCtrl::setCaption(const QString &caption, const QString &explanation)
{
    setAccessibleName(QStringLiteral("%1 (%2)").arg(caption, explanation));
    for (int i = 0; i < IPAddressEdit::FieldCount; ++i)
        m_addressWindow->field(i)->setAccessibleName(QStringLiteral("%1, field %2 of %3").arg(caption).arg(i + 1).arg(IPAddressEdit::FieldCount));
}

void uctIPAddressCtrl::SetFieldRange(qint32 lIndex, quint8 byMax, quint8 byMin)
{
    if (lIndex < 0 || lIndex > 3)
        return;
    m_addressWindow->setRange(lIndex, static_cast<quint16>(byMax * 256 + byMin));
}

void uctIPAddressCtrl::SetFieldFocus(qint32 intIndex)
{
    m_addressWindow->setFieldFocus(intIndex);
}

void uctIPAddressCtrl::Clear()
{
    m_addressWindow->clearAddress();
}

bool uctIPAddressCtrl::IsBlank() const
{
    return m_addressWindow->isBlank();
}

bool uctIPAddressCtrl::Enabled() const
{
    return isEnabled();
}

void uctIPAddressCtrl::SetEnabled(bool bEnabled)
{
    setEnabled(bEnabled);
}

bool uctIPAddressCtrl::Visible() const
{
    return (m_addressWindow->styleWord() & IPAddressEdit::VisibleStyleBit) != 0;
}

void uctIPAddressCtrl::SetVisible(bool bVisible)
{
    const quint32 style = m_addressWindow->styleWord();
    m_addressWindow->setStyleWord(bVisible ? (style | IPAddressEdit::VisibleStyleBit)
                                           : (style & ~IPAddressEdit::VisibleStyleBit));
}

std::shared_ptr<StdFont> uctIPAddressCtrl::Font() const
{
    return m_Font;
}

void uctIPAddressCtrl::SetFont(std::shared_ptr<StdFont> newFont)
{
    if (!newFont)
        return;
    m_Font = std::move(newFont);
    subscribe();
    fontPropertyChanged();
}

// Tells the host to save "Font" again, then applies it (the font's own notification may already have).
void uctIPAddressCtrl::fontPropertyChanged()
{
    Q_EMIT PropertyChanged(QStringLiteral("Font"));
    m_Font_FontChanged(QStringLiteral("Font"));
}

bool uctIPAddressCtrl::FontBold() const
{
    return m_Font->Bold();
}

void uctIPAddressCtrl::SetFontBold(bool bBold)
{
    m_Font->setBold(bBold);
    fontPropertyChanged();
}

bool uctIPAddressCtrl::FontItalic() const
{
    return m_Font->Italic();
}

void uctIPAddressCtrl::SetFontItalic(bool bItalic)
{
    m_Font->setItalic(bItalic);
    fontPropertyChanged();
}

QString uctIPAddressCtrl::FontName() const
{
    return m_Font->Name();
}

void uctIPAddressCtrl::SetFontName(const QString &strName)
{
    m_Font->setName(strName);
    fontPropertyChanged();
}

float uctIPAddressCtrl::FontSize() const
{
    return m_Font->Size();
}

void uctIPAddressCtrl::SetFontSize(float fSize)
{
    m_Font->setSize(fSize);
    fontPropertyChanged();
}

void uctIPAddressCtrl::m_Font_FontChanged(const QString &)
{
    const int dpi = logicalDpiY();
    const int points = static_cast<int>(std::nearbyint(m_Font->Size())); // default rounding mode: halves to even
    m_appliedFontHeight = -mulDiv(points, dpi, 72);
    QFont font(m_Font->Name());
    font.setPixelSize(std::max(1, -m_appliedFontHeight));
    font.setWeight(m_Font->Bold() ? QFont::Bold : QFont::Normal);
    font.setItalic(m_Font->Italic());
    font.setUnderline(m_Font->Underline());
    font.setStrikeOut(m_Font->Strikethrough());
    font.setStyleHint(QFont::SansSerif); // variable pitch, like the face the control asks for
    m_addressWindow->setFont(font);
    update();
}

QVariant uctIPAddressCtrl::ambientFont() const
{
    const QFont hostFont = parentWidget() ? parentWidget()->font() : QWidget::font();
    return StdFont::fromQFont(hostFont)->toVariantMap();
}

void uctIPAddressCtrl::UserControl_InitProperties()
{
    // A new instance shows the surface's own font; it is applied only when it changes.
    m_Font = StdFont::fromQFont(QWidget::font());
    subscribe();
}

void uctIPAddressCtrl::UserControl_ReadProperties(const controls::PropertyBag &bag)
{
    m_Font = StdFont::fromVariantMap(bag.ReadProperty(FontProperty, ambientFont()).toMap());
    subscribe();
    m_Font_FontChanged(QStringLiteral("Font"));
}

void uctIPAddressCtrl::UserControl_WriteProperties(controls::PropertyBag &bag) const
{
    bag.WriteProperty(FontProperty, m_Font->toVariantMap(), ambientFont());
}

void uctIPAddressCtrl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    UserControl_Resize();
}

void uctIPAddressCtrl::UserControl_Resize()
{
    const QSize fixed = controls::twipsSize(SurfaceWidthTwips, SurfaceHeightTwips);
    if (size() != fixed)
        resize(fixed);
}
