#include "headless/RunExport.h"

#include "debrief/Debrief.h"
#include "export/DiveFromSession.h"
#include "export/ExportFormat.h"
#include "headless/Runner.h"

namespace loopsim {

int writeRunExport(const std::filesystem::path& path, const Debrief& debrief,
                   const CalendarTime& started, std::ostream& err) {
    const ExportedDive dive = diveFromSession(debrief, started);
    if (auto error = writeExport(path, dive)) {
        err << "loopsim-run: " << *error << "\n";
        return kRunWriteFailed;
    }
    return kRunPlayed;
}

}  // namespace loopsim
