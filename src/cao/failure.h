#pragma once
// A failed engine or provider operation: the status code and description a caller sees instead of a result.
#include <QString>
#include <exception>
#include <string>

namespace cao {

class Failure : public std::exception
{
public:
    Failure(quint32 status, QString description)
        : m_status(status), m_description(std::move(description)), m_what(m_description.toStdString())
    {
    }

    [[nodiscard]] quint32 status() const noexcept { return m_status; }
    // The status as a signed 32-bit number, the way error numbers are shown to an operator.
    [[nodiscard]] qint32 number() const noexcept { return static_cast<qint32>(m_status); }
    [[nodiscard]] const QString &description() const noexcept { return m_description; }
    [[nodiscard]] const char *what() const noexcept override { return m_what.c_str(); }

private:
    quint32 m_status;
    QString m_description;
    std::string m_what;
};

} // namespace cao
