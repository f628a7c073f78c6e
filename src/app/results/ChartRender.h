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

// The results viewer as it opens on a recording, with its Debrief panel when the log is
// beside it: how large, which event is chosen (the first from that second on) and the
// trainee's name typed in.
struct ViewerPicture {
    QSize size{1400, 820};
    std::optional<double> eventFrom;
    QString trainee;
};

// The notes are what the viewer's status line says, and any message it showed.
ChartRenderResult renderResultsViewer(const QString& recordingPath, const QString& imagePath,
                                      const ViewerPicture& picture);

}  // namespace loopsim
