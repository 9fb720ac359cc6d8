#pragma once
// Where a host keeps a control's persisted properties between sessions.
#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace controls {

class PropertyBag
{
public:
    virtual ~PropertyBag() = default;
    [[nodiscard]] virtual QVariant ReadProperty(const QString &name, const QVariant &defaultValue) const = 0;
    // A value equal to its default is not stored, so a host keeps only what differs.
    virtual void WriteProperty(const QString &name, const QVariant &value, const QVariant &defaultValue) = 0;
};

class MemoryPropertyBag : public PropertyBag
{
public:
    [[nodiscard]] QVariant ReadProperty(const QString &name, const QVariant &defaultValue) const override
    {
        return m_values.value(name, defaultValue);
    }
    void WriteProperty(const QString &name, const QVariant &value, const QVariant &defaultValue) override
    {
        if (value == defaultValue)
            m_values.remove(name);
        else
            m_values.insert(name, value);
    }
    [[nodiscard]] const QVariantMap &values() const { return m_values; }

private:
    QVariantMap m_values;
};

} // namespace controls
