#pragma once

#include "entry/Kilometerfeld.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QComboBox;
class QLineEdit;
class Vorschlagsliste;
struct Fahrtfelder;

// What the fields of a trip do while the user types and when the user leaves them: the
// time fields complete themselves and move on, the kilometre fields keep each other in agreement
// with the last reading, the selection fields complete typed names and tidy what is left. A field
// whose value is refused gets the focus back after the error box. The trip entry and the
// correction of a stored trip both follow them.
class Eingabefeldregeln : public QObject {
    Q_OBJECT
public:
    // What the kilometre rules need to know of the window.
    struct Stand {
        qint64 letzterKmStand = 0;
        bool kartenfahrzeug = false;
    };

    Eingabefeldregeln(Fahrtfelder& ui, QPointer<Vorschlagsliste> vorschlagsliste, std::function<Stand()> stand,
                      QObject* parent);

    // The field's text with blanks in unfilled places ("  :  " when empty).
    static QString zeittext(const QLineEdit* feld);

signals:
    // The user changed a field: there is something to save.
    void geaendert();
    // A time field is complete: the focus moves on.
    void naechstesFeld();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EAbfahrtExit();
    void EAnkunftExit();
    void EkmExit();
    void EkmStandExit();

    void zeitfeldGeaendert(QLineEdit* feld);
    void zeitfeldVerlassen(QLineEdit* feld);
    kilometerfeld::Felder kmFelder() const;
    void kmFelderSetzen(const kilometerfeld::Ergebnis& ergebnis, QLineEdit* verlassen);
    void eingabefehler(QLineEdit* feld);
    void auswahlGetippt(QComboBox* feld);
    void auswahlVerlassen(QComboBox* feld);

    Fahrtfelder& ui_;
    QPointer<Vorschlagsliste> vorschlagsliste_;
    std::function<Stand()> stand_;
    // Set while a refused field gets the focus back, so the fields passed on the way are not "left".
    bool fokusZurueck_ = false;
};
