#include "logbuch/kette/Pruefkette.h"

#include "db/Rohabfrage.h"

#include <QCryptographicHash>

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

Zeile::Zeile(Kette kette) : spalten_(spalten(kette))
{
    bytes_.reserve(512);
    bytes_.append(tabelle(kette).toLatin1().constData()).push_back('\n');
    kopfLaenge_ = bytes_.size();
}

void Zeile::feld(char kennung, const char* daten, qsizetype laenge)
{
    bytes_.push_back(kennung);
    char zahl[24];
    const auto ende = std::to_chars(zahl, zahl + sizeof zahl, laenge).ptr;
    bytes_.append(zahl, ende).push_back(':');
    if (laenge > 0)
        bytes_.append(daten, static_cast<std::size_t>(laenge));
    bytes_.push_back('\n');
}

void Zeile::null()
{
    bytes_.append("-\n", 2);
}

void Zeile::zahl(qint64 wert)
{
    char text[24];
    const auto ende = std::to_chars(text, text + sizeof text, wert).ptr;
    bytes_.append(1, 'i').append(text, ende).push_back('\n');
}

void Zeile::text(const char* utf8, qsizetype laenge)
{
    feld('t', utf8, laenge);
}

void Zeile::kommazahl(double wert)
{
    char text[40];
    const int laenge = std::snprintf(text, sizeof text, "%.17g", wert);
    bytes_.append(1, 'r').append(text, static_cast<std::size_t>(laenge)).push_back('\n');
}

void Zeile::blob(const char* daten, qsizetype laenge)
{
    feld('b', daten, laenge);
}

void Zeile::ausAbfrage(const Rohabfrage& abfrage, int spalte)
{
    qsizetype laenge = 0;
    switch (abfrage.typ(spalte)) {
    case Rohabfrage::Wertart::Null:
        null();
        break;
    case Rohabfrage::Wertart::Zahl:
        zahl(abfrage.grosseZahl(spalte));
        break;
    case Rohabfrage::Wertart::Kommazahl:
        kommazahl(abfrage.kommazahl(spalte));
        break;
    case Rohabfrage::Wertart::Bytes: {
        const char* daten = abfrage.bytes(spalte, laenge);
        blob(daten, laenge);
        break;
    }
    case Rohabfrage::Wertart::Text: {
        const char* daten = abfrage.text(spalte, laenge);
        text(daten, laenge);
        break;
    }
    }
}

void Zeile::ausAbfrage(const Rohabfrage& abfrage, int spalte, const Spalte& art)
{
    if (!art.nurMitWert() || abfrage.typ(spalte) != Rohabfrage::Wertart::Null)
        ausAbfrage(abfrage, spalte);
}

void Zeile::alleAusAbfrage(const Rohabfrage& abfrage, int ersteSpalte)
{
    for (std::size_t i = 0; i < spalten_.size(); ++i)
        ausAbfrage(abfrage, ersteSpalte + static_cast<int>(i), spalten_[i]);
}

QByteArray Zeile::abschliessen(const QByteArray& vorgaenger)
{
    QByteArray zeile = QByteArray::fromStdString(bytes_) + vorgaenger;
    bytes_.resize(kopfLaenge_);
    return zeile;
}

QByteArray Zeile::pruefwert(const QByteArray& vorgaenger)
{
    return pruefwertAnsicht(vorgaenger).toByteArray();
}

QByteArrayView Zeile::pruefwertAnsicht(const QByteArray& vorgaenger)
{
    const QByteArrayView wert =
        sha256_.wert(QByteArrayView(bytes_.data(), static_cast<qsizetype>(bytes_.size())), vorgaenger);
    bytes_.resize(kopfLaenge_);
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
