#pragma once
// The provider "CaoProv.KAVRO.Tavlox": one session per controller, talking to a pendant through a link.
#include "cao/provider.h"
#include "tavlox/inputinjector.h"
#include "tavlox/options.h"
#include "tavlox/pendantlink.h"

#include <functional>
#include <memory>

namespace tavlox {

inline constexpr auto ProgrammaticId = "CaoProv.KAVRO.Tavlox";

class TavloxProvider : public cao::Provider
{
public:
    // Makes the link for a controller's options, or throws cao::Failure when none can be made.
    using LinkFactory = std::function<std::unique_ptr<PendantLink>(const ConnectionOptions &options)>;

    explicit TavloxProvider(LinkFactory linkFactory, InputInjector *injector = nullptr);
    std::unique_ptr<cao::ProviderSession> open(const cao::ControllerRequest &request, cao::MessageSink &sink) override;

private:
    LinkFactory m_linkFactory;
    InputInjector *m_injector;
};

} // namespace tavlox
