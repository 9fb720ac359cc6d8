#include "tavloxprovider.h"

#include "cao/failure.h"
#include "cao/status.h"
#include "tavlox/tavloxsession.h"

namespace tavlox {

TavloxProvider::TavloxProvider(LinkFactory linkFactory, InputInjector *injector)
    : m_linkFactory(std::move(linkFactory)), m_injector(injector)
{
}

std::unique_ptr<cao::ProviderSession> TavloxProvider::open(const cao::ControllerRequest &request, cao::MessageSink &sink)
{
    ConnectionOptions options = parseConnectionOptions(request.options);
    std::unique_ptr<PendantLink> link = m_linkFactory ? m_linkFactory(options) : nullptr;
    if (!link)
        throw cao::Failure(cao::status::Unspecified, QStringLiteral("No pendant link could be made"));
    return std::make_unique<TavloxSession>(std::move(options), std::move(link), sink, m_injector);
}

} // namespace tavlox
