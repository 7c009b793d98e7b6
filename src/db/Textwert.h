#pragma once

#include <QByteArray>
#include <QString>

// The one way a text becomes the bytes an engine stores, for every value the program binds. A
// string that is no valid UTF-16 (a lone surrogate typed or pasted) becomes what Qt's UTF-8 makes
// of it; left to each path, SQLite's own UTF-16 reading would store other bytes for the same text,
// and a key written one way would never find a row written the other.
namespace textwert {

QByteArray utf8(const QString& text);

// The text as the engine will hold it: itself if it is valid UTF-16, else what its bytes read back
// as. For values handed to Qt's drivers, which convert on their own.
QString gebunden(const QString& text);

} // namespace textwert
