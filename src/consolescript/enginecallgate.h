#pragma once
// The console takes no input while an engine call waits for the pendant (cao::CallActivity); nor does a script.
#include "cao/engine.h"
#include "script/inputgate.h"

namespace script {

class EngineCallGate : public InputGate
{
    Q_OBJECT
public:
    explicit EngineCallGate(QObject *parent = nullptr) : InputGate(parent)
    {
        connect(&cao::CallActivity::instance(), &cao::CallActivity::idle, this, &InputGate::idle);
    }
    [[nodiscard]] bool busy() const override { return cao::CallActivity::instance().busy(); }
};

} // namespace script
