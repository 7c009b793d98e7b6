#include "EingabeFenster.h"

#include "common/Clock.h"
#include "db/SqlStatement.h"
#include "support/ScriptedPrompts.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

void EingabeFenster::SetUp()
{
    Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0)));
}

void EingabeFenster::TearDown()
{
    fenster.hide();
    Clock::reset();
}

void EingabeFenster::oeffnen(int kfz, bool meldungenBehalten)
{
    db.sitzung().setAktuellesFahrzeug(kfz);
    fenster.show();
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    if (!meldungenBehalten)
        ScriptedPrompts::get().clear();
}

void EingabeFenster::zeitTippen(QLineEdit* feld, const QString& ziffern)
{
    feld->setFocus();
    feld->setCursorPosition(0);
    QTest::keyClicks(feld, ziffern);
}

void EingabeFenster::tippen(QWidget* feld, const QString& text)
{
    feld->setFocus();
    QTest::keyClicks(feld, text);
}

void EingabeFenster::verlassen()
{
    fenster.MBemerkungen->setFocus();
}

QString EingabeFenster::fokus() const
{
    const QWidget* widget = QApplication::focusWidget();
    return widget ? widget->objectName() : QString();
}

int EingabeFenster::fahrzeugMitLetzterFahrt()
{
    const int kfz = build::fahrzeug({.kennzeichen = QStringLiteral("B-VA 1, Golf"), .anfKm = 12300,
                                     .start = QDateTime(QDate(2006, 1, 1), QTime(0, 0))});
    const int zuhause = build::ort(QStringLiteral("Zuhause"));
    const int buero = build::ort(QStringLiteral("Büro"));
    build::fahrt({.kfz = kfz, .ab = QDateTime(QDate(2006, 3, 12), QTime(7, 30)),
                  .an = QDateTime(QDate(2006, 3, 12), QTime(8, 0)), .kmAb = 12300, .kmAn = 12345, .start = zuhause,
                  .ziel = buero, .art = 4, .zweck = build::zweck(QStringLiteral("Besprechung")),
                  .kategorie = build::kategorie(QStringLiteral("Dienst")), .fahrer = build::fahrer(QStringLiteral("Meier"))});
    return kfz;
}

int EingabeFenster::kartenfahrzeug()
{
    kartenSchluessel = QStringLiteral("7 - K-CF 7");
    return build::fahrzeug({.kennzeichen = QStringLiteral("K-CF 7"), .anfKm = 12000, .eingabeart = 1, .kfzId = 7,
                            .start = QDateTime(QDate(2006, 1, 1), QTime(0, 0))});
}

int EingabeFenster::zeilen(const QString& tabelle) const
{
    return SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM %1").arg(tabelle));
}

GespeicherteFahrt letzteGespeicherteFahrt()
{
    SqlStatement s("SELECT m.AbDat, m.AnDat, m.km_ab, m.km_an, s.Bezeichnung AS Von, z.Bezeichnung AS Nach, m.Art, "
                   "w.Bezeichnung AS Zweck, k.Bezeichnung AS Kat, f.Bezeichnung AS Fahrer, m.Bemerkung "
                   "FROM T_MIREL m LEFT JOIN T_ORTE s ON s.ID = m.Start LEFT JOIN T_ORTE z ON z.ID = m.Ziel "
                   "LEFT JOIN T_ZWECK w ON w.ID = m.Zweck LEFT JOIN T_Kategorie k ON k.ID = m.Kategorie "
                   "LEFT JOIN T_Fahrer f ON f.ID = m.Fahrer ORDER BY m.ID DESC LIMIT 1");
    s.exec();
    EXPECT_TRUE(s.next());
    return {s.text("AbDat"), s.text("AnDat"),  s.intValue("km_ab"), s.intValue("km_an"), s.text("Von"),
            s.text("Nach"),  s.intValue("Art"), s.text("Zweck"),     s.text("Kat"),       s.text("Fahrer"),
            s.text("Bemerkung")};
}
