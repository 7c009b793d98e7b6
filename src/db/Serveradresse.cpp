#include "db/Serveradresse.h"

#include "db/DatabaseError.h"

#include <QUrl>

namespace {

const QStringList schemata = {QStringLiteral("postgresql://"), QStringLiteral("postgres://")};

[[noreturn]] void ablehnen(const QString& ort, const QString& grund)
{
    throw DatabaseError(QStringLiteral("Die Serveradresse %1 ist ungültig: %2\n"
                                       "Erwartet wird postgresql://benutzer@rechner:port/datenbank.")
                            .arg(ort, grund));
}

int portLesen(const QString& ort, const QString& text)
{
    bool zahl = false;
    const int port = text.toInt(&zahl);
    if (!zahl || port < 1 || port > 65535)
        ablehnen(ort, QStringLiteral("Der Port „%1“ ist keine Zahl von 1 bis 65535.").arg(text));
    return port;
}

// "rechner", "rechner:port", "[::1]", "[::1]:port"
void rechnerUndPortLesen(const QString& ort, const QString& text, Serveradresse& adresse)
{
    QString rest = text;
    if (rest.startsWith(QLatin1Char('['))) {
        const qsizetype ende = rest.indexOf(QLatin1Char(']'));
        if (ende < 0)
            ablehnen(ort, QStringLiteral("Die eckige Klammer um den Rechner ist nicht geschlossen."));
        adresse.rechner = rest.mid(1, ende - 1);
        rest = rest.mid(ende + 1);
        if (!rest.isEmpty() && !rest.startsWith(QLatin1Char(':')))
            ablehnen(ort, QStringLiteral("Nach dem Rechner folgt ein unerwartetes Zeichen."));
    } else {
        const qsizetype doppelpunkt = rest.indexOf(QLatin1Char(':'));
        adresse.rechner = rest.left(doppelpunkt);
        rest = doppelpunkt < 0 ? QString() : rest.mid(doppelpunkt);
    }
    if (adresse.rechner.isEmpty())
        ablehnen(ort, QStringLiteral("Der Rechner fehlt."));
    if (rest.startsWith(QLatin1Char(':')))
        adresse.port = portLesen(ort, rest.mid(1));
}

QString entschluesselt(const QString& text)
{
    return QUrl::fromPercentEncoding(text.toUtf8());
}

} // namespace

QString Serveradresse::text() const
{
    const auto kodiert = [](const QString& teil) { return QString::fromUtf8(QUrl::toPercentEncoding(teil)); };
    const QString name = benutzer.isEmpty() ? QString() : kodiert(benutzer) + QLatin1Char('@');
    const QString host = rechner.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(rechner) : rechner;
    const QString anschluss = port == standardport ? QString() : QStringLiteral(":%1").arg(port);
    return QStringLiteral("postgresql://") + name + host + anschluss + QLatin1Char('/') + kodiert(datenbank);
}

bool istServeradresse(const QString& ort)
{
    for (const QString& schema : schemata)
        if (ort.startsWith(schema, Qt::CaseInsensitive))
            return true;
    return false;
}

Serveradresse serveradresseLesen(const QString& ort)
{
    if (!istServeradresse(ort))
        ablehnen(ort, QStringLiteral("Sie beginnt nicht mit postgresql://."));
    const QString rest = ort.mid(ort.indexOf(QStringLiteral("://")) + 3);
    if (rest.contains(QLatin1Char('?')) || rest.contains(QLatin1Char('#')))
        ablehnen(ort, QStringLiteral("Zusätze nach „?“ oder „#“ werden nicht unterstützt."));
    const qsizetype schraegstrich = rest.indexOf(QLatin1Char('/'));
    if (schraegstrich < 0 || schraegstrich == rest.size() - 1)
        ablehnen(ort, QStringLiteral("Der Name der Datenbank fehlt."));
    Serveradresse adresse;
    adresse.datenbank = entschluesselt(rest.mid(schraegstrich + 1));
    if (adresse.datenbank.contains(QLatin1Char('/')))
        ablehnen(ort, QStringLiteral("Der Name der Datenbank enthält einen Schrägstrich."));
    QString anmeldung = rest.left(schraegstrich);
    const qsizetype at = anmeldung.lastIndexOf(QLatin1Char('@'));
    if (at >= 0) {
        const QString benutzer = anmeldung.left(at);
        if (benutzer.contains(QLatin1Char(':')))
            ablehnen(ort, QStringLiteral("Das Passwort gehört nicht in die Adresse; Varno fragt danach, "
                                         "wenn der Server eines verlangt."));
        adresse.benutzer = entschluesselt(benutzer);
        if (adresse.benutzer.isEmpty())
            ablehnen(ort, QStringLiteral("Vor „@“ fehlt der Benutzer."));
        anmeldung = anmeldung.mid(at + 1);
    }
    rechnerUndPortLesen(ort, anmeldung, adresse);
    return adresse;
}
