#pragma once

#include <QList>
#include <QStringList>

// A result table as the user sees it: a header and rows of cell texts. The driver and vehicle views
// are built as such tables, so the windows show them and the reports print them unchanged.
struct TextTabelle {
    QStringList kopf;
    QList<QStringList> zeilen;

    bool operator==(const TextTabelle&) const = default;
};
