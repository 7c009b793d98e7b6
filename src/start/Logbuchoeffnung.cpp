#include "start/Logbuchoeffnung.h"

#include "common/Prompts.h"
#include "db/Serveradresse.h"
#include "logbuch/Logbuch.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString angezeigt(const QString& datei)
{
    return QDir::toNativeSeparators(QFileInfo(datei).absoluteFilePath());
}

Database::Access zugriffFuerBefehl(const QString& datei, const Startbefund& befund)
{
    switch (befund.weiter) {
    case Startbefund::Weiter::Oeffnen:
        return Database::Access::ReadWrite;
    case Startbefund::Weiter::NurLesendOeffnen:
        return Database::Access::ReadOnly;
    case Startbefund::Weiter::WiederholenAnbieten:
    case Startbefund::Weiter::Sicherungsfenster:
        break;
    }
    throw DatabaseError(
        QStringLiteral("Das Fahrtenbuch %1 kann nicht geöffnet werden: %2").arg(angezeigt(datei), befund.grund));
}

} // namespace

namespace logbuchoeffnung {

bool oeffnen(const QString& ort, Database::Access zugriff, const NeuesServerlogbuch& neuesServerlogbuch)
{
    try {
        Logbuch::oeffnen(ort, zugriff);
        return true;
    } catch (const Logbuch::LeereDatenbank& leer) {
        if (!neuesServerlogbuch)
            throw;
        if (!neuesServerlogbuch(leer.message()))
            return false;
    }
    Logbuch::anlegen(ort);
    return true;
}

std::optional<Startbefund> dateiPruefen(const Startdateipruefung& pruefung, const QString& datei)
{
    Startbefund befund = pruefung.pruefen(datei);
    while (befund.weiter == Startbefund::Weiter::WiederholenAnbieten) {
        if (!prompt::confirm(QStringLiteral("Warnung"), befund.meldung, PromptIcon::Warning))
            return std::nullopt;
        befund = pruefung.pruefen(datei);
    }
    return befund;
}

void fuerBefehlOeffnen(const QString& ort, const Startdateipruefung& pruefung)
{
    if (istServeradresse(ort)) {
        oeffnen(ort, Database::Access::ReadWrite);
        return;
    }
    // A script must not create a logbook by mistyping its name.
    if (!QFileInfo(ort).isFile())
        throw DatabaseError(QStringLiteral("Die Datenbank %1 wurde nicht gefunden.").arg(angezeigt(ort)));
    oeffnen(ort, zugriffFuerBefehl(ort, pruefung.pruefen(ort)));
}

} // namespace logbuchoeffnung
