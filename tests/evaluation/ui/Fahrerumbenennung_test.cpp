#include "Auswertungsdaten.h"
#include "ReportTestSupport.h"

#include "common/Clock.h"
#include "db/SqlStatement.h"
#include "evaluation/AuswertungStore.h"
#include "evaluation/report/Fahrtenbuchdateien.h"
#include "logbuch/StammdatenStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A driver renamed in the driver window: the trips stored before keep printing the name they were
// stored with in the list, the PDF and the CSV, trips stored after print the new one, and the
// protocol names both. On a file and on a server.
namespace {

class Fahrerumbenennung : public BeideDatenbanken {
protected:
    void SetUp() override
    {
        Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(12, 0)));
        BeideDatenbanken::SetUp();
    }
    void TearDown() override
    {
        BeideDatenbanken::TearDown();
        Clock::reset();
    }

    QTemporaryDir ordner;
};

QString dateitext(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? QString::fromUtf8(datei.readAll()) : QString();
}

} // namespace

MIT_BEIDEN_DATENBANKEN(Fahrerumbenennung);

TEST_P(Fahrerumbenennung, FruehereFahrtDruecktDenGespeichertenNamen)
{
    if (IsSkipped())
        return;
    const Auswertungsdaten d;
    build::fahrt(d.fahrt(am(2005, 3, 1, 8), am(2005, 3, 1, 9), 1000, 1040));
    StammdatenStore::fahrerAendern(d.meier, QStringLiteral("Meyer"), QString());
    build::fahrt(d.fahrt(am(2005, 3, 2, 8), am(2005, 3, 2, 9), 1040, 1080));

    const Fahrtenliste liste =
        AuswertungStore().fahrten(fahrtenbuchdateien::filter(d.golf, QDate(2005, 1, 1), QDate(2005, 12, 31)));
    ASSERT_EQ(liste.anzahl(), 2U);
    EXPECT_EQ(liste.zelle(0, Fahrtenliste::Fahrer), QStringLiteral("Meier"));
    EXPECT_EQ(liste.zelle(1, Fahrtenliste::Fahrer), QStringLiteral("Meyer"));

    const auto auftrag = fahrtenbuchdateien::jahresauftrag(d.golf, QStringLiteral("B-XY 1, Golf"), 2005, ordner.path());
    fahrtenbuchdateien::schreiben(auftrag);
    for (const QString& text : {reporttest::pdfText(auftrag.pdf), dateitext(auftrag.csv)}) {
        EXPECT_EQ(text.count(QStringLiteral("Meier")), 1) << text.toStdString();
        EXPECT_EQ(text.count(QStringLiteral("Meyer")), 1) << text.toStdString();
    }

    SqlStatement protokoll("SELECT Beschreibung FROM T_Protokoll WHERE Ereignis = ?");
    protokoll.bind(QStringLiteral("Fahrer umbenannt")).exec();
    ASSERT_TRUE(protokoll.next());
    EXPECT_EQ(protokoll.value(0).toString(), QStringLiteral("Fahrer „Meier“ umbenannt in „Meyer“."));
}
