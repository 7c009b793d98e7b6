#include "master/Kennzeichen.h"

namespace {
bool asciiBuchstabeOderZiffer(QChar zeichen)
{
    const char16_t c = zeichen.unicode();
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
}
} // namespace

QString kennzeichenBereinigen(const QString& text)
{
    qsizetype laenge = text.size();
    while (laenge > 0 && !asciiBuchstabeOderZiffer(text.at(laenge - 1)))
        --laenge;
    return text.left(laenge);
}
