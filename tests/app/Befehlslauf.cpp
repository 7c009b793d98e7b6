#include "Befehlslauf.h"

#include "app/Befehle.h"

#include <QTextStream>

Lauf varno(const QStringList& argumente, const VolumeSerial& kartenkennung)
{
    Lauf lauf;
    QTextStream aus(&lauf.aus);
    QTextStream fehler(&lauf.fehler);
    lauf.code = Befehle(aus, fehler, kartenkennung).ausfuehren(argumente);
    aus.flush();
    fehler.flush();
    return lauf;
}
