#include "logbuch/kette/Pruefkette.h"

#include "db/Rohabfrage.h"

#include <QCryptographicHash>

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace pruefkette {

namespace {

const std::vector<Spalte> fahrtenbuchSpalten = {{"ID", Art::Zahl},
                                                {"KFZ", Art::Zahl},
                                                {"AbDat", Art::Text},
                                                {"AnDat", Art::Text},
                                                {"km_ab", Art::Zahl},
                                                {"km_an", Art::Zahl},
                                                {"Start", Art::Zahl},
                                                {"Ziel", Art::Zahl},
                                                {"Art", Art::Zahl},
                                                {"Zweck", Art::Zahl},
                                                {"Kategorie", Art::Zahl},
                                                {"Fahrer", Art::Zahl},
                                                {"Bemerkung", Art::Text},
                                                {"Erfasst", Art::Text},
                                                {"ErsetztID", Art::Zahl},
                                                {"Grund", Art::Text},
                                                {"Storniert", Art::Zahl},
                                                {"Benutzer", Art::Text, Form::MitBenutzer},
                                                // The names the row prints, as they were when it was stored.
                                                {"StartName", Art::Text, Form::MitNamen},
                                                {"ZielName", Art::Text, Form::MitNamen},
                                                {"ArtName", Art::Text, Form::MitNamen},
                                                {"ArtKurz", Art::Text, Form::MitNamen},
                                                {"ZweckName", Art::Text, Form::MitNamen},
                                                {"KategorieName", Art::Text, Form::MitNamen},
                                                {"FahrerName", Art::Text, Form::MitNamen},
                                                {"Kennzeichen", Art::Text, Form::MitNamen},
                                                {"Laufnr", Art::Zahl}};

// Everything the recorder delivered; the processed mark (bearbeitet) changes by design.
const std::vector<Spalte> rohfahrtSpalten = {
    {"ID", Art::Zahl},        {"CFID", Art::Text},    {"Einlesedat", Art::Text},
    {"Startzeit", Art::Text}, {"Startkm", Art::Zahl}, {"Zielzeit", Art::Text},
    {"Zielkm", Art::Zahl},    {"KFZid", Art::Text},   {"CF", Art::Zahl},
    {"Art", Art::Text},       {"Ort", Art::Text},     {"Grund", Art::Text},
    {"Kat", Art::Text},       {"Erfasst", Art::Text}, {"Benutzer", Art::Text, Form::MitBenutzer},
    {"Laufnr", Art::Zahl}};

const std::vector<Spalte> protokollSpalten = {{"ID", Art::Zahl},
                                              {"Zeit", Art::Text},
                                              {"Ereignis", Art::Text},
                                              {"Beschreibung", Art::Text},
                                              {"Benutzer", Art::Text, Form::MitBenutzer},
                                              {"Laufnr", Art::Zahl}};

bool leer(const QVariant& wert)
{
    if (!wert.isValid() || wert.isNull())
        return true;
    return wert.typeId() == QMetaType::QString && wert.toString().isNull();
}

} // namespace

QString tabelle(Kette kette)
{
    switch (kette) {
    case Kette::Fahrtenbuch:
        return QStringLiteral("T_MIREL");
    case Kette::Rohfahrten:
        return QStringLiteral("T_basis");
    case Kette::Protokoll:
        return QStringLiteral("T_Protokoll");
    }
    return {};
}

const std::vector<Spalte>& spalten(Kette kette)
{
    switch (kette) {
    case Kette::Fahrtenbuch:
        return fahrtenbuchSpalten;
    case Kette::Rohfahrten:
        return rohfahrtSpalten;
    case Kette::Protokoll:
        break;
    }
    return protokollSpalten;
}

Form form(int schemaversion)
{
    if (schemaversion >= namenAbSchema)
        return Form::MitNamen;
    return schemaversion >= benutzerAbSchema ? Form::MitBenutzer : Form::OhneBenutzer;
}

QString spaltenliste(Kette kette, Form form)
{
    QStringList namen;
    for (const Spalte& spalte : spalten(kette))
        namen << (form < spalte.ab ? QStringLiteral("NULL") : QString::fromLatin1(spalte.name));
    return namen.join(QStringLiteral(", "));
}

QStringList spaltennamen(Kette kette, Form form)
{
    QStringList namen;
    for (const Spalte& spalte : spalten(kette))
        if (form >= spalte.ab)
            namen << QString::fromLatin1(spalte.name);
    return namen;
}

QByteArray ohneVorgaenger()
{
    return QByteArray(wertLaenge, '\0');
}

QVariant gespeichert(const QVariant& wert, Art art)
{
    if (leer(wert))
        return {};
    if (art == Art::Zahl)
        return wert.toLongLong();
    return wert.toString();
}

Zeile::Zeile(Kette kette) : puffer_(512), spalten_(spalten(kette)), werte_(spalten_.size())
{
    const QByteArray kopf = tabelle(kette).toLatin1() + '\n';
    char* ende = platz(static_cast<std::size_t>(kopf.size()));
    laenge_ = kopfLaenge_ = static_cast<std::size_t>(std::copy(kopf.cbegin(), kopf.cend(), ende) - puffer_.data());
}

char* Zeile::platz(std::size_t hoechstens)
{
    if (laenge_ + hoechstens > puffer_.size())
        puffer_.resize(std::max(2 * puffer_.size(), laenge_ + hoechstens));
    return puffer_.data() + laenge_;
}

QByteArrayView Zeile::bytes() const
{
    return QByteArrayView(puffer_.data(), static_cast<qsizetype>(laenge_));
}

namespace {

// The longest number in decimal, sign included; the longest %.17g of a double.
constexpr std::size_t zahlstellen = 20;
constexpr std::size_t kommastellen = 40;

char* mitLaenge(char* stelle, char kennung, const char* daten, qsizetype laenge)
{
    *stelle++ = kennung;
    stelle = std::to_chars(stelle, stelle + zahlstellen, laenge).ptr;
    *stelle++ = ':';
    if (laenge > 0)
        stelle = std::copy_n(daten, laenge, stelle);
    *stelle++ = '\n';
    return stelle;
}

} // namespace

std::size_t Zeile::hoechstensBytes(const Rohabfrage::Wert& wert)
{
    return static_cast<std::size_t>(wert.laenge) + kommastellen + 3;
}

char* Zeile::feld(char* stelle, const Rohabfrage::Wert& wert)
{
    switch (wert.art) {
    case Rohabfrage::Wertart::Null:
        *stelle++ = '-';
        break;
    case Rohabfrage::Wertart::Zahl:
        *stelle++ = 'i';
        stelle = std::to_chars(stelle, stelle + zahlstellen, wert.zahl).ptr;
        break;
    case Rohabfrage::Wertart::Kommazahl:
        *stelle++ = 'r';
        stelle += std::snprintf(stelle, kommastellen, "%.17g", wert.kommazahl);
        break;
    case Rohabfrage::Wertart::Bytes:
        return mitLaenge(stelle, 'b', wert.daten, wert.laenge);
    case Rohabfrage::Wertart::Text:
        return mitLaenge(stelle, 't', wert.daten, wert.laenge);
    }
    *stelle++ = '\n';
    return stelle;
}

void Zeile::anhaengen(const Rohabfrage::Wert& wert)
{
    laenge_ = static_cast<std::size_t>(feld(platz(hoechstensBytes(wert)), wert) - puffer_.data());
}

void Zeile::null()
{
    anhaengen({});
}

void Zeile::zahl(qint64 wert)
{
    anhaengen({.art = Rohabfrage::Wertart::Zahl, .zahl = wert});
}

void Zeile::text(const char* utf8, qsizetype laenge)
{
    anhaengen({.art = Rohabfrage::Wertart::Text, .daten = utf8, .laenge = laenge});
}

void Zeile::kommazahl(double wert)
{
    anhaengen({.art = Rohabfrage::Wertart::Kommazahl, .kommazahl = wert});
}

void Zeile::blob(const char* daten, qsizetype laenge)
{
    anhaengen({.art = Rohabfrage::Wertart::Bytes, .daten = daten, .laenge = laenge});
}

void Zeile::ausAbfrage(const Rohabfrage& abfrage, int spalte)
{
    anhaengen(abfrage.wert(spalte));
}

void Zeile::ausAbfrage(const Rohabfrage& abfrage, int spalte, const Spalte& art)
{
    const Rohabfrage::Wert wert = abfrage.wert(spalte);
    if (!art.nurMitWert() || wert.art != Rohabfrage::Wertart::Null)
        anhaengen(wert);
}

void Zeile::alleAusAbfrage(const Rohabfrage& abfrage, int ersteSpalte)
{
    abfrage.werte(ersteSpalte, werte_);
    alleAus(werte_);
}

void Zeile::alleAus(std::span<const Rohabfrage::Wert> werte)
{
    // Room for the whole row at once: a million rows, a few dozen fields each.
    std::size_t hoechstens = 0;
    for (const Rohabfrage::Wert& wert : werte)
        hoechstens += hoechstensBytes(wert);
    char* stelle = platz(hoechstens);
    for (std::size_t i = 0; i < spalten_.size(); ++i)
        if (!spalten_[i].nurMitWert() || werte[i].art != Rohabfrage::Wertart::Null)
            stelle = feld(stelle, werte[i]);
    laenge_ = static_cast<std::size_t>(stelle - puffer_.data());
}

QByteArray Zeile::abschliessen(const QByteArray& vorgaenger)
{
    QByteArray zeile = bytes().toByteArray() + vorgaenger;
    laenge_ = kopfLaenge_;
    return zeile;
}

QByteArray Zeile::pruefwert(const QByteArray& vorgaenger)
{
    return pruefwertAnsicht(vorgaenger).toByteArray();
}

QByteArrayView Zeile::pruefwertAnsicht(const QByteArray& vorgaenger)
{
    const QByteArrayView wert = sha256_.wert(bytes(), vorgaenger);
    laenge_ = kopfLaenge_;
    return wert;
}

QByteArray gesamtwert(const Koepfe& koepfe)
{
    QByteArray bytes("Varno-Pruefwert\n");
    for (Kette kette : alleKetten) {
        const Kopf& kopf = koepfe[index(kette)];
        bytes.append(tabelle(kette).toLatin1()).append('\n');
        bytes.append(QByteArray::number(kopf.anzahl)).append('\n');
        bytes.append(kopf.wert);
    }
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

namespace {

QString inVierergruppen(const QByteArray& bytes)
{
    const QString hex = QString::fromLatin1(bytes.toHex()).toUpper();
    QStringList gruppen;
    for (qsizetype i = 0; i < hex.size(); i += 4)
        gruppen << hex.mid(i, 4);
    return gruppen.join(QLatin1Char(' '));
}

} // namespace

QString anzeige(const QByteArray& gesamtwert)
{
    return inVierergruppen(gesamtwert.left(16));
}

QString vollanzeige(const QByteArray& gesamtwert)
{
    return inVierergruppen(gesamtwert);
}

} // namespace pruefkette
