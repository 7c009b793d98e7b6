#pragma once

#include <QString>

// One column of an exported table as index.xml describes it: its name (also the file's first
// row), what it holds, and its type for the auditor's software.
struct Exportspalte {
    enum class Art {
        Text,
        Zahl,      // whole numbers, no digit grouping
        Zeitpunkt, // DD.MM.YYYY hh:mm:ss; empty when there is none
    };

    QString name;
    QString beschreibung;
    Art art = Art::Text;
};
