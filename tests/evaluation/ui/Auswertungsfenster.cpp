#include "Auswertungsfenster.h"

#include "common/Clock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QRadioButton>
#include <QTableView>

QString zelle(const QTableView* tabelle, int zeile, int spalte)
{
    return tabelle->model()->index(zeile, spalte).data().toString();
}

QStringList spalte(const QTableView* tabelle, int nummer)
{
    QStringList texte;
    for (int zeile = 0; zeile < tabelle->model()->rowCount(); ++zeile)
        texte << zelle(tabelle, zeile, nummer);
    return texte;
}

AuswertungTest::AuswertungTest()
{
    Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0)));
    db.sitzung().setAktuellesFahrzeug(d.golf);
    fenster.setDetails(&details);
}

AuswertungTest::~AuswertungTest()
{
    fenster.close();
    Clock::reset();
}

void AuswertungTest::waehle(QComboBox* liste, const QString& text)
{
    const int index = liste->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    liste->setCurrentIndex(index);
}

void AuswertungTest::ankreuzen(QCheckBox* box, QDateEdit* picker, const QDate& tag)
{
    picker->setDate(tag);
    box->setChecked(true);
    if (box == fenster.cbxAbDat)
        fenster.cbxAbDatClick();
    else
        fenster.cbxAnDatClick();
}

void AuswertungTest::anzeigen(QRadioButton* ansicht)
{
    ansicht->setChecked(true);
    fenster.btAnzeigenClick();
}

void AuswertungTest::fortschrittMitschreiben(QStringList& ablauf)
{
    fenster.setFortschritt({[&ablauf](const QWidget*) { ablauf << QStringLiteral("starten"); },
                            [&ablauf](int prozent) { ablauf << QString::number(prozent); },
                            [&ablauf] { ablauf << QStringLiteral("beenden"); }});
}
