#pragma once

class QPushButton;
class QString;
class QWidget;

// A push button showing `text` whose objectName is `name`, so tests find it by the name it has in
// the window ("BtOK").
QPushButton* knopf(const QString& name, const QString& text, QWidget* parent = nullptr);
