#include "common/Schluesselbund.h"

namespace {
struct Eingesetzt {
    std::unique_ptr<Schluesselbund> schluesselbund;
    Schluesselbund::Nutzung nutzung = Schluesselbund::Nutzung::NurLesen;
};

Eingesetzt& eingesetzt()
{
    static Eingesetzt bund;
    return bund;
}
} // namespace

Schluesselbund* Schluesselbund::instance()
{
    return eingesetzt().schluesselbund.get();
}

Schluesselbund::Nutzung Schluesselbund::nutzung()
{
    return eingesetzt().nutzung;
}

void Schluesselbund::install(std::unique_ptr<Schluesselbund> schluesselbund, Nutzung nutzung)
{
    eingesetzt() = {std::move(schluesselbund), nutzung};
}
