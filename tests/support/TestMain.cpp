#include "support/ScriptedPrompts.h"
#include "support/Testkonfiguration.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

// The main of rule and store tests: a core application, no window system.
int main(int argc, char** argv)
{
    const Testkonfiguration konfiguration;
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    ::testing::AddGlobalTestEnvironment(new ScriptedPromptsEnvironment);
    return RUN_ALL_TESTS();
}
