// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/samplereadings.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Built in as a resource, so that the snapshot tool finds it under Wine too.
const QJsonObject& File()
{
    static const QJsonObject file = [] {
        QFile json(QStringLiteral(":/sample-readings.json"));
        if (!json.open(QIODevice::ReadOnly))
            qFatal("sample-readings.json is not built in");
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(json.readAll(), &error);
        if (!document.isObject())
            qFatal("sample-readings.json: %s", qPrintable(error.errorString()));
        return document.object();
    }();
    return file;
}

// The pairs of a JSON object, sorted by box name (QJsonObject sorts them); no reader needs the
// file's order.
Sample::Texts Texts(const QJsonObject& object)
{
    Sample::Texts texts;
    for (auto it = object.begin(); it != object.end(); ++it)
        texts.append({it.key().toLatin1(), it.value().toString()});
    return texts;
}

} // namespace

std::optional<std::vector<Sample>> SamplesOf(const char* shortName)
{
    const QJsonValue window = File().value(QLatin1String(shortName));
    if (!window.isArray())
        return std::nullopt;
    std::vector<Sample> samples;
    for (const QJsonValue& each : window.toArray()) {
        const QJsonObject sample = each.toObject();
        samples.push_back({sample.value(QLatin1String("button")).toString().toLatin1(),
                           Texts(sample.value(QLatin1String("readings")).toObject()),
                           Texts(sample.value(QLatin1String("Imperial")).toObject()),
                           Texts(sample.value(QLatin1String("Metric")).toObject())});
    }
    return samples;
}
