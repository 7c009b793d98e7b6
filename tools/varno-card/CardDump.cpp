#include "CardDump.h"

#include <iomanip>
#include <string_view>

using namespace cardfile;

namespace {

struct NamedList {
    std::string_view name;
    const CardList& entries;
    // Where the entry's text goes in a CSV row.
    std::size_t textColumn;
};

std::array<NamedList, 3> namedLists(const CardLists& lists)
{
    return {{{"Orte", lists.places, 7}, {"Gründe", lists.reasons, 8}, {"Kategorien", lists.categories, 9}}};
}

std::string timeText(const std::optional<RecorderTime>& time) { return time ? germanDateTime(*time) : ""; }

std::string csvField(std::string_view text)
{
    const bool needsQuotes = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                             (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!needsQuotes)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

void writeCsvRow(std::ostream& out, std::string_view section, std::size_t number, const RecordFields& fields)
{
    out << csvField(section) << ',' << number;
    for (const std::string& field : fields)
        out << ',' << csvField(field);
    out << '\n';
}

} // namespace

RecordFields recordFields(const CardRecord& record)
{
    return {timeText(record.startTime),
            std::to_string(record.startKm),
            timeText(record.endTime),
            std::to_string(record.endKm),
            std::to_string(record.vehicleNumber),
            record.isOk() ? "OK" : "",
            record.kindOrUnassigned(),
            record.place,
            record.reason,
            record.category};
}

void dumpText(const CardLists& lists, const RecordReading& reading, std::ostream& out)
{
    for (const NamedList& list : namedLists(lists)) {
        out << list.name << ":\n";
        for (std::size_t i = 0; i < list.entries.size(); ++i)
            out << std::setw(4) << i + 1 << "  " << list.entries[i] << '\n';
    }
    out << "Datensätze:\n    Nr";
    for (const std::string& heading : RecordHeadings)
        out << " | " << heading;
    out << '\n';
    for (std::size_t i = 0; i < reading.records.size(); ++i) {
        out << std::setw(6) << i + 1;
        for (const std::string& field : recordFields(reading.records[i]))
            out << " | " << field;
        out << '\n';
    }
    out << "Gelesene Blöcke: " << reading.blocksConsumed() << '\n';
}

void dumpCsv(const CardLists& lists, const RecordReading& reading, std::ostream& out)
{
    out << "Bereich,Nr";
    for (const std::string& heading : RecordHeadings)
        out << ',' << heading;
    out << '\n';
    for (const NamedList& list : namedLists(lists)) {
        for (std::size_t i = 0; i < list.entries.size(); ++i) {
            RecordFields fields;
            fields[list.textColumn] = list.entries[i];
            writeCsvRow(out, list.name, i + 1, fields);
        }
    }
    for (std::size_t i = 0; i < reading.records.size(); ++i)
        writeCsvRow(out, "Datensatz", i + 1, recordFields(reading.records[i]));
    writeCsvRow(out, "Blöcke", reading.blocksConsumed(), RecordFields{});
}
