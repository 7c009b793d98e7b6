#include "entry/Fahrtart.h"

Fahrtart fahrtartAusKarte(const QString& art)
{
    const QChar buchstabe = art.isEmpty() ? QChar() : art.front();
    if (buchstabe == QLatin1Char('A'))
        return Arbeitsweg;
    if (buchstabe == QLatin1Char('D'))
        return Geschaeftlich;
    if (buchstabe == QLatin1Char('P'))
        return Privat;
    return Unzugeordnet;
}
