#include "Befehlslauf.h"

#include "app/Befehle.h"

#include <QTextStream>

Lauf varno(const QStringList& argumente, const VolumeSerial& kartenkennung, const Startdateipruefung& startpruefung)
{
    Lauf lauf;
    QTextStream aus(&lauf.aus);
    QTextStream fehler(&lauf.fehler);
    Befehle befehle(aus, fehler, kartenkennung);
    befehle.setStartdateipruefung(startpruefung);
    lauf.code = befehle.ausfuehren(argumente);
    aus.flush();
    fehler.flush();
    return lauf;
}
