#pragma once

#include "entry/EingabeStore.h"
#include "entry/Stammdaten.h"
#include "entry/ui/Eingabefeldregeln.h"
#include "entry/ui/Ui_TF_Eingabe.h"
#include "entry/ui/Vorschlagsliste.h"

#include <QDateTime>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class Rohfahrtliste;
class Sitzung;
namespace fahrtspeicherung {
struct Eingabe;
struct Stand;
} // namespace fahrtspeicherung

// The trip entry window "Dateneingabe": one logbook row of the vehicle chosen in the main window
// is entered at a time, typed by hand or completed from a raw trip of the vehicle's memory card.
// Created once; closing only hides it, and every showing loads it afresh.
class TF_Eingabe : public QWidget, public Ui_TF_Eingabe {
    Q_OBJECT
public:
    explicit TF_Eingabe(Sitzung& sitzung, QWidget* parent = nullptr);

    bool kartenfahrzeug() const { return Kartenfahrzeug_; }
    // The field's text with blanks in unfilled places ("  :  " when empty).
    static QString zeittext(const QLineEdit* feld) { return Eingabefeldregeln::zeittext(feld); }
    Vorschlagsliste* vorschlagsliste() const { return vorschlagsliste_; }
    Rohfahrtliste* rohfahrten() const { return rohfahrten_; }
    // How a stored trip is corrected (the program's correction window); without it the entry
    // offers no correction.
    void setKorrektur(std::function<bool(int fahrtId)> korrigieren);
    // How a forgotten trip of a vehicle entered by hand is entered later; without it the entry
    // offers none.
    void setNachtrag(std::function<bool(int kfz)> nachtragen);

public slots:
    void FormShow();
    void Reload();
    void SGfuellen();
    void StringGrid1Click();
    void DatInEdit(int zeile);
    void Verwerfen();
    void btSchliessenSpeichernClick();
    void StammfahrtenLesen();
    void StammfahrtUebernehmen();
    void BtRueckfahrtClick();
    void RGFahrtartClick();
    void BtLetzteKorrigierenClick();
    void BtNachtragenClick();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void letzteFahrtZeigen();
    void letzteFahrtAuffrischen();
    void verbindeFelder();
    void aenderungMerken();
    void keineAenderung();

    void listeFuellen(QComboBox* feld, const QStringList& eintraege);

    void speichern();
    fahrtspeicherung::Eingabe eingabeLesen() const;
    fahrtspeicherung::Stand standLesen() const;

    QString letztesZiel() const;
    std::optional<int> gewaehlteRohfahrt() const;
    bool inDenFeldern(int zeile) const;
    // Grows the window so the raw-trip grid shows several rows, as far as the screen allows.
    void platzFuerRohfahrten();

    Sitzung& sitzung_;
    bool Kartenfahrzeug_ = false;
    QDateTime LetzteAnkunft;
    std::vector<Logbuchzeile> letzteFahrten_; // the last trip first, then the one before it
    qint64 letzterKmStand_ = 0;
    Stammdaten stammdaten_;
    Rohfahrtliste* rohfahrten_;
    // The raw trip whose values the fields hold: the one a save completes, whatever row is current.
    std::optional<Rohfahrt> uebernommeneRohfahrt_;
    // Set while the raw-trip list is filled: its first row becomes current without being copied.
    bool rohfahrtenLaden_ = false;
    // Watched: the window may be hidden while its children are already gone.
    QPointer<Vorschlagsliste> vorschlagsliste_;
    std::function<bool(int fahrtId)> korrigieren_;
    std::function<bool(int kfz)> nachtragen_;
};
