#include "app/session/DrillFiles.h"

#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

#include "app/session/AppSettings.h"
#include "drills/DrillParser.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

constexpr const char* kDrillExtension = ".drill";

DrillFile readDrill(const std::filesystem::path& path, const InputRouter& router) {
    const std::string fileName = path.filename().string();
    DrillFileRead read = loadDrillFile(path, fileName, &router);
    return {path, fileName, std::move(read.text), std::move(read.drill), std::move(read.error)};
}

}  // namespace

QString DrillFile::title() const {
    return error ? QString::fromStdString(fileName) : QString::fromStdString(drill.title);
}

std::vector<std::filesystem::path> drillFolders(const std::filesystem::path& programFolder) {
    return {programFolder / "drills", userDrillFolder()};
}

std::filesystem::path userDrillFolder() {
    const QSettings settings(QString::fromLatin1(kSettingsOrganization),
                             QString::fromLatin1(kSettingsApplication));
    QString folder = settings.value(QString::fromLatin1(kDrillFolderSetting)).toString();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                 QStringLiteral("/drills");
    return folder.toStdString();
}

// The start's elements are those of any simulation.
DrillFile readDrillFile(const std::filesystem::path& path) {
    const Simulation elementsOf;
    return readDrill(path, elementsOf.input());
}

std::vector<DrillFile> readDrillFiles(const std::vector<std::filesystem::path>& folders) {
    const Simulation elementsOf;
    std::vector<DrillFile> files;
    for (const std::filesystem::path& folder : folders) {
        std::error_code failed;
        std::vector<std::filesystem::path> paths;
        for (const auto& entry : std::filesystem::directory_iterator(folder, failed)) {
            if (entry.path().extension() == kDrillExtension && !entry.is_directory(failed))
                paths.push_back(entry.path());
        }
        std::sort(paths.begin(), paths.end());
        for (const std::filesystem::path& path : paths)
            files.push_back(readDrill(path, elementsOf.input()));
    }
    return files;
}

}  // namespace loopsim
