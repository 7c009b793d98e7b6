#include "card/GeteilteTexte.h"

#include <cstring>
#include <random>

namespace {

constexpr std::uint64_t faktor = 0x9E3779B97F4A7C15ULL;
constexpr std::size_t anfangsgroesse = 64;

std::uint64_t mischen(std::uint64_t wert, std::uint64_t wort)
{
    wert = (wert ^ wort) * faktor;
    return wert ^ (wert >> 32);
}

} // namespace

GeteilteTexte::GeteilteTexte() : saat_(std::random_device{}()), plaetze_(anfangsgroesse) {}

std::uint64_t GeteilteTexte::streuwert(const std::string& utf8) const
{
    // Every byte counts, eight at a time.
    std::uint64_t wert = mischen(saat_, utf8.size());
    std::size_t stelle = 0;
    for (; stelle + sizeof(std::uint64_t) <= utf8.size(); stelle += sizeof(std::uint64_t)) {
        std::uint64_t wort;
        std::memcpy(&wort, utf8.data() + stelle, sizeof wort);
        wert = mischen(wert, wort);
    }
    std::uint64_t rest = 0;
    for (std::size_t verschiebung = 0; stelle < utf8.size(); ++stelle, verschiebung += 8)
        rest |= std::uint64_t{static_cast<unsigned char>(utf8[stelle])} << verschiebung;
    return mischen(wert, rest);
}

GeteilteTexte::Platz& GeteilteTexte::platzFuer(std::uint64_t wert, const std::string& utf8)
{
    const std::size_t maske = plaetze_.size() - 1;
    for (std::size_t stelle = wert & maske;; stelle = (stelle + 1) & maske) {
        Platz& platz = plaetze_[stelle];
        if (!platz.belegt || (platz.streuwert == wert && platz.utf8 == utf8))
            return platz;
    }
}

void GeteilteTexte::verdoppeln()
{
    std::vector<Platz> bisher(plaetze_.size() * 2);
    bisher.swap(plaetze_);
    for (Platz& platz : bisher)
        if (platz.belegt)
            platzFuer(platz.streuwert, platz.utf8) = std::move(platz);
}

QString GeteilteTexte::text(const std::string& utf8)
{
    const std::uint64_t wert = streuwert(utf8);
    Platz& platz = platzFuer(wert, utf8);
    if (platz.belegt)
        return platz.text;
    if (2 * (belegt_ + 1) > plaetze_.size()) {
        verdoppeln();
        return text(utf8);
    }
    platz = {wert, true, utf8, QString::fromStdString(utf8)};
    ++belegt_;
    return platz.text;
}
