#include "provider.h"

#include <QHash>
#include <QMutex>

namespace cao {
namespace {

struct Registry
{
    QMutex mutex;
    // Programmatic ids are case-insensitive, as class names are in a system registry.
    QHash<QString, std::shared_ptr<Provider>> providers;
};

Registry &registry()
{
    static Registry instance;
    return instance;
}

} // namespace

void ProviderRegistry::add(const QString &programmaticId, std::shared_ptr<Provider> provider)
{
    QMutexLocker lock(&registry().mutex);
    registry().providers.insert(programmaticId.toLower(), std::move(provider));
}

void ProviderRegistry::remove(const QString &programmaticId)
{
    QMutexLocker lock(&registry().mutex);
    registry().providers.remove(programmaticId.toLower());
}

std::shared_ptr<Provider> ProviderRegistry::find(const QString &programmaticId)
{
    QMutexLocker lock(&registry().mutex);
    return registry().providers.value(programmaticId.toLower());
}

ScopedProviderRegistration::ScopedProviderRegistration(QString programmaticId, std::shared_ptr<Provider> provider)
    : m_programmaticId(std::move(programmaticId))
{
    ProviderRegistry::add(m_programmaticId, std::move(provider));
}

ScopedProviderRegistration::~ScopedProviderRegistration()
{
    ProviderRegistry::remove(m_programmaticId);
}

} // namespace cao
