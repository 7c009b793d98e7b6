#include "db/Sperrwarten.h"

#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/Dialekt.h"
#include "db/SqlStatement.h"

#include <QElapsedTimer>

#include <utility>

namespace sperrwarten {

namespace {

Sperrwarter*& eingesetzt()
{
    static Sperrwarter* warter = nullptr;
    return warter;
}

// Short enough that the window answers a click at once, long enough not to flood the server.
const QString versuchsdauer = QStringLiteral("200ms");

void sperrzeitSetzen(const QString& dauer)
{
    SqlStatement(QStringLiteral("SELECT set_config('lock_timeout', ?, true)")).bind(dauer).exec();
}

QString sperrzeit()
{
    SqlStatement s(QStringLiteral("SELECT current_setting('lock_timeout')"));
    s.exec().next();
    return s.value(0).toString();
}

// Tells the watcher the wait is over however it ends, once it was told of a wait at all.
class Warten {
public:
    explicit Warten(Sperrwarter& warter) : warter_(warter) { uhr_.start(); }
    ~Warten()
    {
        if (gewartet_)
            warter_.warteEnde();
    }
    Warten(const Warten&) = delete;
    Warten& operator=(const Warten&) = delete;

    bool weiter()
    {
        gewartet_ = true;
        return warter_.weiterWarten(std::chrono::milliseconds(uhr_.elapsed()));
    }

private:
    Sperrwarter& warter_;
    QElapsedTimer uhr_;
    bool gewartet_ = false;
};

// One try: true when `schritt` got its locks within the short wait.
bool versuchen(const std::function<void()>& schritt, const QString& eigentlicheSperrzeit)
{
    SqlStatement::direkt(QStringLiteral("SAVEPOINT sperrwarten"));
    sperrzeitSetzen(versuchsdauer);
    try {
        schritt();
    } catch (const SperreAbgelaufen&) {
        // Also undoes the short lock timeout, which was set after the savepoint.
        SqlStatement::direkt(QStringLiteral("ROLLBACK TO SAVEPOINT sperrwarten"));
        return false;
    }
    sperrzeitSetzen(eigentlicheSperrzeit);
    SqlStatement::direkt(QStringLiteral("RELEASE SAVEPOINT sperrwarten"));
    return true;
}

} // namespace

Sperrwarter* einsetzen(Sperrwarter* warter)
{
    return std::exchange(eingesetzt(), warter);
}

void abwarten(const std::function<void()>& schritt)
{
    // SQLite's write transaction took the whole file when it began.
    Sperrwarter* warter = eingesetzt();
    if (!warter || Database::dialekt().art() == Datenbankart::SQLite) {
        schritt();
        return;
    }
    const QString eigentlicheSperrzeit = sperrzeit();
    Warten warten(*warter);
    while (!versuchen(schritt, eigentlicheSperrzeit)) {
        if (!warten.weiter())
            throw DatabaseError(QStringLiteral("Das Speichern wurde abgebrochen, während ein anderer Benutzer "
                                               "speicherte. Es wurde nichts gespeichert."));
    }
}

} // namespace sperrwarten
