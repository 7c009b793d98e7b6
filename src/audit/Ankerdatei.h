#pragma once

#include "audit/Anker.h"

#include <QString>

#include <optional>
#include <vector>

// A file of anchors, one line each, chained (audit/Anker.h): the user's own in the data folder,
// one beside each backup, or a copy the tax adviser keeps.
class Ankerdatei {
public:
    explicit Ankerdatei(QString pfad);

    // pruefwerte.txt in the user's data folder.
    static QString benutzerdatei();

    struct Inhalt {
        std::vector<Anker> anker;       // the lines up to the first damage, in file order
        bool vorhanden = false;         // whether the file exists
        std::optional<QString> schaden; // in German: which line is no anchor or does not fit
    };
    Inhalt lesen() const;

    // Appends one line; several programs of the user may append at once. Throws VarnoError.
    void anhaengen(const Anker& anker) const;

    const QString& pfad() const { return pfad_; }

private:
    QString pfad_;
};
