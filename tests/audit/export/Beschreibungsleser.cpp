#include "Beschreibungsleser.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace beschreibungsleser {

namespace {

struct Spalte {
    QString name;
    QString typ; // Numeric, AlphaNumeric, Date
    QString format;
};

struct Beschreibung {
    QString url, name, dezimal = QStringLiteral(","), gruppierung = QStringLiteral(".");
    QString spaltentrenner = QStringLiteral(";"), satztrenner = QStringLiteral("\r\n"),
            textbegrenzer = QStringLiteral("\"");
    bool utf8 = false;
    int ueberspringen = 0;
    int ersterSatz = 1;
    std::vector<Spalte> spalten;
};

// The standard's date format in Qt's words: DD.MM.YYYY hh:mm:ss.
QString qtFormat(QString format)
{
    return format.replace(QStringLiteral("DD"), QStringLiteral("dd"))
        .replace(QStringLiteral("YYYY"), QStringLiteral("yyyy"));
}

QVariant wert(const QString& feld, const Spalte& spalte, const Beschreibung& b)
{
    if (feld.isEmpty())
        return {};
    if (spalte.typ == QLatin1String("Date")) {
        const QDateTime zeit = QDateTime::fromString(feld, qtFormat(spalte.format));
        EXPECT_TRUE(zeit.isValid()) << b.url.toStdString() << ": " << spalte.name.toStdString() << " „"
                                    << feld.toStdString() << "“ passt nicht zu " << spalte.format.toStdString();
        return zeit;
    }
    if (spalte.typ == QLatin1String("Numeric")) {
        QString zahl = feld;
        zahl.remove(b.gruppierung).replace(b.dezimal, QStringLiteral("."));
        bool ok = false;
        const QVariant ergebnis =
            zahl.contains(QLatin1Char('.')) ? QVariant(zahl.toDouble(&ok)) : QVariant(zahl.toLongLong(&ok));
        EXPECT_TRUE(ok) << b.url.toStdString() << ": " << spalte.name.toStdString() << " „" << feld.toStdString()
                        << "“ ist keine Zahl";
        return ergebnis;
    }
    return feld;
}

// The records of the text, split at the delimiters outside encapsulated text.
std::vector<std::vector<QString>> saetze(const QString& text, const Beschreibung& b)
{
    std::vector<std::vector<QString>> ergebnis;
    std::vector<QString> satz;
    QString feld;
    bool eingeschlossen = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (eingeschlossen) {
            if (text.mid(i, b.textbegrenzer.size()) != b.textbegrenzer) {
                feld += text.at(i);
            } else if (text.mid(i + 1, b.textbegrenzer.size()) == b.textbegrenzer) {
                feld += b.textbegrenzer;
                ++i;
            } else {
                eingeschlossen = false;
            }
        } else if (text.mid(i, b.textbegrenzer.size()) == b.textbegrenzer) {
            eingeschlossen = true;
        } else if (text.mid(i, b.spaltentrenner.size()) == b.spaltentrenner) {
            satz.push_back(feld);
            feld.clear();
        } else if (text.mid(i, b.satztrenner.size()) == b.satztrenner) {
            satz.push_back(feld);
            ergebnis.push_back(satz);
            satz.clear();
            feld.clear();
            i += b.satztrenner.size() - 1;
        } else {
            feld += text.at(i);
        }
    }
    EXPECT_TRUE(satz.empty() && feld.isEmpty()) << b.url.toStdString() << ": der letzte Satz endet ohne Satztrenner";
    return ergebnis;
}

Tabelle datenLesen(const QString& ordner, const Beschreibung& b)
{
    Tabelle t{b.url, b.name, {}, {}};
    for (const Spalte& s : b.spalten)
        t.spalten.push_back(s.name);
    QFile datei(QDir(ordner).filePath(b.url));
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly)) << b.url.toStdString();
    EXPECT_TRUE(b.utf8) << b.url.toStdString() << ": nur UTF-8 wird hier gelesen";
    const QString text = QString::fromUtf8(datei.readAll().mid(b.ueberspringen));
    const auto alle = saetze(text, b);
    for (std::size_t i = static_cast<std::size_t>(b.ersterSatz - 1); i < alle.size(); ++i) {
        EXPECT_EQ(alle[i].size(), b.spalten.size()) << b.url.toStdString() << " Satz " << i + 1;
        Datensatz satz;
        for (std::size_t s = 0; s < std::min(alle[i].size(), b.spalten.size()); ++s)
            satz[b.spalten[s].name] = wert(alle[i][s], b.spalten[s], b);
        t.datensaetze.push_back(std::move(satz));
    }
    return t;
}

Spalte spalteLesen(QXmlStreamReader& xml)
{
    Spalte s;
    const QString ende = xml.name().toString();
    while (!(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == ende)) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("Name"))
            s.name = xml.readElementText();
        else if (xml.name() == QLatin1String("Numeric") || xml.name() == QLatin1String("AlphaNumeric") ||
                 xml.name() == QLatin1String("Date"))
            s.typ = xml.name().toString();
        else if (xml.name() == QLatin1String("Format"))
            s.format = xml.readElementText();
    }
    return s;
}

void rangeLesen(QXmlStreamReader& xml, Beschreibung& b)
{
    while (!(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == QLatin1String("Range")))
        if (xml.isStartElement() && xml.name() == QLatin1String("From"))
            b.ersterSatz = xml.readElementText().toInt();
}

Beschreibung tabelleLesen(QXmlStreamReader& xml)
{
    Beschreibung b;
    while (!(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == QLatin1String("Table"))) {
        if (!xml.isStartElement())
            continue;
        const auto n = xml.name();
        if (n == QLatin1String("Validity"))
            xml.skipCurrentElement();
        else if (n == QLatin1String("URL"))
            b.url = xml.readElementText();
        else if (n == QLatin1String("Name"))
            b.name = xml.readElementText();
        else if (n == QLatin1String("UTF8"))
            b.utf8 = true;
        else if (n == QLatin1String("DecimalSymbol"))
            b.dezimal = xml.readElementText();
        else if (n == QLatin1String("DigitGroupingSymbol"))
            b.gruppierung = xml.readElementText();
        else if (n == QLatin1String("SkipNumBytes"))
            b.ueberspringen = xml.readElementText().toInt();
        else if (n == QLatin1String("Range"))
            rangeLesen(xml, b);
        else if (n == QLatin1String("ColumnDelimiter"))
            b.spaltentrenner = xml.readElementText();
        else if (n == QLatin1String("RecordDelimiter"))
            b.satztrenner = xml.readElementText();
        else if (n == QLatin1String("TextEncapsulator"))
            b.textbegrenzer = xml.readElementText();
        else if (n == QLatin1String("VariablePrimaryKey") || n == QLatin1String("VariableColumn"))
            b.spalten.push_back(spalteLesen(xml));
    }
    return b;
}

} // namespace

std::vector<Tabelle> lesen(const QString& ordner)
{
    QFile index(QDir(ordner).filePath(QStringLiteral("index.xml")));
    EXPECT_TRUE(index.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&index);
    std::vector<Tabelle> tabellen;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("Table"))
            tabellen.push_back(datenLesen(ordner, tabelleLesen(xml)));
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return tabellen;
}

const Tabelle* tabelle(const std::vector<Tabelle>& tabellen, const QString& url)
{
    for (const Tabelle& t : tabellen)
        if (t.url == url)
            return &t;
    ADD_FAILURE() << url.toStdString() << " fehlt in index.xml";
    return nullptr;
}

} // namespace beschreibungsleser
