#include "audit/export/Beschreibungsstandard.h"

#include "common/GermanFormat.h"

#include <QFile>
#include <QXmlStreamWriter>

// Resources of a static library are registered only when asked for by name.
static void dtdRessourceLaden()
{
    Q_INIT_RESOURCE(Beschreibungsstandard);
}

namespace beschreibungsstandard {

namespace {

// The bytes of the byte order mark CsvSchreiber puts before the header row.
constexpr int byteOrderMark = 3;
// The header row is record 1; the data start at record 2.
constexpr int ersterDatensatz = 2;

void typSchreiben(QXmlStreamWriter& xml, Exportspalte::Art art)
{
    switch (art) {
    case Exportspalte::Art::Zahl:
        xml.writeStartElement(QStringLiteral("Numeric"));
        xml.writeTextElement(QStringLiteral("Accuracy"), QStringLiteral("0"));
        xml.writeEndElement();
        return;
    case Exportspalte::Art::Zeitpunkt:
        xml.writeStartElement(QStringLiteral("Date"));
        xml.writeTextElement(QStringLiteral("Format"), QStringLiteral("DD.MM.YYYY hh:mm:ss"));
        xml.writeEndElement();
        return;
    case Exportspalte::Art::Text:
        xml.writeEmptyElement(QStringLiteral("AlphaNumeric"));
        return;
    }
}

void spalteSchreiben(QXmlStreamWriter& xml, const Exportspalte& spalte, bool schluessel)
{
    xml.writeStartElement(schluessel ? QStringLiteral("VariablePrimaryKey") : QStringLiteral("VariableColumn"));
    xml.writeTextElement(QStringLiteral("Name"), spalte.name);
    xml.writeTextElement(QStringLiteral("Description"), spalte.beschreibung);
    typSchreiben(xml, spalte.art);
    xml.writeEndElement();
}

void gueltigkeitSchreiben(QXmlStreamWriter& xml, const Exportzeitraum& zeitraum)
{
    xml.writeStartElement(QStringLiteral("Validity"));
    xml.writeStartElement(QStringLiteral("Range"));
    xml.writeTextElement(QStringLiteral("From"), german::date(zeitraum.von));
    xml.writeTextElement(QStringLiteral("To"), german::date(zeitraum.bis));
    xml.writeEndElement();
    xml.writeTextElement(QStringLiteral("Format"), QStringLiteral("DD.MM.YYYY"));
    xml.writeEndElement();
}

void tabelleSchreiben(QXmlStreamWriter& xml, const Exporttabelle& tabelle, const Exportzeitraum& zeitraum)
{
    xml.writeStartElement(QStringLiteral("Table"));
    xml.writeTextElement(QStringLiteral("URL"), tabelle.datei);
    xml.writeTextElement(QStringLiteral("Name"), tabelle.name);
    xml.writeTextElement(QStringLiteral("Description"), tabelle.beschreibung);
    gueltigkeitSchreiben(xml, zeitraum);
    xml.writeEmptyElement(QStringLiteral("UTF8"));
    xml.writeTextElement(QStringLiteral("DecimalSymbol"), QStringLiteral(","));
    xml.writeTextElement(QStringLiteral("DigitGroupingSymbol"), QStringLiteral("."));
    xml.writeTextElement(QStringLiteral("SkipNumBytes"), QString::number(byteOrderMark));
    xml.writeStartElement(QStringLiteral("Range"));
    xml.writeTextElement(QStringLiteral("From"), QString::number(ersterDatensatz));
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("VariableLength"));
    xml.writeTextElement(QStringLiteral("ColumnDelimiter"), QStringLiteral(";"));
    // As character references: a parser reads a literal CR LF as a single line feed.
    xml.writeStartElement(QStringLiteral("RecordDelimiter"));
    xml.writeEntityReference(QStringLiteral("#13"));
    xml.writeEntityReference(QStringLiteral("#10"));
    xml.writeEndElement();
    xml.writeTextElement(QStringLiteral("TextEncapsulator"), QStringLiteral("\""));
    for (std::size_t i = 0; i < tabelle.spalten.size(); ++i)
        spalteSchreiben(xml, tabelle.spalten[i], static_cast<int>(i) < tabelle.schluesselspalten);
    xml.writeEndElement();
    xml.writeEndElement();
}

} // namespace

QByteArray indexXml(const std::vector<Exporttabelle>& tabellen, const Exportzeitraum& zeitraum,
                    const Lieferung& lieferung)
{
    QByteArray text;
    QXmlStreamWriter xml(&text);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE DataSet SYSTEM \"%1\">").arg(QLatin1String(dtdName)));
    xml.writeStartElement(QStringLiteral("DataSet"));
    xml.writeTextElement(QStringLiteral("Version"), QStringLiteral("1.0"));
    xml.writeStartElement(QStringLiteral("DataSupplier"));
    xml.writeTextElement(QStringLiteral("Name"), lieferung.lieferant);
    xml.writeTextElement(QStringLiteral("Location"), lieferung.ort);
    xml.writeTextElement(QStringLiteral("Comment"), lieferung.kommentar);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("Media"));
    xml.writeTextElement(QStringLiteral("Name"), lieferung.medium);
    for (const Exporttabelle& tabelle : tabellen)
        tabelleSchreiben(xml, tabelle, zeitraum);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return text;
}

QByteArray dtd()
{
    dtdRessourceLaden();
    QFile datei(QStringLiteral(":/beschreibungsstandard/%1").arg(QLatin1String(dtdName)));
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    return datei.readAll();
}

} // namespace beschreibungsstandard
