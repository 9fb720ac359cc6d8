#pragma once
// The console takes no input while an engine call waits for the pendant (cao::CallActivity); nor does a script.
#include "cao/engine.h"
#include "script/inputgate.h"

namespace consolescript {

class EngineCallGate : public script::InputGate
{
    Q_OBJECT
public:
    explicit EngineCallGate(QObject *parent = nullptr) : script::InputGate(parent)
    {
        connect(&cao::CallActivity::instance(), &cao::CallActivity::idle, this, &script::InputGate::idle);
    }
    [[nodiscard]] bool busy() const override { return cao::CallActivity::instance().busy(); }
};

} // namespace consolescript
