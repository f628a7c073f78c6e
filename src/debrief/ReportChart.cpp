#include "debrief/ReportChart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>

#include "core/Format.h"
#include "debrief/ChartScale.h"
#include "debrief/ElapsedTime.h"
#include "debrief/Markup.h"

namespace loopsim {
namespace {

constexpr const char* kTruePO2Colour = "#1f5fbf";
constexpr const char* kHandsetColour = "#e08010";
constexpr const char* kSetpointColour = "#209040";
constexpr const char* kDepthColour = "#606060";
constexpr const char* kTraineeColour = "#1f5fbf";
constexpr const char* kFailureColour = "#c02020";
constexpr const char* kWarningColour = "#e0a000";
constexpr int kLeft = 56;
constexpr int kRight = 56;
constexpr int kTop = 44;  // the marker strip lies above the plot
constexpr int kBottom = 28;

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

class ChartCanvas {
  public:
    ChartCanvas(int width, int height, Millis end, const VerticalScales& scales)
        : width_(width), height_(height), end_(std::max<Millis>(end, 1000)), scales_(scales) {}

    double x(Millis time) const {
        return kLeft +
               (width_ - kLeft - kRight) * static_cast<double>(time) / static_cast<double>(end_);
    }
    double yPO2(double bar) const {
        return yOf(std::clamp(bar, 0.0, scales_.po2Top) / scales_.po2Top);
    }
    double yDepth(double metres) const {
        return yOf(1 - std::clamp(metres, 0.0, scales_.depthBottom) / scales_.depthBottom);
    }
    double plotTop() const { return kTop; }
    double plotBottom() const { return height_ - kBottom; }

    std::string svg;

  private:
    double yOf(double share) const { return kTop + (height_ - kTop - kBottom) * (1 - share); }

