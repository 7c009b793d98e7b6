#include "network/Zeitstempelung.h"

#include "audit/Dienstadresse.h"
#include "audit/ZeitstempelStore.h"
#include "audit/Zeitstempelanfrage.h"
#include "audit/Zeitstempelpruefung.h"
#include "common/VarnoError.h"
#include "logbuch/OptionenStore.h"
#include "network/Zeitstempeldienst.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace zeitstempelung {

namespace {

const QString keinerGespeichert = QStringLiteral("Es wurde kein Zeitstempel gespeichert.");

void dateiSchreiben(const QString& pfad, const QByteArray& antwort)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(antwort) != antwort.size() || !datei.commit())
        throw VarnoError(QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2")
                             .arg(QDir::toNativeSeparators(pfad), datei.errorString()));
}

Zeitstempel stempeln(const Auftrag& auftrag, const OptionenStore::Zeitstempelung& optionen, QByteArray& antwort)
{
    Zeitstempel z;
    z.dienst = optionen.dienst;
    z.anlass = auftrag.anlass + QLatin1Char(' ') + QDir::toNativeSeparators(auftrag.datei);
    z.pruefwert = pruefkette::gesamtwert(*auftrag.koepfe);
    for (pruefkette::Kette kette : pruefkette::alleKetten)
        z.anzahl[pruefkette::index(kette)] = (*auftrag.koepfe)[pruefkette::index(kette)].anzahl;
    const Zeitstempelanfrage anfrage(z.pruefwert);
    antwort = Zeitstempeldienst(QUrl(optionen.dienst), auftrag.frist).anfragen(anfrage.der(), auftrag.fortschritt);
    z.token = anfrage.token(antwort);
    // A token nobody can verify later is worth nothing: it is checked as the check will.
    const auto befund = zeitstempelpruefung::pruefen(z.token, z.pruefwert, optionen.zertifikat);
    if (!befund.gueltig)
        throw VarnoError(QStringLiteral("Der Zeitstempel des Dienstes %1 hält der Prüfung nicht stand: %2.")
                             .arg(optionen.dienst, befund.text));
    z.zeit = befund.zeit;
    return z;
}

} // namespace

std::optional<Ergebnis> anfordern(const Auftrag& auftrag)
{
    const OptionenStore::Zeitstempelung optionen = OptionenStore::zeitstempelung();
    if (optionen.dienst.isEmpty())
        return std::nullopt;
    const QString tsr = auftrag.datei + QStringLiteral(".tsr");
    try {
        if (const auto fehler = dienstadresse::fehler(optionen.dienst))
            throw VarnoError(*fehler);
        // A stamp on a changed logbook would vouch for what was changed.
        if (!auftrag.koepfe)
            throw VarnoError(QStringLiteral("Das Fahrtenbuch ist verändert; sein Stand erhält keinen Zeitstempel."));
        QByteArray antwort;
        const Zeitstempel z = stempeln(auftrag, optionen, antwort);
        dateiSchreiben(tsr, antwort);
        try {
            ZeitstempelStore::speichern(z);
        } catch (const VarnoError&) {
            QFile::remove(tsr);
            throw;
        }
        return Ergebnis{true, QStringLiteral("%1 gespeichert, auch als %2.")
                                  .arg(zeitstempeleintrag::vermerk(z), QDir::toNativeSeparators(tsr))};
    } catch (const VarnoError& fehler) {
        return Ergebnis{false, fehler.message() + QLatin1Char(' ') + keinerGespeichert};
    }
}

} // namespace zeitstempelung
