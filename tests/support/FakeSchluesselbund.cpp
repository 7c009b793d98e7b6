#include "support/FakeSchluesselbund.h"

namespace {
QString schluessel(const Schluesselbund::Zugang& zugang)
{
    return QStringList{zugang.server, zugang.datenbank, zugang.benutzer}.join(QLatin1Char('\n'));
}
} // namespace

FakeSchluesselbund& FakeSchluesselbund::einsetzen(Nutzung nutzung)
{
    auto bund = std::make_unique<FakeSchluesselbund>();
    FakeSchluesselbund& eingesetzt = *bund;
    Schluesselbund::install(std::move(bund), nutzung);
    return eingesetzt;
}

std::optional<QString> FakeSchluesselbund::nachschlagen(const Zugang& zugang)
{
    ++nachgeschlagen_;
    const auto gefunden = passwoerter_.constFind(schluessel(zugang));
    if (gefunden == passwoerter_.cend())
        return std::nullopt;
    return *gefunden;
}

bool FakeSchluesselbund::speichern(const Zugang& zugang, const QString& passwort)
{
    passwoerter_.insert(schluessel(zugang), passwort);
    return true;
}

void FakeSchluesselbund::vergessen(const Zugang& zugang)
{
    passwoerter_.remove(schluessel(zugang));
}

std::optional<QString> FakeSchluesselbund::einziges() const
{
    if (passwoerter_.size() != 1)
        return std::nullopt;
    return passwoerter_.cbegin().value();
}
