#include "master/Tabellenspalten.h"

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
    spaltenAnpassen(tabelle, breiten);
}

void spaltenAnpassen(QTableWidget* tabelle, std::initializer_list<int> breiten)
{
    int spalte = 0;
    for (const int breite : breiten) {
        tabelle->resizeColumnToContents(spalte);
        tabelle->setColumnWidth(spalte, std::max(breite, tabelle->columnWidth(spalte)));
        ++spalte;
    }
}