    int width_;
    int height_;
    Millis end_;
    VerticalScales scales_;
};

// One polyline per run of samples that have a value, at most about one point a pixel
// column: each column keeps its lowest and highest value.
void addLine(ChartCanvas& c, const std::vector<SecondSample>& seconds,
             const std::function<std::optional<double>(const SecondSample&)>& valueOf,
             const std::function<double(double)>& y, const char* colour, const char* dash) {
    std::string points;
    auto flush = [&] {
        if (!points.empty())
            c.svg += std::string("<polyline fill=\"none\" stroke=\"") + colour +
                     "\" stroke-width=\"1.5\"" + dash + " points=\"" + points + "\"/>\n";
        points.clear();
    };
    int column = -1;
    double low = 0, high = 0;
    double lastX = 0;
    auto emit = [&] {
        if (column < 0)
            return;
        points += number(lastX) + "," + number(y(low)) + " ";
        if (high != low)
            points += number(lastX) + "," + number(y(high)) + " ";
    };
    for (const SecondSample& s : seconds) {
        const std::optional<double> value = valueOf(s);
        if (!value || !std::isfinite(*value)) {
            emit();
            column = -1;
            flush();
            continue;
        }
        const double x = c.x(s.time);
        if (static_cast<int>(x) != column) {
            emit();
            column = static_cast<int>(x);
            low = high = *value;
            lastX = x;
        } else {
            low = std::min(low, *value);
            high = std::max(high, *value);
        }
    }
    emit();
    flush();
}

void addBands(ChartCanvas& c, const std::vector<Episode>& episodes, const char* colour) {
    for (const Episode& e : episodes) {
        const double from = c.x(e.start - 1000);
        c.svg += "<rect x=\"" + number(from) + "\" y=\"" + number(c.plotTop()) + "\" width=\"" +
                 number(std::max(1.0, c.x(e.end) - from)) + "\" height=\"" +
                 number(c.plotBottom() - c.plotTop()) + "\" fill=\"" + colour +
                 "\" fill-opacity=\"0.15\"/>\n";
    }
}

void addMarkers(ChartCanvas& c, const Debrief& d) {
    for (const TimelineEvent& e : d.timeline.events) {
        const double x = c.x(e.time);
        if (e.kind == EventKind::Trainee)
            c.svg += "<path d=\"M" + number(x) + ",8 l4,7 h-8 z\" fill=\"" + kTraineeColour +
                     "\"><title>" + formatElapsed(e.time) + " " + escapeMarkup(e.what) +
                     "</title></path>\n";
        else if (e.kind == EventKind::Failure || e.kind == EventKind::Cleared)
            c.svg += "<path d=\"M" + number(x) + ",17 l5,5 l-5,5 l-5,-5 z\" fill=\"" +
                     (e.kind == EventKind::Failure ? kFailureColour : "white") + "\" stroke=\"" +
                     kFailureColour + "\"><title>" + formatElapsed(e.time) + " " +
                     escapeMarkup(e.what) + "</title></path>\n";
    }
    for (const WarningFigures& w : d.warnings) {
        for (const Episode& e : w.episodes) {
            const double from = c.x(e.start - 1000);
            c.svg += "<rect x=\"" + number(from) + "\" y=\"32\" width=\"" +
                     number(std::max(2.0, c.x(e.end) - from)) + "\" height=\"6\" fill=\"" +
                     kWarningColour + "\"><title>" + formatElapsed(e.start) + " " +
                     escapeMarkup(w.kind) + "</title></rect>\n";
        }
    }
}

void addAxes(ChartCanvas& c, int width, const VerticalScales& scales, const AxisScale& time) {
    const std::string grid = "stroke=\"#ddd\" stroke-width=\"1\"";
    for (int tick = 0; tick <= scales.intervals; ++tick) {
        const double bar = tick * scales.po2Step();
        const std::string y = number(c.yPO2(bar));
        c.svg += "<line x1=\"" + std::to_string(kLeft) + "\" x2=\"" +
                 std::to_string(width - kRight) + "\" y1=\"" + y + "\" y2=\"" + y + "\" " + grid +
                 "/><text x=\"" + std::to_string(kLeft - 6) + "\" y=\"" + y +
                 "\" text-anchor=\"end\" dy=\"4\">" + formatFixed(bar, 1) + "</text>\n";
    }
    for (int tick = 0; tick <= scales.intervals; ++tick) {
        const double metres = tick * scales.depthStep();
        c.svg += "<text x=\"" + std::to_string(width - kRight + 6) + "\" y=\"" +
                 number(c.yDepth(metres)) + "\" dy=\"4\" fill=\"" + kDepthColour + "\">" +
                 formatFixed(metres, 0) + " m</text>\n";
    }
    for (double seconds : time.ticks)
        c.svg += "<text x=\"" + number(c.x(static_cast<Millis>(seconds * 1000))) + "\" y=\"" +
                 number(c.plotBottom() + 18) + "\" text-anchor=\"middle\">" +
                 formatElapsed(static_cast<Millis>(seconds * 1000)) + "</text>\n";
    c.svg += "<text x=\"8\" y=\"" + number(c.plotTop() - 4) + "\">bar</text>\n";
}

}  // namespace

std::string debriefChartSvg(const Debrief& d, int width, int height) {
    double highest = 0, deepest = 0;
    for (const SecondSample& s : d.timeline.seconds) {
        highest = std::max({highest, s.loopPO2, s.setpoint, s.handsetPO2.value_or(0)});
        deepest = std::max(deepest, static_cast<double>(s.depth));
    }
    const VerticalScales scales = verticalScales(highest, deepest);
    const AxisScale time = timeScale(d.timeline.end);
    ChartCanvas c(width, height, d.timeline.end, scales);
    c.svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(width) +
            "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " + std::to_string(width) +
            " " + std::to_string(height) + "\" font-family=\"sans-serif\" font-size=\"11\">\n";
    addBands(c, d.exposure.low, kFailureColour);
    addBands(c, d.exposure.high, kWarningColour);
    addAxes(c, width, scales, time);
    auto yPO2 = [&c](double bar) { return c.yPO2(bar); };
    addLine(
        c, d.timeline.seconds, [](const SecondSample& s) { return std::optional(double(s.depth)); },
        [&c](double metres) { return c.yDepth(metres); }, kDepthColour, "");
    addLine(
        c, d.timeline.seconds, [](const SecondSample& s) { return std::optional(s.setpoint); },
        yPO2, kSetpointColour, " stroke-dasharray=\"6 3\"");
    addLine(
        c, d.timeline.seconds, [](const SecondSample& s) { return s.handsetPO2; }, yPO2,
        kHandsetColour, "");
    addLine(
        c, d.timeline.seconds, [](const SecondSample& s) { return std::optional(s.loopPO2); }, yPO2,
        kTruePO2Colour, "");
    addMarkers(c, d);
    c.svg += "</svg>\n";
    return c.svg;
}

}  // namespace loopsim
