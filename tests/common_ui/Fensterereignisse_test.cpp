#include "common/VarnoError.h"
#include "common_ui/Fensterereignisse.h"
#include "support/ScriptedPrompts.h"

#include <QApplication>
#include <QShowEvent>
#include <QWidget>
#include <QtTest/qtestspontaneevent.h>

#include <gtest/gtest.h>

namespace {

// A window over a caller, with handlers that count their calls.
class GeroutetesFenster : public ::testing::Test {
protected:
    GeroutetesFenster()
    {
        aufrufer.setGeometry(100, 100, 800, 600);
        fenster.resize(200, 100);
        fenster.move(0, 0);
        Fensterereignisse::fuer(&fenster)
            .beimZeigen([this] {
                ++gezeigt;
                if (zeigenScheitert)
                    throw VarnoError(QStringLiteral("Anzeige gescheitert"));
            })
            .beimAktivieren([this] { ++aktiviert; })
            .beimVerlassen([this] { ++verlassen; })
            .mittigUeberDemAufrufer();
    }

    void senden(QEvent::Type art, bool vomSystem = false)
    {
        QEvent ereignis(art);
        if (!vomSystem) {
            QApplication::sendEvent(&fenster, &ereignis);
            return;
        }
        // sendEvent() would clear the mark that the window system sent it.
        QSpontaneKeyEvent::setSpontaneous(&ereignis);
        QApplication::instance()->notify(&fenster, &ereignis);
    }

    bool mittig() const
    {
        // QRect::center() rounds down, for the window as for its caller.
        return (fenster.frameGeometry().center() - aufrufer.frameGeometry().center()).manhattanLength() <= 2;
    }

    QWidget aufrufer;
    QWidget fenster{&aufrufer, Qt::Window};
    int gezeigt = 0;
    int aktiviert = 0;
    int verlassen = 0;
    bool zeigenScheitert = false;
};

} // namespace

TEST_F(GeroutetesFenster, ZeigenDurchDasProgrammRuftDenHandlerUndSetztDasFensterMittigUeberDenAufrufer)
{
    fenster.show();
    EXPECT_EQ(gezeigt, 1);
    EXPECT_TRUE(mittig());
    EXPECT_EQ(aktiviert, 0);
}

TEST_F(GeroutetesFenster, WiederherstellenDurchDieFensterverwaltungRuftNichtsUndLaesstDasFensterStehen)
{
    fenster.move(5, 7);
    senden(QEvent::Show, true);
    EXPECT_EQ(gezeigt, 0);
    EXPECT_EQ(fenster.pos(), QPoint(5, 7));
}

TEST_F(GeroutetesFenster, AktivierenUndVerlassenRufenIhreHandler)
{
    senden(QEvent::WindowActivate);
    senden(QEvent::WindowDeactivate);
    senden(QEvent::WindowActivate);
    EXPECT_EQ(aktiviert, 2);
    EXPECT_EQ(verlassen, 1);
    EXPECT_EQ(gezeigt, 0);
}

// The error box of a failed show hands the focus back when it closes: that activation is not a
// return of the user and must not run the handlers a second time; the next one does.
TEST_F(GeroutetesFenster, NachEinemGescheitertenZeigenEntfaelltNurDieAktivierungDurchDieFehlermeldung)
{
    zeigenScheitert = true;
    fenster.show();
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{QStringLiteral("Anzeige gescheitert")});
    EXPECT_TRUE(mittig()) << "centred although the handler failed";

    senden(QEvent::WindowActivate);
    EXPECT_EQ(aktiviert, 0);
    senden(QEvent::WindowActivate);
    EXPECT_EQ(aktiviert, 1);
    EXPECT_EQ(ScriptedPrompts::get().shown().size(), 1U);
}
