#pragma once

class QCalendarWidget;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;
namespace speicherpruefung {
enum class Feld;
} // namespace speicherpruefung

// The controls of one trip by the names the trip entry gives them. The trip entry, the details
// and the correction of a stored trip each hold them by inheriting this, so every window reaches
// a field by the same name; each window creates them its own way (editable, locked, read-only).
struct Fahrtfelder {
    QLineEdit* EAbfahrt;
    QLineEdit* EAnkunft;
    QCalendarWidget* Kalender;
    QComboBox* cbVon;
    QComboBox* Cbnach;
    QLineEdit* EkmStand;
    QLineEdit* Ekm;
    QComboBox* Cbzweck;
    QComboBox* CbKategorie;
    QComboBox* CbFahrer;
    QPlainTextEdit* MBemerkungen;

    // The control a rejected save names, for the focus.
    QWidget* feld(speicherpruefung::Feld feld) const;
};
