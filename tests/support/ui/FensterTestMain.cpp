#include "app/VarnoApplication.h"
#include "support/ScriptedPrompts.h"
#include "support/Testkonfiguration.h"
#include "support/ui/Paletten.h"
#include "support/ui/Schriften.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const Testkonfiguration konfiguration;
    ::testing::InitGoogleTest(&argc, argv);
    VarnoApplication app(argc, argv);
    app.loadGermanTranslation();
    // The described pixel sizes hold exactly at this font; tests of other fonts choose theirs.
    QApplication::setFont(referenzschrift());
    // One run of the window tests takes place under a dark desktop theme.
    if (qgetenv("VARNO_TEST_THEMA") == "dunkel")
        QApplication::setPalette(dunklePalette());
    ::testing::AddGlobalTestEnvironment(new ScriptedPromptsEnvironment);
    return RUN_ALL_TESTS();
}
