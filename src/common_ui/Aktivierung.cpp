#include "common_ui/Aktivierung.h"

#include "common_ui/Handler.h"

void Aktivierung::ausfuehren(const std::function<void()>& handler)
{
    if (fehlgeschlagen_) {
        fehlgeschlagen_ = false;
        return;
    }
    // Set while the handler and its error box run: the activation the closing box causes may come
    // at once or later, and is skipped either way.
    fehlgeschlagen_ = true;
    if (geschuetzt(handler))
        fehlgeschlagen_ = false;
}
