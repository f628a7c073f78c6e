#include "debrief/DebriefJson.h"

#include "debrief/ElapsedTime.h"
#include "debrief/EventList.h"
#include "debrief/FailureResponses.h"
#include "debrief/Metrics.h"
#include "files/JsonWriter.h"

namespace loopsim {
namespace {

void optionalTime(JsonWriter& json, std::string_view key, std::optional<Millis> time) {
    json.key(key);
    if (time)
        json.value(static_cast<double>(*time));
    else
        json.null();
}

void writeMetrics(JsonWriter& json, const Debrief& debrief) {
    json.key("metrics").beginArray();
    for (const Metric& metric : debriefMetrics(debrief)) {
        json.beginObject().key("name").value(metric.name).key("label").value(metric.label);
        json.key("value");
        if (metric.value)
            json.value(*metric.value);
        else
            json.null();
        json.key("unit").value(metric.unit).key("grade").value(gradeName(metric.grade));
        json.endObject();
    }
    json.endArray();
}

void writeFailures(JsonWriter& json, const Debrief& debrief) {
    json.key("failures").beginArray();
    for (const FailureOutcome& outcome : debrief.failures) {
        const FailureResponse* row = failureResponse(outcome.option);
        json.beginObject();
        json.key("option").value(outcome.option);
        json.key("name").value(failureName(outcome.option));
        json.key("key").value(row ? row->key : "");
        json.key("expected").value(row ? row->answeredBy : "");
        json.key("in_force_ms").value(static_cast<double>(outcome.inForce));
        optionalTime(json, "responded_ms", outcome.respondedAt);
        json.key("response").value(outcome.response);
        optionalTime(json, "recovered_ms", outcome.recoveredAt);
        json.key("recovery").value(outcome.recovery);
        json.endObject();
    }
    json.endArray();
}

void writeWarnings(JsonWriter& json, const Debrief& debrief) {
    json.key("warnings").beginArray();
    for (const WarningFigures& warning : debrief.warnings) {
        json.beginObject().key("kind").value(warning.kind);
        json.key("raised").value(warning.raised).key("seconds").value(warning.seconds);
        json.key("episodes").beginArray();
        for (const Episode& episode : warning.episodes)
            json.beginArray()
                .value(static_cast<double>(episode.start))
                .value(static_cast<double>(episode.end))
                .endArray();
        json.endArray().endObject();
    }
    json.endArray();
}

void writeEvents(JsonWriter& json, const Timeline& timeline) {
    json.key("events").beginArray();
    for (const TimelineEvent& event : timeline.events) {
        json.beginObject();
        json.key("t").value(static_cast<double>(event.time));
        json.key("at").value(formatElapsed(event.time));
        json.key("kind").value(eventKindName(event.kind));
        json.key("what").value(event.what);
        if (!event.element.empty())
            json.key("element").value(event.element);
        json.endObject();
    }
    json.endArray();
}

void writePassMarks(JsonWriter& json, const ReportMarks& passMarks) {
    json.key("pass_marks").beginObject().key("title").value(passMarks.title);
    json.key("marks").beginArray();
    for (const ReportMark& mark : passMarks.marks) {
        json.beginObject().key("mark").value(mark.mark).key("value").value(mark.value);
        json.key("passed").value(mark.passed).endObject();
    }
    json.endArray().endObject();
}

}  // namespace

std::string debriefJson(const Debrief& debrief, const ReportMarks& passMarks) {
    JsonWriter json;
    json.beginObject();
    json.key("end_ms").value(static_cast<double>(debrief.timeline.end));
    json.key("seconds").value(static_cast<int>(debrief.timeline.seconds.size()));
    writeMetrics(json, debrief);
    if (!passMarks.title.empty())
        writePassMarks(json, passMarks);
    writeFailures(json, debrief);
    writeWarnings(json, debrief);
    writeEvents(json, debrief.timeline);
    json.endObject();
    return json.text() + "\n";
}

}  // namespace loopsim
