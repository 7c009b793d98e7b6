#include "common_ui/QtPrompts.h"

#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The real input dialog with suggestions, answered by a timer that waits for it to open.
class QtPromptsVorschlaege : public ::testing::Test {
protected:
    // Runs `antworten` on the dialog once it is open.
    void sobaldOffen(std::function<void(QInputDialog&)> antworten)
    {
        warten.setInterval(10);
        QObject::connect(&warten, &QTimer::timeout, [this, antworten] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            warten.stop();
            antworten(*dialog);
        });
        warten.start();
    }

    QtPrompts prompts;
    QTimer warten;
};

const QStringList vorschlaege = {QStringLiteral("Tippfehler"), QStringLiteral("doppelt erfasst")};

} // namespace

TEST_F(QtPromptsVorschlaege, BietetDieVorschlaegeAnUndNimmtFreienText)
{
    QStringList angeboten;
    QString anfangs = QStringLiteral("nicht gelesen");
    bool editierbar = false;
    sobaldOffen([&](QInputDialog& dialog) {
        auto* liste = dialog.findChild<QComboBox*>();
        ASSERT_NE(liste, nullptr);
        for (int i = 0; i < liste->count(); ++i)
            angeboten << liste->itemText(i);
        editierbar = liste->isEditable();
        anfangs = liste->currentText();
        liste->lineEdit()->setText(QStringLiteral("Werkstattfahrt verwechselt"));
        dialog.accept();
    });
    const auto antwort =
        prompts.inputWithSuggestions(QStringLiteral("Fahrt stornieren"), QStringLiteral("Grund:"), vorschlaege);
    EXPECT_EQ(angeboten, vorschlaege);
    EXPECT_TRUE(editierbar);
    EXPECT_EQ(anfangs, QString());
    EXPECT_EQ(antwort, QStringLiteral("Werkstattfahrt verwechselt"));
}

TEST_F(QtPromptsVorschlaege, AbbrechenGibtNichts)
{
    sobaldOffen([](QInputDialog& dialog) {
        dialog.findChild<QComboBox*>()->setCurrentIndex(1);
        dialog.reject();
    });
    EXPECT_EQ(prompts.inputWithSuggestions(QStringLiteral("Fahrt stornieren"), QStringLiteral("Grund:"), vorschlaege),
              std::nullopt);
}
