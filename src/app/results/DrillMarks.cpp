#include "app/results/DrillMarks.h"

#include "app/session/DrillFiles.h"
#include "drills/DrillNote.h"

namespace loopsim {

std::optional<DrillMarks> drillMarksOfLog(std::string_view logText,
                                          const std::vector<Metric>& metrics,
                                          const std::vector<std::filesystem::path>& folders) {
    const auto noted = drillNotedInLog(logText);
    if (!noted)
        return std::nullopt;
    DrillMarks marks{QString::fromStdString(noted->fileName), {}, {}, {}};
    // The log names a file, never a path: only the drill folders are looked in.
    const std::filesystem::path name = std::filesystem::path(noted->fileName).filename();
    bool found = false;
    for (const std::filesystem::path& folder : folders) {
        std::error_code failed;
        if (name.empty() || !std::filesystem::is_regular_file(folder / name, failed))
            continue;
        found = true;
        const DrillFile file = readDrillFile(folder / name);
        if (drillContentHash(file.text) != noted->hash)
            continue;
        if (file.error) {
            marks.note = QStringLiteral("No pass marks: the drill file %1 cannot be read: %2.")
                             .arg(marks.fileName, QString::fromStdString(*file.error));
            return marks;
        }
        marks.title = QString::fromStdString(file.drill.title);
        marks.results = judgePassMarks(file.drill.marks, metrics);
        return marks;
    }
    marks.note = found ? QStringLiteral(
                             "No pass marks: the drill file %1 has changed since this session "
                             "(its content is no longer %2).")
                             .arg(marks.fileName, QString::fromStdString(noted->hash))
                       : QStringLiteral(
                             "No pass marks: the drill file %1 of this session is not in the "
                             "drill folders.")
                             .arg(marks.fileName);
    return marks;
}

// The debrief is worked out on a thread of its own: the program's folder is read from the
// process, not from the application object, which belongs to the window's thread.
std::vector<std::filesystem::path> programDrillFolders() {
    std::error_code failed;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failed);
    return drillFolders(failed ? std::filesystem::path(".") : program.parent_path());
}

}  // namespace loopsim
