#pragma once
// An object a script sees (window, log, controller, pendant): made in the script's thread before the script runs,
// let go of there when it has ended.
namespace script {

class ScriptContext;

class ScriptHost
{
public:
    virtual ~ScriptHost() = default;
    virtual void install(ScriptContext &context) = 0;
    virtual void uninstall() = 0;
};

} // namespace script
