#include "stdfont.h"

namespace controls {

void StdFont::setName(const QString &name)
{
    m_name = name;
    Q_EMIT FontChanged(QStringLiteral("Name"));
}

void StdFont::setSize(float points)
{
    m_size = points;
    Q_EMIT FontChanged(QStringLiteral("Size"));
}

void StdFont::setBold(bool bold)
{
    m_bold = bold;
    Q_EMIT FontChanged(QStringLiteral("Bold"));
}

void StdFont::setItalic(bool italic)
{
    m_italic = italic;
    Q_EMIT FontChanged(QStringLiteral("Italic"));
}

void StdFont::setUnderline(bool underline)
{
    m_underline = underline;
    Q_EMIT FontChanged(QStringLiteral("Underline"));
}

void StdFont::setStrikethrough(bool strikethrough)
{
    m_strikethrough = strikethrough;
    Q_EMIT FontChanged(QStringLiteral("Strikethrough"));
}

void StdFont::setCharset(qint16 charset)
{
    m_charset = charset;
    Q_EMIT FontChanged(QStringLiteral("Charset"));
}

QVariantMap StdFont::toVariantMap() const
{
    return {{QStringLiteral("Name"), m_name},           {QStringLiteral("Size"), m_size},
            {QStringLiteral("Bold"), m_bold},           {QStringLiteral("Italic"), m_italic},
            {QStringLiteral("Underline"), m_underline}, {QStringLiteral("Strikethrough"), m_strikethrough},
            {QStringLiteral("Charset"), m_charset}};
}

std::shared_ptr<StdFont> StdFont::fromVariantMap(const QVariantMap &map)
{
    auto font = std::make_shared<StdFont>();
    font->m_name = map.value(QStringLiteral("Name"), font->m_name).toString();
    font->m_size = map.value(QStringLiteral("Size"), font->m_size).toFloat();
    font->m_bold = map.value(QStringLiteral("Bold")).toBool();
    font->m_italic = map.value(QStringLiteral("Italic")).toBool();
    font->m_underline = map.value(QStringLiteral("Underline")).toBool();
    font->m_strikethrough = map.value(QStringLiteral("Strikethrough")).toBool();
    font->m_charset = static_cast<qint16>(map.value(QStringLiteral("Charset")).toInt());
    return font;
}

std::shared_ptr<StdFont> StdFont::fromQFont(const QFont &qfont)
{
    auto font = std::make_shared<StdFont>();
    font->m_name = qfont.family();
    font->m_size = qfont.pointSizeF() > 0 ? static_cast<float>(qfont.pointSizeF()) : 9.0f;
    font->m_bold = qfont.weight() >= QFont::Bold;
    font->m_italic = qfont.italic();
    font->m_underline = qfont.underline();
    font->m_strikethrough = qfont.strikeOut();
    return font;
}

} // namespace controls
