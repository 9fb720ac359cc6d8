#include "pendanthost.h"

#include "script/runobject.h"
#include "script/scriptcontext.h"
#include "script/uiagent.h"

#include <chrono>
#include <thread>

namespace scenario {

using protocol::Request;

// A verdict on its way from the script's thread to the device: whichever of the user-interface thread's look-out
// and a posted call sees it first hands it on, once.
struct PendantHost::Pending
{
    std::function<void(const pendant::Verdict &verdict)> decided;
    std::mutex mutex;
    std::optional<pendant::Verdict> verdict;
    std::atomic<bool> ready = false;
    std::atomic<bool> watched = false; // the user-interface thread looks out for the verdict
    bool applied = false;

    void apply()
    {
        std::optional<pendant::Verdict> taken;
        {
            std::lock_guard lock(mutex);
            if (applied || !verdict)
                return;
            applied = true;
            taken = verdict;
        }
        decided(*taken);
    }
};

PendantHost::PendantHost(pendant::PendantDevice &device) : m_device(&device)
{
    connect(&device, &pendant::PendantDevice::beeped, this, [this](int ms) { m_beeps << ms; });
    device.setRequestGate(this);
}

PendantHost::~PendantHost()
{
    releaseAll();
    if (m_device)
        m_device->setRequestGate(nullptr);
}

void PendantHost::install(script::ScriptContext &context)
{
    auto object = std::make_unique<PendantObject>(context, *this);
    QJSEngine::setObjectOwnership(object.get(), QJSEngine::CppOwnership);
    context.engine().globalObject().setProperty(QStringLiteral("pendant"), context.engine().newQObject(object.get()));
    std::lock_guard lock(m_decidedMutex);
    m_object = std::move(object);
    m_context = &context;
    m_post = context.poster();
}

void PendantHost::uninstall()
{
    {
        std::lock_guard lock(m_decidedMutex);
        m_post = nullptr;
        m_decided.clear();
        m_object.reset();
    }
    // Requests that still wait for the scenario are carried out as usual: the pendant goes on without it.
    m_context->ui().run([this] { releaseAll(); }, false);
    m_context = nullptr;
}

void PendantHost::setDecided(const QStringList &kinds)
{
    std::lock_guard lock(m_decidedMutex);
    m_decided = kinds;
}

bool PendantHost::decides(protocol::RequestKind kind) const
{
    std::lock_guard lock(m_decidedMutex);
    return decidesLocked(kind);
}

bool PendantHost::decidesLocked(protocol::RequestKind kind) const
{
    return m_post && (m_decided.contains(QStringLiteral("*")) || m_decided.contains(QLatin1String(protocol::nameOf(kind))));
}

void PendantHost::consider(const Request &request, std::function<void(const pendant::Verdict &verdict)> decided)
{
    auto pending = std::make_shared<Pending>();
    const double at = script::monotonicMs();
    {
        std::unique_lock lock(m_decidedMutex);
        // The scenario hears of every request, and of one its handler decides only once the handler has seen it,
        // so that expectRequest never returns a request before its handler.
        if (!decidesLocked(request.kind)) {
            if (m_post)
                m_post([object = m_object.get(), request, at] { object->heard(request, at); });
            lock.unlock();
            decided(pendant::Verdict{});
            return;
        }
        pending->decided = std::move(decided);
        m_pending.push_back(pending);
        script::UiAgent &ui = m_context->ui();
        m_post([object = m_object.get(), request, pending, &ui, at] {
            const pendant::Verdict verdict = object->decide(request, at);
            object->heard(request, at);
            {
                std::lock_guard lock(pending->mutex);
                pending->verdict = verdict;
            }
            pending->ready = true;
            if (!pending->watched) // else the user-interface thread, looking out, takes it
                ui.run([pending] { pending->apply(); }, false);
        });
    }
    // A handler that answers at once is back within a few hundred microseconds: looking out for it saves a wake-up.
    pending->watched = true;
    const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(300);
    while (!pending->ready && std::chrono::steady_clock::now() < until)
        std::this_thread::yield();
    pending->watched = false; // from here on, a verdict comes by a call
    if (pending->ready)
        pending->apply();
    std::erase_if(m_pending, [](const std::shared_ptr<Pending> &each) { return each->applied; });
}

void PendantHost::releaseAll()
{
    for (const std::shared_ptr<Pending> &pending : std::exchange(m_pending, {})) {
        {
            std::lock_guard lock(pending->mutex);
            if (!pending->verdict)
                pending->verdict = pendant::Verdict{};
        }
        pending->apply();
    }
}

} // namespace scenario
