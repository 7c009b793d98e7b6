#pragma once

#include <QString>
#include <QStringList>

// The five selection fields of the trip entry (places, purpose, category, driver) complete what
// the user types from their lists and drop stray characters when the user leaves them.
namespace auswahlfeld {

inline const QString keineAngabe = QStringLiteral("keine Angabe");
inline const QString standardKategorie = QStringLiteral("Standard");

struct Vervollstaendigung {
    QString text;
    int caret = 0;           // the caret stays after the typed prefix, nothing selected
    bool listeOffen = false; // the drop-down list shows while an item completes the prefix
};

// The text before the caret is the typed prefix. The first item that begins with it
// (case-sensitive; an empty prefix matches nothing) becomes the text; without a match the text
// ends at the caret.
Vervollstaendigung vervollstaendigen(const QStringList& eintraege, const QString& text, int caret);

// Trailing characters other than letters and digits (umlauts and ß included) are removed, except
// closing brackets after a letter or digit; an empty result gets the field's default.
QString bereinigen(const QString& text, const QString& vorgabe);

} // namespace auswahlfeld
