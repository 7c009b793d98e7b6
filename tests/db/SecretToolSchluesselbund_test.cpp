#include "platform/SecretToolSchluesselbund.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// secret-tool replaced by a script first on PATH: it keeps each entry in a file named after its
// attributes, reads the password from standard input and logs every command line it gets.
namespace {

const auto nachbauSkript = R"sh(#!/bin/sh
ordner=$(dirname "$0")
printf '%s\n' "$*" >> "$ordner/aufrufe"
befehl=$1
shift
[ "$befehl" = store ] && shift
eintrag="$ordner/eintrag-$(printf '%s|' "$@" | md5sum | cut -c1-32)"
case $befehl in
  lookup) [ -f "$eintrag" ] || exit 1; cat "$eintrag" ;;
  store) cat > "$eintrag" ;;
  clear) rm -f "$eintrag" ;;
esac
)sh";

// Puts a folder in front of PATH for as long as it lives; `allein`: PATH is that folder only.
class PfadVorne {
public:
    PfadVorne(const QString& ordner, bool allein) : vorher_(qgetenv("PATH"))
    {
        qputenv("PATH", allein ? QFile::encodeName(ordner) : QFile::encodeName(ordner) + ':' + vorher_);
    }
    ~PfadVorne() { qputenv("PATH", vorher_); }
    PfadVorne(const PfadVorne&) = delete;
    PfadVorne& operator=(const PfadVorne&) = delete;

private:
    QByteArray vorher_;
};

void skriptAnlegen(const QDir& ordner, const QByteArray& inhalt)
{
    QFile skript(ordner.filePath(QStringLiteral("secret-tool")));
    ASSERT_TRUE(skript.open(QIODevice::WriteOnly));
    skript.write(inhalt);
    skript.close();
    skript.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

const Schluesselbund::Zugang anna{QStringLiteral("buero:5432"), QStringLiteral("fahrtenbuch"), QStringLiteral("anna")};
const Schluesselbund::Zugang bernd{QStringLiteral("buero:5432"), QStringLiteral("fahrtenbuch"), QStringLiteral("bernd")};

} // namespace

TEST(SecretToolSchluesselbund, SpeichertFindetUndVergisstOhnePasswortAufDerBefehlszeile)
{
    const QTemporaryDir ordner;
    skriptAnlegen(QDir(ordner.path()), nachbauSkript);
    const PfadVorne pfad(ordner.path(), false);
    SecretToolSchluesselbund bund;
    ASSERT_TRUE(bund.verfuegbar());

    const QString passwort = QStringLiteral("gehe im 7ß");
    EXPECT_EQ(bund.nachschlagen(anna), std::nullopt);
    EXPECT_TRUE(bund.speichern(anna, passwort));
    EXPECT_EQ(bund.nachschlagen(anna), passwort);
    EXPECT_EQ(bund.nachschlagen(bernd), std::nullopt);
    bund.vergessen(anna);
    EXPECT_EQ(bund.nachschlagen(anna), std::nullopt);
    EXPECT_TRUE(bund.verfuegbar()) << "nichts gefunden heißt nicht: kein Schlüsselbund";

    QFile aufrufe(QDir(ordner.path()).filePath(QStringLiteral("aufrufe")));
    ASSERT_TRUE(aufrufe.open(QIODevice::ReadOnly));
    const QStringList zeilen = QString::fromUtf8(aufrufe.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 6);
    EXPECT_EQ(zeilen[1], QStringLiteral("store --label=Varno: Datenbank anna@buero:5432/fahrtenbuch application "
                                        "varno server buero:5432 datenbank fahrtenbuch benutzer anna"));
    EXPECT_EQ(zeilen[4], QStringLiteral("clear application varno server buero:5432 datenbank fahrtenbuch benutzer anna"));
    for (const QString& zeile : zeilen)
        EXPECT_FALSE(zeile.contains(QStringLiteral("gehe"))) << zeile.toStdString();
}

namespace {

struct KeinSchluesselbund {
    const char* name;
    const char* skript; // null: no secret-tool at all
};

class OhneSchluesselbund : public ::testing::TestWithParam<KeinSchluesselbund> {};

} // namespace

TEST_P(OhneSchluesselbund, GiltAlsNichtDaUndWirdNichtWiederGefragt)
{
    const QTemporaryDir ordner;
    if (GetParam().skript)
        skriptAnlegen(QDir(ordner.path()), GetParam().skript);
    const PfadVorne pfad(ordner.path(), !GetParam().skript);
    SecretToolSchluesselbund bund(std::chrono::milliseconds(200));

    EXPECT_EQ(bund.nachschlagen(anna), std::nullopt);
    EXPECT_FALSE(bund.verfuegbar());
    EXPECT_FALSE(bund.speichern(anna, QStringLiteral("geheim")));
    QFile aufrufe(QDir(ordner.path()).filePath(QStringLiteral("aufrufe")));
    const QByteArray aufgerufen = aufrufe.open(QIODevice::ReadOnly) ? aufrufe.readAll() : QByteArray();
    EXPECT_EQ(aufgerufen.count('\n'), GetParam().skript ? 1 : 0) << "ein Schlüsselbund, der versagt, wird nur einmal gefragt";
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, OhneSchluesselbund,
    ::testing::Values(KeinSchluesselbund{"NichtInstalliert", nullptr},
                      KeinSchluesselbund{"DienstFehlt",
                                         "#!/bin/sh\necho lookup >> \"$(dirname \"$0\")/aufrufe\"\n"
                                         "echo 'Cannot autolaunch D-Bus without X11 $DISPLAY' >&2\nexit 1\n"},
                      KeinSchluesselbund{"HaengtFest", "#!/bin/sh\necho lookup >> \"$(dirname \"$0\")/aufrufe\"\nexec sleep 30\n"}),
    [](const auto& info) { return std::string(info.param.name); });
