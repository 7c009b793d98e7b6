#include "master/ui/Tabellenspalten.h"

#include "common_ui/Abschneidehinweis.h"
#include "common_ui/Schriftmass.h"

#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>

void listeEinrichten(QTableWidget* tabelle, std::initializer_list<int> breiten)
{
    tabelle->verticalHeader()->hide();
    tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle->setWordWrap(false);
    Abschneidehinweis::einrichten(tabelle);
    spaltenAnpassen(tabelle, breiten);
}

void spaltenAnpassen(QTableWidget* tabelle, std::initializer_list<int> breiten)
{
    int spalte = 0;
    for (const int breite : breiten) {
        tabelle->resizeColumnToContents(spalte);
        tabelle->setColumnWidth(spalte, std::max(schriftmass::breite(breite), tabelle->columnWidth(spalte)));
        ++spalte;
    }
}
