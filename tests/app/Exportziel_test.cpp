#include "Befehlslauf.h"

#include "app/Befehle.h"
#include "common/Clock.h"
#include "platform/FakeVolumeSerial.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <functional>

// What the export commands may write over: only regular files, and links only when told so.

namespace {

enum class Art { Fehlt, Datei, Ordner, Verknuepfung, VerwaisteVerknuepfung, Schleife, Fifo, Socket, Geraet, GeraetHinterVerknuepfung };

struct Zielfall {
    const char* name;
    Art art;
    const char* option; // "--csv" or "--pdf"
    bool folgen;
    int code;
    const char* meldungsteil;
};

mode_t dateiart(const QString& pfad)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(pfad).constData(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

class ExportzielTest : public ::testing::TestWithParam<Zielfall> {
protected:
    ExportzielTest() { Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0, 5))); }
    ~ExportzielTest() override
    {
        if (socket_ >= 0)
            ::close(socket_);
        Clock::reset();
    }

    QString pfad(const char* name) const { return ordner_.filePath(QString::fromLatin1(name)); }

    // Makes the target of the case; false when this machine cannot make it.
    bool anlegen(Art art, const QString& ziel)
    {
        const QByteArray z = QFile::encodeName(ziel);
        switch (art) {
        case Art::Fehlt:
            return true;
        case Art::Datei:
            return schreiben(ziel, "alt");
        case Art::Ordner:
            return QDir().mkdir(ziel);
        case Art::Verknuepfung:
            return schreiben(pfad("linkziel"), "alt") && QFile::link(pfad("linkziel"), ziel);
        case Art::VerwaisteVerknuepfung:
            return QFile::link(pfad("nochnicht"), ziel);
        case Art::Schleife:
            return QFile::link(pfad("zurueck"), ziel) && QFile::link(ziel, pfad("zurueck"));
        case Art::Fifo:
            return ::mkfifo(z.constData(), 0600) == 0;
        case Art::Socket:
            return socketAnlegen(z);
        case Art::Geraet: // the same node as /dev/null, in the test folder
            return ::mknod(z.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
        case Art::GeraetHinterVerknuepfung:
            return anlegen(Art::Geraet, pfad("geraet")) && QFile::link(pfad("geraet"), ziel);
        }
        return false;
    }

    static bool schreiben(const QString& datei, const char* inhalt)
    {
        QFile f(datei);
        return f.open(QIODevice::WriteOnly) && f.write(inhalt) > 0;
    }

    bool socketAnlegen(const QByteArray& ziel)
    {
        sockaddr_un adresse{};
        adresse.sun_family = AF_UNIX;
        if (ziel.size() >= qsizetype(sizeof adresse.sun_path))
            return false;
        std::memcpy(adresse.sun_path, ziel.constData(), ziel.size());
        socket_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        return socket_ >= 0 && ::bind(socket_, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0;
    }

    TestDatabase db_;
    QTemporaryDir ordner_;
    int socket_ = -1;
};

} // namespace

TEST_P(ExportzielTest, NurGewoehnlicheDateienWerdenGeschrieben)
{
    const Zielfall& fall = GetParam();
    const QString ziel = pfad("ziel");
    if (!anlegen(fall.art, ziel))
        GTEST_SKIP() << "Das Ziel lässt sich hier nicht anlegen (ein Gerät nur als root).";
    const mode_t vorher = dateiart(ziel);

    QStringList argumente{"export", "--fahrzeug", "Musterfahrzeug", "--jahr", "2005", fall.option, ziel};
    if (fall.folgen)
        argumente << "--folgen";
    const Lauf lauf = varno(argumente);
    const int code = lauf.code;
    const QString& fehler = lauf.fehler;

    EXPECT_EQ(code, fall.code) << fehler.toStdString();
    EXPECT_TRUE(fehler.contains(QString::fromUtf8(fall.meldungsteil))) << fehler.toStdString();
    // Whatever stood there keeps its kind: a link stays a link, a device stays a device.
    if (vorher != 0) {
        EXPECT_EQ(dateiart(ziel), vorher);
    }
    if (fall.code == Befehle::erfolg) {
        const QString geschrieben = fall.art == Art::Verknuepfung            ? pfad("linkziel")
                                    : fall.art == Art::VerwaisteVerknuepfung ? pfad("nochnicht")
                                                                             : ziel;
        QFile datei(geschrieben);
        ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
        const QByteArray anfang = datei.read(4);
        EXPECT_TRUE(anfang.startsWith("\xEF\xBB\xBF") || anfang == "%PDF") << anfang.toHex().toStdString();
    }
    // Nothing beside the target: no temporary file is left by a refused or a finished export.
    const QStringList rest = QDir(ordner_.path()).entryList({QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden);
    EXPECT_TRUE(rest.isEmpty()) << rest.join(' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Ziele,
    ExportzielTest,
    ::testing::Values(
        Zielfall{"neueDatei", Art::Fehlt, "--csv", false, Befehle::erfolg, ""},
        Zielfall{"vorhandeneDatei", Art::Datei, "--csv", false, Befehle::erfolg, ""},
        Zielfall{"vorhandenePdf", Art::Datei, "--pdf", false, Befehle::erfolg, ""},
        Zielfall{"ordner", Art::Ordner, "--csv", false, Befehle::fehlschlag, "das ist ein Ordner, keine Datei."},
        Zielfall{"verknuepfungOhneFolgen",
                 Art::Verknuepfung,
                 "--csv",
                 false,
                 Befehle::fehlschlag,
                 "das ist eine symbolische Verknüpfung; mit --folgen"},
        Zielfall{"pdfVerknuepfungOhneFolgen",
                 Art::Verknuepfung,
                 "--pdf",
                 false,
                 Befehle::fehlschlag,
                 "das ist eine symbolische Verknüpfung"},
        Zielfall{"verknuepfungMitFolgen", Art::Verknuepfung, "--csv", true, Befehle::erfolg, ""},
        Zielfall{"pdfVerknuepfungMitFolgen", Art::Verknuepfung, "--pdf", true, Befehle::erfolg, ""},
        Zielfall{"verwaisteVerknuepfungMitFolgen", Art::VerwaisteVerknuepfung, "--csv", true, Befehle::erfolg, ""},
        Zielfall{"fifo", Art::Fifo, "--csv", false, Befehle::fehlschlag, "das ist eine benannte Pipe (FIFO)"},
        Zielfall{"fifoMitFolgen", Art::Fifo, "--pdf", true, Befehle::fehlschlag, "benannte Pipe"},
        Zielfall{"schleifeMitFolgen", Art::Schleife, "--csv", true, Befehle::fehlschlag, "bilden eine Schleife"},
        Zielfall{"socket", Art::Socket, "--csv", false, Befehle::fehlschlag, "das ist ein Socket, keine Datei."},
        Zielfall{"geraet", Art::Geraet, "--csv", false, Befehle::fehlschlag, "das ist ein Gerät, keine Datei."},
        Zielfall{"geraetMitFolgen", Art::Geraet, "--pdf", true, Befehle::fehlschlag, "das ist ein Gerät"},
        Zielfall{"geraetHinterVerknuepfungMitFolgen",
                 Art::GeraetHinterVerknuepfung,
                 "--csv",
                 true,
                 Befehle::fehlschlag,
                 "das ist ein Gerät"}),
    [](const auto& info) { return std::string(info.param.name); });
