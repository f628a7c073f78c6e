// The exports as files: the bail-out drill and the demonstration dive byte for byte against
// their golden files (the samples, the leading handset's cells, the setpoint, the bail-out and
// the named events), every XML export read by xmllint, the UDDF ones against the published
// UDDF 3.2.3 schema (each check skipped, saying why, where xmllint or the schema is missing).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "ExportedSessions.h"
#include "ScratchFolder.h"
#include "export/ExportFormat.h"

namespace loopsim::test {
namespace {

namespace fs = std::filesystem;

TEST(ExportFiles, TheBailOutDrillAndTheDemonstrationAsTheirGoldenFiles) {
    for (const std::string session : {"bail-out-drill", "demo"}) {
        const ExportedDive dive = exportedSession(session);
        for (const char* extension : {".ssrf", ".uddf", ".csv"}) {
            const std::string name = session + "-export" + extension;
            expectMatchesGoldenFile(exportText(dive, exportFormatOf(name).value()), name);
        }
    }
}

// What xmllint says against a file that did not pass; nothing when it passed.
std::optional<std::string> xmllintComplaint(const std::string& arguments, const fs::path& file) {
    const std::string said = file.string() + ".xmllint";
    if (std::system(("xmllint --noout " + arguments + " '" + file.string() + "' 2>'" + said + "'")
                        .c_str()) == 0)
        return std::nullopt;
    return readTestFile(said);
}

TEST(ExportFiles, XmlIsWellFormedAndUddfFollowsItsSchema) {
    if (std::system("xmllint --version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "xmllint is not installed (Debian: libxml2-utils); the XML is not checked";
    const bool haveSchema = fs::is_regular_file(LOOPSIM_UDDF_SCHEMA);
    const ScratchFolder folder;
    for (const std::string session : {"demo", "bail-out-drill"}) {
        for (const std::string extension : {".ssrf", ".uddf"}) {
            const fs::path file = folder / (session + extension);
            ASSERT_FALSE(writeExport(file, exportedSession(session)));
            // Validating against the schema reads the file as XML too.
            const bool validated = extension == ".uddf" && haveSchema;
            EXPECT_EQ(xmllintComplaint(validated ? "--schema '" LOOPSIM_UDDF_SCHEMA "'" : "", file),
                      std::nullopt)
                << file;
        }
    }
    if (!haveSchema)
        GTEST_SKIP() << "the UDDF schema is not at " << LOOPSIM_UDDF_SCHEMA
                     << "; the UDDF exports are not validated";
}

}  // namespace
}  // namespace loopsim::test
