#include "master/Aktivierung.h"

void Aktivierung::ausfuehren(const std::function<void()>& handler)
{
    if (fehlgeschlagen_) {
        fehlgeschlagen_ = false;
        return;
    }
    fehlgeschlagen_ = true;
    handler();
    fehlgeschlagen_ = false;
}
