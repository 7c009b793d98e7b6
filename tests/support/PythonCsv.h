#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A CSV file as a spreadsheet reads it, checked with a reader that is not ours: Python's csv module
// with the semicolon dialect (";" between fields, '"' around a field, quotes doubled).
struct PythonCsv {
    bool mitBytereihenfolge = false;
    QList<QStringList> zeilen;
};

// Fails the test when python3 cannot read the file.
PythonCsv mitPythonLesen(const QString& pfad);
