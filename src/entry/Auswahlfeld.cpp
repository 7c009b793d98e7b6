#include "entry/Auswahlfeld.h"

namespace auswahlfeld {

namespace {

// A name ends in a letter or digit of any script ("Gruß", "Köln-Süd"), or in closing brackets
// after one ("Lager (Süd)"); anything else at its end is a stray key.
bool endetSauber(const QString& text)
{
    qsizetype ende = text.size();
    while (ende > 0 && text.at(ende - 1).category() == QChar::Punctuation_Close)
        --ende;
    return ende > 0 && text.at(ende - 1).isLetterOrNumber();
}

} // namespace

Vervollstaendigung vervollstaendigen(const QStringList& eintraege, const QString& text, int caret)
{
    const QString praefix = text.left(caret);
    Vervollstaendigung ergebnis{text, caret, false};
    for (const QString& eintrag : eintraege) {
        if (!praefix.isEmpty() && eintrag.startsWith(praefix, Qt::CaseSensitive))
            return {eintrag, caret, true};
        ergebnis = {praefix, caret, false};
    }
    return ergebnis;
}

QString bereinigen(const QString& text, const QString& vorgabe)
{
    QString ergebnis = text;
    while (!ergebnis.isEmpty() && !endetSauber(ergebnis))
        ergebnis.chop(1);
    return ergebnis.isEmpty() ? vorgabe : ergebnis;
}

} // namespace auswahlfeld
