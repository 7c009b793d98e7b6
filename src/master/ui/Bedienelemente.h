#pragma once

class QDateEdit;
class QString;
class QWidget;

// A date picker with German dates and a drop-down calendar.
QDateEdit* datumsfeld(const QString& name, QWidget* parent);
