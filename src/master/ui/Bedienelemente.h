#pragma once

class QDateEdit;
class QPushButton;
class QString;
class QWidget;

// Controls the master-data windows build alike; each carries its given name as objectName.
QPushButton* knopf(const QString& name, const QString& text, QWidget* parent);
// A date picker with German dates and a drop-down calendar.
QDateEdit* datumsfeld(const QString& name, QWidget* parent);
