#include "evaluation/Fahrerauswertung.h"

#include "common/GermanFormat.h"
#include "evaluation/Dauerformat.h"

#include <algorithm>
#include <map>
#include <optional>

namespace fahrerauswertung {

Summe summe(const std::vector<Fahrt>& fahrten)
{
    Summe ergebnis;
    std::optional<zeitpunkt::Sekunden> letzteAnkunft;
    for (const Fahrt& fahrt : fahrten) {
        ++ergebnis.anzahl;
        ergebnis.fahrzeit += fahrt.ankunft - fahrt.abfahrt;
        ergebnis.km += fahrt.kmAn - fahrt.kmAb;
        if (letzteAnkunft && zeitpunkt::tag(fahrt.abfahrt) == zeitpunkt::tag(*letzteAnkunft))
            ergebnis.standzeit += fahrt.abfahrt - *letzteAnkunft;
        letzteAnkunft = fahrt.ankunft;
    }
    return ergebnis;
}

std::vector<Tag> tage(const std::vector<Fahrt>& fahrten)
{
    std::map<qint64, Tag> nachTag;
    for (const Fahrt& fahrt : fahrten) {
        const qint64 tagNummer = zeitpunkt::tag(fahrt.ankunft);
        auto [eintrag, neu] = nachTag.try_emplace(tagNummer);
        Tag& tag = eintrag->second;
        if (neu) {
            tag.datum = zeitpunkt::datum(fahrt.ankunft);
            tag.beginn = fahrt.abfahrt;
            tag.ende = fahrt.ankunft;
        }
        tag.beginn = std::min(tag.beginn, fahrt.abfahrt);
        tag.ende = std::max(tag.ende, fahrt.ankunft);
        tag.fahrzeit += fahrt.ankunft - fahrt.abfahrt;
        tag.km += fahrt.kmAn - fahrt.kmAb;
    }
    std::vector<Tag> ergebnis;
    ergebnis.reserve(nachTag.size());
    for (const auto& [tagNummer, tag] : nachTag)
        ergebnis.push_back(tag);
    return ergebnis;
}

namespace {

// The durations of a table in the form it is made for; `anzeige` is the window's own form.
QString dauerText(zeitpunkt::Sekunden dauer, Form form, QString (*anzeige)(zeitpunkt::Sekunden))
{
    return form == Form::Datei ? dauer::stunden(dauer) : anzeige(dauer);
}

} // namespace

TextTabelle alleFahrerTabelle(const std::vector<Fahrersumme>& fahrer, Form form)
{
    TextTabelle tabelle;
    tabelle.kopf = {QStringLiteral("Fahrer"),   QStringLiteral("Anzahl"),       QStringLiteral("Unterwegs"),
                    QStringLiteral("Fahrzeit"), QStringLiteral("gefahrene km"), QStringLiteral("Standzeit")};
    const bool datei = form == Form::Datei;
    const auto lang = [form](zeitpunkt::Sekunden dauer) { return dauerText(dauer, form, dauer::langform); };
    for (const Fahrersumme& f : fahrer) {
        const Summe& s = f.summe;
        const QString km = datei ? QString::number(s.km) : QStringLiteral("%1 km").arg(s.km);
        if (s.anzahl == 0 && !datei) {
            const QString null = QStringLiteral("0d 0h 0min");
            tabelle.zeilen.append({f.fahrer, QStringLiteral("0"), null, null, km, null});
            continue;
        }
        tabelle.zeilen.append(
            {f.fahrer, QString::number(s.anzahl), lang(s.unterwegs()), lang(s.fahrzeit), km, lang(s.standzeit)});
    }
    return tabelle;
}

TextTabelle tageTabelle(const std::vector<Tag>& tage, Form form)
{
    TextTabelle tabelle;
    tabelle.kopf = {QStringLiteral("Datum"),     QStringLiteral("Startzeit"), QStringLiteral("Ankunftszeit"),
                    QStringLiteral("Unterwegs"), QStringLiteral("Fahrzeit"),  QStringLiteral("gefahrene km"),
                    QStringLiteral("Standzeit")};
    const auto uhr = [form](zeitpunkt::Sekunden dauer) { return dauerText(dauer, form, dauer::uhrform); };
    const auto summe = [form](zeitpunkt::Sekunden dauer) { return dauerText(dauer, form, dauer::tagessumme); };
    zeitpunkt::Sekunden unterwegs = 0, fahrzeit = 0, standzeit = 0;
    qint64 km = 0;
    for (const Tag& tag : tage) {
        tabelle.zeilen.append({german::date(tag.datum), zeitpunkt::uhrzeit(tag.beginn), zeitpunkt::uhrzeit(tag.ende),
                               uhr(tag.unterwegs()), uhr(tag.fahrzeit), QString::number(tag.km), uhr(tag.standzeit())});
        unterwegs += tag.unterwegs();
        fahrzeit += tag.fahrzeit;
        standzeit += tag.standzeit();
        km += tag.km;
    }
    tabelle.zeilen.append({QStringLiteral("Summe:"), QString(), QString(), summe(unterwegs), summe(fahrzeit),
                           QString::number(km), summe(standzeit)});
    return tabelle;
}

namespace {

// Minutes of the day as the one-day view writes a time ("hh:mm").
int minutenDesTages(zeitpunkt::Sekunden zeit)
{
    return static_cast<int>((zeit - zeitpunkt::tag(zeit) * zeitpunkt::sekundenJeTag) / 60);
}

QStringList standzeitZeile(zeitpunkt::Sekunden letzteAnkunft, zeitpunkt::Sekunden abfahrt, Form form)
{
    const zeitpunkt::Sekunden luecke = (minutenDesTages(abfahrt) - minutenDesTages(letzteAnkunft)) * 60;
    return {zeitpunkt::uhrzeit(letzteAnkunft),
            zeitpunkt::uhrzeit(abfahrt),
            QString(),
            QString(),
            QString(),
            QString(),
            QString(),
            QString(),
            dauerText(luecke, form, dauer::uhrform),
            QStringLiteral("Standzeit"),
            QString(),
            QString()};
}

} // namespace

TextTabelle tagesfahrtenTabelle(const std::vector<Tagesfahrt>& fahrten, Form form)
{
    TextTabelle tabelle;
    tabelle.kopf = {QStringLiteral("Abfahrt"), QStringLiteral("Ankunft"), QStringLiteral("Fahrzeug"),
                    QStringLiteral("von"),     QStringLiteral("nach"),    QStringLiteral("KM-Abf."),
                    QStringLiteral("KM-Ank."), QStringLiteral("gef. km"), QStringLiteral("Dauer"),
                    QStringLiteral("Zweck"),   QStringLiteral("Art"),     QStringLiteral("Bem")};
    zeitpunkt::Sekunden fahrzeit = 0;
    qint64 km = 0;
    std::optional<zeitpunkt::Sekunden> letzteAnkunft;
    for (const Tagesfahrt& t : fahrten) {
        const Fahrt& f = t.fahrt;
        if (letzteAnkunft && minutenDesTages(*letzteAnkunft) != minutenDesTages(f.abfahrt))
            tabelle.zeilen.append(standzeitZeile(*letzteAnkunft, f.abfahrt, form));
        const zeitpunkt::Sekunden dauer = f.ankunft - f.abfahrt;
        const int gefahren = f.kmAn - f.kmAb;
        tabelle.zeilen.append({zeitpunkt::uhrzeit(f.abfahrt), zeitpunkt::uhrzeit(f.ankunft), t.fahrzeug, t.von, t.nach,
                               QString::number(f.kmAb), QString::number(f.kmAn), QString::number(gefahren),
                               dauerText(dauer, form, dauer::uhrform), t.zweck, t.art, t.bemerkung});
        fahrzeit += dauer;
        km += gefahren;
        letzteAnkunft = f.ankunft;
    }
    tabelle.zeilen.append({QStringLiteral("Summe:"), QString(), QString(), QString(), QString(), QString(), QString(),
                           QString::number(km), dauerText(fahrzeit, form, dauer::uhrform), QStringLiteral("Fahrzeit"),
                           QString(), QString()});
    return tabelle;
}

} // namespace fahrerauswertung
