#include "web/HttpTransport.h"

#include <atomic>

namespace {
std::atomic<TransportFactory*> g_factory{nullptr};
}

void InstallTransportFactory(TransportFactory* factory)
{
    g_factory.store(factory);
}

TransportFactory* InstalledTransportFactory()
{
    return g_factory.load();
}
