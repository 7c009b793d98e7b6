#pragma once

#include <initializer_list>

class QTableWidget;

// Read-only lists of whole rows with the given column widths (made for the reference font, scaled
// to the application's). The widths are the least a column gets: after filling, a column widens so
// its header and texts show in full.
void listeEinrichten(QTableWidget* tabelle, std::initializer_list<int> breiten);
void spaltenAnpassen(QTableWidget* tabelle, std::initializer_list<int> breiten);
