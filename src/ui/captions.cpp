// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/captions.h"

#include <QLabel>
#include <QWidget>

namespace ui {

void NameByCaptions(std::initializer_list<Caption> captions)
{
    for (const Caption& caption : captions) {
        if (caption.heading == nullptr && caption.label->buddy() == nullptr) {
            caption.label->setBuddy(caption.box);
        } else {
            caption.box->setAccessibleName(caption.heading == nullptr
                                               ? caption.label->text()
                                               : caption.heading->text() + QLatin1Char(' ') +
                                                     caption.label->text());
        }
    }
}

void ShowUnitCaptions(calc::UnitSystem units, std::initializer_list<UnitCaption> captions)
{
    const bool imperial = units == calc::UnitSystem::Imperial;
    for (const UnitCaption& caption : captions)
        caption.label->setText(QString::fromUtf8(imperial ? caption.imperial : caption.metric));
}

UnitCaption PoolSizeCaption(QLabel* label)
{
    return {label, "Pool Size (Gal.)", "Pool Size (L)"};
}

void ShowBoxTips(calc::UnitSystem units, const std::vector<BoxTip>& tips)
{
    const bool imperial = units == calc::UnitSystem::Imperial;
    for (const BoxTip& tip : tips) {
        const QString words =
            QString::fromUtf8(imperial || tip.metric == nullptr ? tip.imperial : tip.metric);
        tip.box->setToolTip(words);
        tip.box->setAccessibleDescription(words);
    }
}

BoxTip PoolSizeTip(QWidget* box)
{
    return {box, "The volume of water in the pool, in US gallons.",
            "The volume of water in the pool, in litres."};
}

} // namespace ui
