#include "common_ui/Handler.h"

#include "common/Prompts.h"
#include "common/VarnoError.h"

namespace handler {

void fehlerZeigen(const std::exception& fehler)
{
    // The program's own errors carry their message as the user should read it.
    if (const auto* eigener = dynamic_cast<const VarnoError*>(&fehler))
        prompt::applicationError(eigener->message());
    else
        prompt::applicationError(QString::fromLocal8Bit(fehler.what()));
}

} // namespace handler
