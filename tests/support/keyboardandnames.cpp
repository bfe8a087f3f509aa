// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/keyboardandnames.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace keys {
namespace {

const QJsonObject& File()
{
    static const QJsonObject file = [] {
        QFile json(QStringLiteral(":/keyboard-and-names.json"));
        if (!json.open(QIODevice::ReadOnly))
            qFatal("keyboard-and-names.json is not built in");
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(json.readAll(), &error);
        if (!document.isObject())
            qFatal("keyboard-and-names.json: %s", qPrintable(error.errorString()));
        return document.object();
    }();
    return file;
}

WindowKind KindOf(const QJsonValue& shortName)
{
    for (const WindowRow& window : Windows())
        if (shortName.toString() == QLatin1String(window.shortName))
            return window.kind;
    qFatal("keyboard-and-names.json: no window is called %s", qPrintable(shortName.toString()));
}

QStringList Strings(const QJsonValue& list)
{
    QStringList strings;
    for (const QJsonValue& each : list.toArray())
        strings << each.toString();
    return strings;
}

QJsonArray Rows(const char* table)
{
    return File().value(QLatin1String(table)).toArray();
}

std::vector<Words> WordsOf(const char* table)
{
    std::vector<Words> words;
    for (const QJsonValue& each : Rows(table)) {
        const QJsonObject row = each.toObject();
        words.push_back({row.value(QLatin1String("tag")).toString().toUtf8(),
                         KindOf(row.value(QLatin1String("window"))),
                         row.value(QLatin1String("box")).toString(),
                         row.value(QLatin1String("Imperial")).toString(),
                         row.value(QLatin1String("Metric")).toString()});
    }
    return words;
}

} // namespace

std::vector<TabOrder> TabOrders()
{
    std::vector<TabOrder> orders;
    const QJsonObject table = File().value(QLatin1String("tabOrder")).toObject();
    for (auto it = table.begin(); it != table.end(); ++it)
        orders.push_back({KindOf(it.key()), Strings(it.value())});
    return orders;
}

std::vector<EnterBoxes> Enter()
{
    std::vector<EnterBoxes> rows;
    const QJsonObject table = File().value(QLatin1String("enter")).toObject();
    for (auto it = table.begin(); it != table.end(); ++it) {
        const QJsonArray buttons = it.value().toArray();
        if (buttons.isEmpty())
            rows.push_back({KindOf(it.key()), {}, {}});
        for (const QJsonValue& each : buttons)
            rows.push_back({KindOf(it.key()), each[QLatin1String("button")].toString(),
                            Strings(each[QLatin1String("boxes")])});
    }
    return rows;
}

std::vector<Refusal> Refusals()
{
    std::vector<Refusal> refusals;
    for (const QJsonValue& each : Rows("refused")) {
        const QJsonObject row = each.toObject();
        refusals.push_back({row.value(QLatin1String("tag")).toString().toUtf8(),
                            KindOf(row.value(QLatin1String("window"))),
                            row.value(QLatin1String("button")).toString(),
                            row.value(QLatin1String("boxes")).toObject(),
                            row.value(QLatin1String("empty")).toString()});
    }
    return refusals;
}

std::vector<Words> Names()
{
    return WordsOf("names");
}

std::vector<Words> Descriptions()
{
    return WordsOf("descriptions");
}

std::vector<ButtonName> Buttons()
{
    std::vector<ButtonName> buttons;
    for (const QJsonValue& each : Rows("buttons")) {
        const QJsonObject row = each.toObject();
        buttons.push_back({row.value(QLatin1String("tag")).toString().toUtf8(),
                           KindOf(row.value(QLatin1String("window"))),
                           row.value(QLatin1String("button")).toString(),
                           row.value(QLatin1String("name")).toString()});
    }
    return buttons;
}

QStringList MenuEntries()
{
    return Strings(File().value(QLatin1String("menu"))[QLatin1String("entries")]);
}

QStringList SwitchedOff()
{
    return Strings(File().value(QLatin1String("menu"))[QLatin1String("switchedOff")]);
}

} // namespace keys
