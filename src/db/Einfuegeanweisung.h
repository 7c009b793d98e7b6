#pragma once

#include <QString>
#include <QStringList>

// "INSERT INTO tabelle (a, b) VALUES (?, ?)": the statement that inserts one row with every value
// bound. Table and columns are the program's own names, never input.
QString einfuegeanweisung(const QString& tabelle, const QStringList& spalten);
