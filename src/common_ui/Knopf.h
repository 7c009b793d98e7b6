#pragma once

#include <initializer_list>

class QHBoxLayout;
class QPushButton;
class QString;
class QWidget;

// A push button showing `text` whose objectName is `name`, so tests find it by the name it has in
// the window ("BtOK").
QPushButton* knopf(const QString& name, const QString& text, QWidget* parent = nullptr);
// The buttons side by side at the right end of a row, as dialogs place OK and Cancel.
QHBoxLayout* knopfzeile(std::initializer_list<QPushButton*> knoepfe);
