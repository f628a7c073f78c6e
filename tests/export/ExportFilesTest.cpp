// The exports as files: the bail-out drill and the demonstration dive byte for byte against
// their golden files (the samples, the leading handset's cells, the setpoint, the bail-out and
// the named events), every XML export read by xmllint, the UDDF ones against the published
// UDDF 3.2.3 schema (each check skipped, saying why, where xmllint or the schema is missing).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
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

bool haveXmllint() {
    return std::system("xmllint --version >/dev/null 2>&1") == 0;
}

// What xmllint says against a file that did not pass; nothing when it passed.
std::optional<std::string> xmllintComplaint(const std::string& arguments, const fs::path& file) {
    const std::string command = "xmllint --noout " + arguments + " '" + file.string() + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return "xmllint could not be started";
    std::string said;
    std::array<char, 4096> chunk;
    for (std::size_t read; (read = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0;)
        said.append(chunk.data(), read);
    if (pclose(pipe) == 0)
        return std::nullopt;
    return said;
}

struct XmlCase {
    const char* session;
    const char* extension;
};

class ExportedXml : public ::testing::TestWithParam<XmlCase> {};

TEST_P(ExportedXml, IsWellFormedAndUddfFollowsItsSchema) {
    if (!haveXmllint())
        GTEST_SKIP() << "xmllint is not installed (Debian: libxml2-utils); the XML is not checked";
    const ScratchFolder folder;
    const fs::path file = folder / (std::string(GetParam().session) + GetParam().extension);
    ASSERT_FALSE(writeExport(file, exportedSession(GetParam().session)));
    EXPECT_EQ(xmllintComplaint("", file), std::nullopt);

    if (std::string(GetParam().extension) != ".uddf")
        return;
    if (!fs::is_regular_file(LOOPSIM_UDDF_SCHEMA))
        GTEST_SKIP() << "the UDDF schema is not at " << LOOPSIM_UDDF_SCHEMA
                     << "; the UDDF export is not validated";
    EXPECT_EQ(xmllintComplaint("--schema '" LOOPSIM_UDDF_SCHEMA "'", file), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Sessions, ExportedXml,
                         ::testing::Values(XmlCase{"demo", ".ssrf"}, XmlCase{"demo", ".uddf"},
                                           XmlCase{"bail-out-drill", ".ssrf"},
                                           XmlCase{"bail-out-drill", ".uddf"}),
                         [](const ::testing::TestParamInfo<XmlCase>& info) {
                             std::string name = info.param.session;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name + "_" + (info.param.extension + 1);
                         });

}  // namespace
}  // namespace loopsim::test
