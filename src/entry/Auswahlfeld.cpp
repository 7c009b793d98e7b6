#include "entry/Auswahlfeld.h"

namespace auswahlfeld {

namespace {
bool asciiBuchstabeOderZiffer(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9');
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
    while (!ergebnis.isEmpty() && !asciiBuchstabeOderZiffer(ergebnis.back()))
        ergebnis.chop(1);
    return ergebnis.isEmpty() ? vorgabe : ergebnis;
}

} // namespace auswahlfeld
