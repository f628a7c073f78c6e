// Draws a recording file's chart into a PNG without showing a window, for scripts and for
// machines without a display, with the debrief when its session log is beside it, and says
// what was odd about the recording, as the results viewer's status line does.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace loopsim {

inline constexpr QSize kRenderedChartSize{1280, 720};

struct ChartRenderResult {
    std::optional<QString> error;  // why no image was written
    QStringList notes;             // what was odd about the recording drawn
};

ChartRenderResult renderRecordingChart(const QString& recordingPath, const QString& imagePath,
                                       QSize size = kRenderedChartSize);

}  // namespace loopsim
