#pragma once

#include <QString>

// The kinds of trip as the trip entry's radio group orders them; stored as the index plus one.
enum Fahrtart { Unzugeordnet = 0, Privat = 1, Arbeitsweg = 2, Geschaeftlich = 3 };

// The kind of trip a card records by its letter: A commute, D business, P private, else unassigned.
Fahrtart fahrtartAusKarte(const QString& art);
