#include "CardTool.h"

#include "CardDump.h"
#include "SyntheticCard.h"

#include "card/datafile/CardFile.h"
#include "card/datafile/CardFileError.h"
#include "card/datafile/ResetTemplate.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <limits>
#include <map>
#include <stdexcept>

using namespace cardfile;

namespace {

constexpr int Done = 0;
constexpr int FileFailed = 1;
constexpr int BadArguments = 2;

const char* const Usage =
    "Aufruf:\n"
    "  varno-card dump DATEI [--csv]\n"
    "      Listen und Datensätze einer Datendatei so, wie das Einlesen sie liest.\n"
    "  varno-card make DATEI [--records N] [--waypoints N] [--continuations N] [--vehicles N] [--seed N]\n"
    "      schreibt eine gültige Datendatei mit erfundenen Fahrten und Merkpunkten.\n"
    "  varno-card template DATEI\n"
    "      schreibt die Vorlage einer zurückgesetzten Karte (varno-cf.dat).\n";

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The command's file and its options; every option takes a value except the flags.
struct Command {
    std::string file;
    std::map<std::string, std::string> options;
    bool csv = false;
};

Command parseCommand(std::span<const std::string> arguments, std::span<const std::string_view> valueOptions,
                     bool acceptsCsv)
{
    Command command;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool isValueOption =
            std::find(valueOptions.begin(), valueOptions.end(), argument) != valueOptions.end();
        if (acceptsCsv && argument == "--csv") {
            command.csv = true;
        } else if (isValueOption) {
            if (i + 1 == arguments.size())
                throw UsageError("zu " + argument + " fehlt der Wert");
            command.options[argument] = arguments[++i];
        } else if (argument.starts_with("--") || !command.file.empty()) {
            throw UsageError("unbekanntes Argument „" + argument + "“");
        } else {
            command.file = argument;
        }
    }
    if (command.file.empty())
        throw UsageError("die Datei fehlt");
    return command;
}

std::size_t numberOption(const Command& command, const std::string& name, std::size_t fallback)
{
    const auto found = command.options.find(name);
    if (found == command.options.end())
        return fallback;
    const std::string& text = found->second;
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        throw UsageError("ungültige Zahl für " + name + ": „" + text + "“");
    return value;
}

int dump(std::span<const std::string> arguments, std::ostream& out)
{
    const Command command = parseCommand(arguments, {}, true);
    switch (checkIdentity(command.file)) {
    case FileIdentity::Unreadable:
        throw CardFileError(fileMessage(command.file, "konnte nicht gelesen werden."));
    case FileIdentity::NotDataFile:
        throw CardFileError(fileMessage(command.file, "ist keine Varno Datendatei."));
    case FileIdentity::DataFile:
        break;
    }
    const CardLists lists = readCardLists(command.file);
    const RecordReading reading = readRecords(command.file);
    if (command.csv)
        dumpCsv(lists, reading, out);
    else
        dumpText(lists, reading, out);
    return Done;
}

int make(std::span<const std::string> arguments, std::ostream& out)
{
    constexpr std::string_view Options[] = {"--records", "--waypoints", "--continuations", "--vehicles", "--seed"};
    const Command command = parseCommand(arguments, Options, false);
    SyntheticCardOptions options;
    options.records = numberOption(command, "--records", options.records);
    options.waypoints = numberOption(command, "--waypoints", options.waypoints);
    options.continuations = numberOption(command, "--continuations", options.continuations);
    options.vehicles = numberOption(command, "--vehicles", options.vehicles);
    const std::size_t seed = numberOption(command, "--seed", options.seed);
    if (seed > std::numeric_limits<std::uint32_t>::max())
        throw UsageError("der Startwert --seed ist zu groß");
    options.seed = static_cast<std::uint32_t>(seed);
    SyntheticCard card;
    try {
        card = makeSyntheticCard(options);
    } catch (const std::invalid_argument& error) {
        throw UsageError(error.what());
    }
    writeCardFile(command.file, card);
    out << command.file << ": " << card.records.size() << " Datensätze geschrieben\n";
    return Done;
}

int writeTemplate(std::span<const std::string> arguments, std::ostream&)
{
    const Command command = parseCommand(arguments, {}, false);
    writeResetTemplate(command.file);
    return Done;
}

using Handler = std::function<int(std::span<const std::string>, std::ostream&)>;

const std::map<std::string, Handler, std::less<>>& commands()
{
    static const std::map<std::string, Handler, std::less<>> handlers = {
        {"dump", dump}, {"make", make}, {"template", writeTemplate}};
    return handlers;
}

} // namespace

int runCardTool(std::span<const std::string> arguments, std::ostream& out, std::ostream& err)
{
    try {
        if (arguments.empty())
            throw UsageError("Befehl fehlt (dump, make oder template)");
        if (arguments[0] == "--help" || arguments[0] == "-h") {
            out << Usage;
            return Done;
        }
        const auto handler = commands().find(arguments[0]);
        if (handler == commands().end())
            throw UsageError("unbekannter Befehl „" + arguments[0] + "“");
        return handler->second(arguments.subspan(1), out);
    } catch (const UsageError& error) {
        err << "varno-card: " << error.what() << " (Hilfe: varno-card --help)\n";
        return BadArguments;
    } catch (const CardFileError& error) {
        err << "varno-card: " << error.what() << '\n';
        return FileFailed;
    }
}
