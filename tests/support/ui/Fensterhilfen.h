#pragma once

#include <gtest/gtest.h>

class QAction;
class QLineEdit;
class QString;
class QWidget;
class THauptform;

// The menu item "punkt" under "menue" of the main window; null when there is none.
QAction* menuepunkt(THauptform& fenster, const QString& menue, const QString& punkt);
// Chooses that menu item as the user does; fails when there is none or it is disabled.
::testing::AssertionResult menuepunktWaehlen(THauptform& fenster, const QString& menue, const QString& punkt);

// Sends the activation the window system sends when a window comes to the front.
void aktivieren(QWidget& fenster);

// Whether the field, as painted, shows the first characters of its text.
bool zeigtAnfang(QLineEdit& feld);
