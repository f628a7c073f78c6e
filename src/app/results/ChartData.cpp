#include "app/results/ChartData.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/Format.h"

namespace loopsim {
namespace {

std::optional<double> numberIn(const RecordRow& row, RecordColumn column) {
    const RecordValue& value = row[static_cast<std::size_t>(column)];
    if (auto number = std::get_if<double>(&value))
        return std::isfinite(*number) ? std::optional(*number) : std::nullopt;
    if (auto text = std::get_if<std::string>(&value))
        return parseNumber(*text);
    return std::nullopt;
}

QString messageIn(const RecordRow& row) {
    if (auto text = std::get_if<std::string>(&row[kStatusColumn]))
        return QString::fromStdString(*text);
    return {};
}

QString valueText(const RecordRow& row, RecordColumn column) {
    auto number = numberIn(row, column);
    return number ? QString::fromStdString(formatPlain(*number)) : QStringLiteral("-");
}

}  // namespace

ChartSeriesData chartSeriesData(const RecordTable& table, int rows) {
    rows = std::clamp(rows, 0, RecordTable::kLastRow);
    ChartSeriesData data;
    for (auto* series : {&data.realPO2, &data.handsetPO2, &data.setpoint, &data.depth})
        series->reserve(rows);

    QString lastMessage;
    for (int second = 1; second <= rows; ++second) {
        const RecordRow& row = table.row(second);
        const double x = second;
        if (auto value = numberIn(row, kLoopPO2Column)) {
            data.realPO2.append({x, *value});
            data.highestPO2 = std::max(data.highestPO2, *value);
        }
        if (auto value = numberIn(row, kHandsetPO2Column)) {
            data.handsetPO2.append({x, *value});
            data.highestPO2 = std::max(data.highestPO2, *value);
        }
        if (auto value = numberIn(row, kSetpointColumn)) {
            data.setpoint.append({x, *value});
            data.highestPO2 = std::max(data.highestPO2, *value);
        }
        if (auto value = numberIn(row, kDepthColumn)) {
            data.depth.append({x, 0 - *value});
            data.deepest = std::max(data.deepest, *value);
        }
        QString message = messageIn(row);
        if (!message.isEmpty() && message != lastMessage)
            data.events.append({second, message});
        lastMessage = std::move(message);
    }
    return data;
}

QString secondSummary(const RecordTable& table, int second) {
    if (second < 1 || !RecordTable::holdsRow(second))
        return {};
    const RecordRow& row = table.row(second);
    QString summary = QStringLiteral("%1 s").arg(second);
    if (QString message = messageIn(row); !message.isEmpty())
        summary += QStringLiteral(": ") + message;
    summary += QStringLiteral("\nReal PO2 %1   Handset PO2 %2   Setpoint %3   Depth %4 m")
                   .arg(valueText(row, kLoopPO2Column), valueText(row, kHandsetPO2Column),
                        valueText(row, kSetpointColumn), valueText(row, kDepthColumn));
    return summary;
}

}  // namespace loopsim
