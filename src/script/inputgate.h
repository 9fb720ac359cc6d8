#pragma once
// When the program takes a user's input. A script's actions wait while the gate is busy, as an operator's clicks
// wait while the console waits for the pendant; idle() says when that is over.
#include <QObject>

namespace script {

class InputGate : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    [[nodiscard]] virtual bool busy() const = 0;

Q_SIGNALS:
    void idle();
};

} // namespace script
