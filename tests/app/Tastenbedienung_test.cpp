#include "Programmfenster.h"

#include "app/THauptform.h"
#include "app/Varno.h"
#include "common/Clock.h"
#include "logbuch/Sitzung.h"
#include "support/TestDatabase.h"
#include "support/ui/Tastenkuerzel.h"

#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace {

class Tastenbedienung : public ::testing::TestWithParam<Fensterfall> {
protected:
    Tastenbedienung()
    {
        Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0)));
        varno.starten(false);
        varno.sitzung().setAktuellesFahrzeug(golf);
    }
    ~Tastenbedienung() override { Clock::reset(); }

    TestDatabase db;
    const int golf = build::fahrzeug();
    Varno varno{db.file()};
};

TEST_P(Tastenbedienung, JederKnopfUndMenuepunktHatEinEigenesKuerzel)
{
    std::unique_ptr<QWidget> eigene;
    QWidget* fenster = GetParam().fenster(varno, eigene);
    fenster->show();
    EXPECT_TRUE(kuerzelEindeutig(*fenster));
    fenster->hide();
}

INSTANTIATE_TEST_SUITE_P(Fenster, Tastenbedienung, programmfenster(), fensterName);

// The letters work as on every Linux desktop: Alt and the underlined letter choose the control.
TEST(Kuerzeltaste, AltUndBuchstabeWaehlenDenKnopf)
{
    TestDatabase db;
    Varno varno{db.file()};
    varno.starten(false);
    THauptform* fenster = varno.hauptform();
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
    ASSERT_FALSE(fenster->RBauswerten->isChecked());
    // A button answers its letter as a click shown on screen, that is a moment later.
    QTest::keyClick(fenster->windowHandle(), Qt::Key_W, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([fenster] { return fenster->RBauswerten->isChecked(); }));
    EXPECT_TRUE(fenster->Mhinweis->toPlainText().startsWith(QStringLiteral("Hier können Sie")));
    QTest::keyClick(fenster->windowHandle(), Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([fenster] { return fenster->RBCFlesen->isChecked(); }));
    fenster->hide();
}

} // namespace
