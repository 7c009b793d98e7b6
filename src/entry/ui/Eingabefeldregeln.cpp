#include "entry/ui/Eingabefeldregeln.h"

#include "common/Prompts.h"
#include "common_ui/Feldverlassen.h"
#include "common_ui/Handler.h"
#include "entry/Auswahlfeld.h"
#include "entry/Zeitfeld.h"
#include "entry/ui/Fahrtfelder.h"
#include "entry/ui/Vorschlagsliste.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

using auswahlfeld::keineAngabe;
using auswahlfeld::standardKategorie;

Eingabefeldregeln::Eingabefeldregeln(Fahrtfelder& ui, QPointer<Vorschlagsliste> vorschlagsliste,
                                     std::function<Stand()> stand, QObject* parent)
    : QObject(parent), ui_(ui), vorschlagsliste_(std::move(vorschlagsliste)), stand_(std::move(stand))
{
    for (QLineEdit* feld : {ui_.EAbfahrt, ui_.EAnkunft}) {
        verbinden(feld, &QLineEdit::textChanged, this, [this] { emit geaendert(); });
        verbinden(feld, &QLineEdit::textEdited, this, [this, feld] { zeitfeldGeaendert(feld); });
    }
    for (QLineEdit* feld : {ui_.EkmStand, ui_.Ekm})
        verbinden(feld, &QLineEdit::textChanged, this, [this] { emit geaendert(); });
    for (QLineEdit* feld : {ui_.EAbfahrt, ui_.EAnkunft, ui_.EkmStand, ui_.Ekm})
        feld->installEventFilter(this);
    for (QComboBox* feld : {ui_.cbVon, ui_.Cbnach, ui_.Cbzweck, ui_.CbKategorie, ui_.CbFahrer}) {
        feld->installEventFilter(this);
        verbinden(feld->lineEdit(), &QLineEdit::textEdited, this, [this, feld] { auswahlGetippt(feld); });
        verbinden(feld, &QComboBox::textActivated, this, [this] { emit geaendert(); });
    }
    verbinden(vorschlagsliste_.data(), &Vorschlagsliste::gewaehlt, this, [this] { emit geaendert(); });
}

QString Eingabefeldregeln::zeittext(const QLineEdit* feld)
{
    QString text = feld->displayText();
    return text.replace(QLatin1Char('_'), QLatin1Char(' '));
}

bool Eingabefeldregeln::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == ui_.EAbfahrt || watched == ui_.EAnkunft)
            static_cast<QLineEdit*>(watched)->setSelection(0, 5);
        else if (watched == ui_.EkmStand)
            ui_.EkmStand->setSelection(0, kilometerfeld::standBreite);
        else if (watched == ui_.Ekm)
            ui_.Ekm->setSelection(0, kilometerfeld::streckeBreite);
    }
    if (!verlaesstFeld(event) || fokusZurueck_)
        return QObject::eventFilter(watched, event);

    geschuetzt([this, watched] {
        if (watched == ui_.EAbfahrt)
            EAbfahrtExit();
        else if (watched == ui_.EAnkunft)
            EAnkunftExit();
        else if (watched == ui_.Ekm)
            EkmExit();
        else if (watched == ui_.EkmStand)
            EkmStandExit();
        else if (auto* feld = qobject_cast<QComboBox*>(watched))
            auswahlVerlassen(feld);
    });
    // A refused field took the focus back: it has not been left.
    if (QApplication::focusWidget() == watched)
        return true;
    return QObject::eventFilter(watched, event);
}

void Eingabefeldregeln::zeitfeldGeaendert(QLineEdit* feld)
{
    if (feld->hasFocus() && zeitfeld::minutenKomplett(zeittext(feld)))
        emit naechstesFeld();
}

void Eingabefeldregeln::zeitfeldVerlassen(QLineEdit* feld)
{
    const QString text = zeittext(feld);
    const QString neu = zeitfeld::vervollstaendigen(text);
    if (neu != text)
        feld->setText(neu);
}

void Eingabefeldregeln::EAbfahrtExit()
{
    zeitfeldVerlassen(ui_.EAbfahrt);
}

void Eingabefeldregeln::EAnkunftExit()
{
    zeitfeldVerlassen(ui_.EAnkunft);
}

kilometerfeld::Felder Eingabefeldregeln::kmFelder() const
{
    return {ui_.Ekm->text(), ui_.EkmStand->text()};
}

void Eingabefeldregeln::kmFelderSetzen(const kilometerfeld::Ergebnis& ergebnis, QLineEdit* verlassen)
{
    if (ergebnis.fehler) {
        eingabefehler(verlassen);
        return;
    }
    if (ui_.Ekm->text() != ergebnis.felder.ekm)
        ui_.Ekm->setText(ergebnis.felder.ekm);
    if (ui_.EkmStand->text() != ergebnis.felder.ekmStand)
        ui_.EkmStand->setText(ergebnis.felder.ekmStand);
}

void Eingabefeldregeln::EkmExit()
{
    if (!ui_.Ekm->isEnabled())
        return;
    kmFelderSetzen(kilometerfeld::ekmVerlassen(kmFelder(), stand_().letzterKmStand), ui_.Ekm);
}

void Eingabefeldregeln::EkmStandExit()
{
    kmFelderSetzen(kilometerfeld::ekmStandVerlassen(kmFelder(), stand_().letzterKmStand, stand_().kartenfahrzeug,
                                                    ui_.EkmStand->isEnabled()),
                   ui_.EkmStand);
}

void Eingabefeldregeln::eingabefehler(QLineEdit* feld)
{
    const bool vorher = fokusZurueck_;
    fokusZurueck_ = true;
    prompt::beep();
    prompt::error(QStringLiteral("Fehler bei der Eingabe"));
    feld->setFocus(Qt::OtherFocusReason);
    fokusZurueck_ = vorher;
}

void Eingabefeldregeln::auswahlGetippt(QComboBox* feld)
{
    emit geaendert();
    QLineEdit* edit = feld->lineEdit();
    const auto ergebnis = auswahlfeld::vervollstaendigen(
        [feld] {
            QStringList eintraege;
            for (int i = 0; i < feld->count(); ++i)
                eintraege << feld->itemText(i);
            return eintraege;
        }(),
        edit->text(), edit->cursorPosition());
    if (edit->text() != ergebnis.text)
        edit->setText(ergebnis.text);
    edit->setCursorPosition(ergebnis.caret);
    edit->deselect();
    if (ergebnis.listeOffen)
        vorschlagsliste_->zeigen(feld, ergebnis.text);
    else
        vorschlagsliste_->schliessen();
}

void Eingabefeldregeln::auswahlVerlassen(QComboBox* feld)
{
    if (vorschlagsliste_->feld() == feld)
        vorschlagsliste_->schliessen();
    const QString vorgabe = feld == ui_.CbKategorie ? standardKategorie : keineAngabe;
    const QString text = auswahlfeld::bereinigen(feld->currentText(), vorgabe);
    if (text != feld->currentText())
        feld->setEditText(text);
}
