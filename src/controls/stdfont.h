#pragma once
// A font object shared between a control and its host, announcing every change (FontChanged).
#include <QFont>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <memory>

namespace controls {

class StdFont : public QObject
{
    Q_OBJECT
public:
    StdFont() = default;

    [[nodiscard]] QString Name() const { return m_name; }
    [[nodiscard]] float Size() const { return m_size; }
    [[nodiscard]] bool Bold() const { return m_bold; }
    [[nodiscard]] bool Italic() const { return m_italic; }
    [[nodiscard]] bool Underline() const { return m_underline; }
    [[nodiscard]] bool Strikethrough() const { return m_strikethrough; }
    [[nodiscard]] qint16 Charset() const { return m_charset; }

    void setName(const QString &name);
    void setSize(float points);
    void setBold(bool bold);
    void setItalic(bool italic);
    void setUnderline(bool underline);
    void setStrikethrough(bool strikethrough);
    void setCharset(qint16 charset);

    // The persisted form (a property bag stores a plain map).
    [[nodiscard]] QVariantMap toVariantMap() const;
    static std::shared_ptr<StdFont> fromVariantMap(const QVariantMap &map);
    static std::shared_ptr<StdFont> fromQFont(const QFont &font);

Q_SIGNALS:
    void FontChanged(const QString &propertyName);

private:
    QString m_name = QStringLiteral("MS Sans Serif");
    float m_size = 8.25f;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
    bool m_strikethrough = false;
    qint16 m_charset = 0;
};

} // namespace controls
