#include "support/PythonCsv.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

const char* const leser = R"(
import csv, json, sys
csv.register_dialect('semikolon', delimiter=';', quotechar='"', doublequote=True, lineterminator='\r\n',
                     quoting=csv.QUOTE_MINIMAL)
with open(sys.argv[1], 'rb') as datei:
    bom = datei.read(3) == b'\xef\xbb\xbf'
with open(sys.argv[1], newline='', encoding='utf-8-sig') as datei:
    zeilen = list(csv.reader(datei, dialect='semikolon'))
json.dump({'bom': bom, 'zeilen': zeilen}, sys.stdout)
)";

} // namespace

PythonCsv mitPythonLesen(const QString& pfad)
{
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral("-c"), QString::fromUtf8(leser), pfad});
    PythonCsv ergebnis;
    if (!python.waitForFinished(60000) || python.exitStatus() != QProcess::NormalExit || python.exitCode() != 0) {
        ADD_FAILURE() << "python3 konnte " << pfad.toStdString()
                      << " nicht lesen: " << python.readAllStandardError().toStdString();
        return ergebnis;
    }
    const QJsonObject antwort = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    ergebnis.mitBytereihenfolge = antwort.value(QStringLiteral("bom")).toBool();
    for (const QJsonValue& zeile : antwort.value(QStringLiteral("zeilen")).toArray()) {
        QStringList felder;
        for (const QJsonValue& feld : zeile.toArray())
            felder << feld.toString();
        ergebnis.zeilen << felder;
    }
    return ergebnis;
}
