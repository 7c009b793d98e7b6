#include "app/VarnoApplication.h"
#include "common/VarnoError.h"
#include "common_ui/Handler.h"
#include "support/ScriptedPrompts.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

TEST(VarnoApplication, StandardknoepfeSindDeutsch)
{
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&Nein"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

TEST(VarnoApplication, FehlerImHandlerZeigtVarnoFehlerfensterUndLaeuftWeiter)
{
    QPushButton knopf;
    int danach = 0;
    // Connected as the program connects its handlers.
    verbinden(&knopf, &QPushButton::clicked, &knopf, [] { throw VarnoError(QStringLiteral("kaputt")); });
    verbinden(&knopf, &QPushButton::pressed, &knopf, [&] { ++danach; });
    knopf.show();
    // Real mouse events pass through the application object like a user's click.
    QTest::mouseClick(&knopf, Qt::LeftButton);
    QTest::mouseClick(&knopf, Qt::LeftButton);
    ASSERT_EQ(ScriptedPrompts::get().shown().size(), 2u);
    EXPECT_EQ(ScriptedPrompts::get().shown()[0].title, QStringLiteral("Varno"));
    EXPECT_EQ(ScriptedPrompts::get().shown()[0].text, QStringLiteral("kaputt"));
    EXPECT_EQ(danach, 2);
}

namespace {
// An object whose event handling throws without the guard, as a forgotten handler would.
class Ungeschuetzt : public QObject {
public:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw VarnoError(QStringLiteral("ohne Schutz"));
        return QObject::event(event);
    }
};

QStringList& protokoll()
{
    static QStringList zeilen;
    return zeilen;
}

void mitschreiben(QtMsgType, const QMessageLogContext&, const QString& text)
{
    protokoll() << text;
}
} // namespace

TEST(VarnoApplication, FehlerAusserhalbDesSchutzesWirdNurProtokolliert)
{
    Ungeschuetzt objekt;
    QEvent ereignis(QEvent::User);
    protokoll().clear();
    const QtMessageHandler vorher = qInstallMessageHandler(mitschreiben);
    const bool behandelt = QCoreApplication::sendEvent(&objekt, &ereignis);
    qInstallMessageHandler(vorher);
    EXPECT_FALSE(behandelt);
    EXPECT_TRUE(ScriptedPrompts::get().shown().empty());
    ASSERT_EQ(protokoll().size(), 1);
    EXPECT_TRUE(protokoll().front().contains(QStringLiteral("ohne Schutz"))) << protokoll().front().toStdString();
}
