#include "app/Varno.h"
#include "app/VarnoApplication.h"
#include "db/Database.h"
#include "db/DatabaseError.h"

#include <QDir>

#include <cstdio>

namespace {

// Support switches for scripts; the program itself needs none.
int kommandozeile(const QString& schalter)
{
    if (schalter == QLatin1String("--version")) {
        std::printf("Varno %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    if (schalter == QLatin1String("--neue-datenbank")) {
        try {
            Database::createNew(QDir::current().filePath(QString::fromLatin1(Database::fileName)));
            Database::close();
            std::printf("Neue Datenbank %s angelegt.\n", Database::fileName);
            return 0;
        } catch (const DatabaseError& error) {
            std::fprintf(stderr, "%s\n", qPrintable(error.message()));
            return 1;
        }
    }
    std::fprintf(stderr, "Unbekannter Schalter: %s (bekannt: --version, --neue-datenbank)\n", qPrintable(schalter));
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    VarnoApplication app(argc, argv);
    if (argc > 1)
        return kommandozeile(QString::fromLocal8Bit(argv[1]));
    app.loadGermanTranslation();
    Varno varno;
    varno.starten();
    return app.exec();
}
