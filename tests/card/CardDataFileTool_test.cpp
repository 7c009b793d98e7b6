#include "CardTool.h"

#include "card/datafile/CardFile.h"
#include "card/datafile/ResetTemplate.h"
#include "support/CardFileBuilder.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <map>
#include <sstream>

using namespace cardfile;

namespace {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun runTool(std::vector<std::string> arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCardTool(arguments, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

std::vector<std::string> csvFields(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ',');)
        fields.push_back(field);
    if (!line.empty() && line.back() == ',')
        fields.emplace_back();
    return fields;
}

bool isOneLine(const std::string& text) { return !text.empty() && text.find('\n') == text.size() - 1; }

} // namespace

class CardDataFileTool : public ::testing::Test {
protected:
    std::string path(const char* name = "daten.txt") const { return dir_.filePath(name).toStdString(); }
    QTemporaryDir dir_;
};

TEST_F(CardDataFileTool, DumpShowsRecordsAsTheImportReadsThem)
{
    CardLists lists;
    lists.places[0] = "Lager Nord";
    CardFileBuilder()
        .lists(lists)
        .record({.startTime = at(2005, 3, 14, 8, 15, 30),
                 .startKm = 45210,
                 .endTime = at(2005, 3, 14, 8, 52, 10),
                 .endKm = 45242,
                 .vehicleNumber = 7,
                 .place = "Lager Nord",
                 .reason = "Lieferung",
                 .category = "Dienstfahrt, innen"})
        .waypoint(at(2005, 3, 14, 9), 45250, 7)
        .freeBlock()
        .write(QString::fromStdString(path()));

    const ToolRun run = runTool({"dump", path(), "--csv"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 1u + 90u + 2u + 1u);
    EXPECT_EQ(out[0], "Bereich,Nr,Startzeit,Start-km,Zielzeit,Ziel-km,KFZ-ID,CF,Art,Ort,Grund,Kategorie");
    EXPECT_EQ(out[1], "Orte,1,,,,,,,,Lager Nord,,");
    EXPECT_EQ(out[31], "Gründe,1,,,,,,,,,,");
    EXPECT_EQ(out[91], "Datensatz,1,14.03.2005 08:15:30,45210,14.03.2005 08:52:10,45242,7,OK,U,Lager Nord,"
                       "Lieferung,\"Dienstfahrt, innen\"");
    EXPECT_EQ(out[92], "Datensatz,2,14.03.2005 09:00:00,45250,,0,7,OK,M,,,");
    EXPECT_EQ(out[93], "Blöcke,2,,,,,,,,,,");

    const ToolRun text = runTool({"dump", path()});
    ASSERT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("     1 | 14.03.2005 08:15:30 | 45210 | 14.03.2005 08:52:10 | 45242 | 7 | OK | U | "
                            "Lager Nord | Lieferung | Dienstfahrt, innen\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("Gelesene Blöcke: 2\n"), std::string::npos);
}

TEST_F(CardDataFileTool, MadeCardHasWhatWasAskedFor)
{
    const ToolRun made = runTool({"make", path(), "--records", "60", "--waypoints", "10", "--continuations", "12",
                                  "--vehicles", "3", "--seed", "42"});
    ASSERT_EQ(made.status, 0) << made.err;
    const RecordReading reading = readRecords(path());
    ASSERT_EQ(reading.blocksConsumed(), 60u);

    const ToolRun dump = runTool({"dump", path(), "--csv"});
    ASSERT_EQ(dump.status, 0) << dump.err;
    std::map<std::string, int> kinds;
    std::map<std::string, int> vehicles;
    std::size_t dumped = 0;
    for (const std::string& line : lines(dump.out)) {
        const std::vector<std::string> fields = csvFields(line);
        if (fields[0] != "Datensatz")
            continue;
        ASSERT_EQ(fields.size(), 12u) << line;
        ++kinds[fields[8]];
        ++vehicles[fields[6]];
        EXPECT_FALSE(fields[2].empty()) << line;
        ++dumped;
    }
    EXPECT_EQ(dumped, 60u);
    EXPECT_EQ(kinds["M"], 10);
    EXPECT_EQ(kinds["F"], 12);
    EXPECT_EQ(vehicles.size(), 3u);
    EXPECT_NE(dump.out.find("\nBlöcke,60,"), std::string::npos);

    // A continuation goes on from where the previous trip of its vehicle stopped.
    const CardRecord* previousTrip = nullptr;
    for (const CardRecord& record : reading.records) {
        if (record.isWaypoint())
            continue;
        if (record.isContinuation()) {
            ASSERT_NE(previousTrip, nullptr);
            EXPECT_EQ(record.vehicleNumber, previousTrip->vehicleNumber);
            EXPECT_EQ(record.startKm, previousTrip->endKm);
            EXPECT_GT(record.startTime, previousTrip->endTime);
        }
        previousTrip = &record;
    }
}

TEST_F(CardDataFileTool, SameSeedSameCard)
{
    ASSERT_EQ(runTool({"make", path("a.txt"), "--records", "30", "--seed", "7"}).status, 0);
    ASSERT_EQ(runTool({"make", path("b.txt"), "--records", "30", "--seed", "7"}).status, 0);
    ASSERT_EQ(runTool({"make", path("c.txt"), "--records", "30", "--seed", "8"}).status, 0);
    EXPECT_EQ(readRecords(path("a.txt")).records, readRecords(path("b.txt")).records);
    EXPECT_NE(readRecords(path("a.txt")).records, readRecords(path("c.txt")).records);
}

TEST_F(CardDataFileTool, TemplateCommandWritesTheResetTemplate)
{
    const ToolRun run = runTool({"template", path()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readAllBytes(dir_.filePath("daten.txt")), resetTemplateBytes());
}

struct BadCall {
    const char* name;
    std::vector<std::string> arguments;
    int status;
};

class CardDataFileToolErrors : public CardDataFileTool, public ::testing::WithParamInterface<BadCall> {};

TEST_P(CardDataFileToolErrors, OneLineAndNonZeroStatus)
{
    CardFileBuilder().rawHeader({'k', 'e', 'i', 'n', 'e'}).write(dir_.filePath("fremd.txt"));
    std::vector<std::string> arguments = GetParam().arguments;
    for (std::string& argument : arguments) {
        if (argument.starts_with("@"))
            argument = path(argument.c_str() + 1);
    }
    const ToolRun run = runTool(arguments);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_TRUE(isOneLine(run.err)) << run.err;
    EXPECT_TRUE(run.err.starts_with("varno-card: ")) << run.err;
    EXPECT_TRUE(run.out.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CardDataFileToolErrors,
    ::testing::Values(BadCall{"NoCommand", {}, 2}, BadCall{"UnknownCommand", {"zeigen", "@daten.txt"}, 2},
                      BadCall{"NoFile", {"dump"}, 2}, BadCall{"TwoFiles", {"dump", "@a.txt", "@b.txt"}, 2},
                      BadCall{"UnknownOption", {"dump", "@fremd.txt", "--xml"}, 2},
                      BadCall{"NotANumber", {"make", "@neu.txt", "--records", "viele"}, 2},
                      BadCall{"MissingValue", {"make", "@neu.txt", "--seed"}, 2},
                      BadCall{"MoreWaypointsThanRecords", {"make", "@neu.txt", "--records", "2", "--waypoints", "3"}, 2},
                      BadCall{"NotADataFile", {"dump", "@fremd.txt"}, 1},
                      BadCall{"MissingFile", {"dump", "@fehlt.txt"}, 1},
                      BadCall{"UnwritablePath", {"template", "@fehlt/daten.txt"}, 1}),
    [](const auto& info) { return std::string(info.param.name); });
