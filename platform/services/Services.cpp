#include "Services.h"

namespace platform {

Services &services()
{
    static Services installed;
    return installed;
}

Services installServices(Services replacement)
{
    Services previous = std::move(services());
    services() = std::move(replacement);
    return previous;
}

} // namespace platform
