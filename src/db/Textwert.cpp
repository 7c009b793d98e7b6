#include "db/Textwert.h"

namespace textwert {

QByteArray utf8(const QString& text)
{
    return text.toUtf8();
}

QString gebunden(const QString& text)
{
    return text.isValidUtf16() ? text : QString::fromUtf8(utf8(text));
}

} // namespace textwert
