// Draws a recording file's chart into a PNG without showing a window, for scripts and for
// machines without a display.
#pragma once

#include <QSize>
#include <QString>
#include <optional>

namespace loopsim {

inline constexpr QSize kRenderedChartSize{1280, 720};

// Returns why it failed, or nothing when the image was written.
std::optional<QString> renderRecordingChart(const QString& recordingPath, const QString& imagePath,
                                            QSize size = kRenderedChartSize);

}  // namespace loopsim
