// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labelcheck.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QTextLayout>
#include <QWidget>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

// Darker than this in any channel counts as ink, on white.
constexpr int kInk = 160;

bool InkBetween(const QImage& image, int left, int right)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = std::max(left, 0); x < std::min(right, image.width()); ++x) {
            if (qRed(line[x]) < kInk || qGreen(line[x]) < kInk || qBlue(line[x]) < kInk)
                return true;
        }
    }
    return false;
}

} // namespace

QString LettersWithoutInk(const QFont& font, const QString& text, qreal devicePixelRatio)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid())
        return {};
    const int margin = 4;
    QImage image(qCeil((line.naturalTextWidth() + 2 * margin) * devicePixelRatio),
                 qCeil((line.height() + 2 * margin) * devicePixelRatio), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setPen(Qt::black);
        layout.draw(&painter, QPointF(margin, margin));
    }
    QString missing;
    for (int at = 0; at < text.size(); ++at) {
        if (text.at(at).isSpace())
            continue;
        // The letter's cell, without the outermost pixel of each side, where a neighbour's
        // edge may reach.
        int left = qFloor((margin + line.cursorToX(at)) * devicePixelRatio);
        int right = qCeil((margin + line.cursorToX(at + 1)) * devicePixelRatio);
        if (right - left >= 3) {
            ++left;
            --right;
        }
        if (!InkBetween(image, left, right))
            missing += text.at(at);
    }
    return missing;
}

QStringList LabelFaults(const QWidget* window)
{
    QStringList faults;
    for (const QLabel* label : window->findChildren<const QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        const QRect box = label->contentsRect();
        const int flags =
            static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, box.width(), 10000),
                                                               flags, label->text());
        if (needed.height() > box.height() || needed.width() > box.width())
            faults << QStringLiteral("%1 needs %2x%3 in %4x%5")
                          .arg(label->objectName())
                          .arg(needed.width())
                          .arg(needed.height())
                          .arg(box.width())
                          .arg(box.height());
        const QString missing =
            LettersWithoutInk(label->font(), label->text(), label->devicePixelRatioF());
        if (!missing.isEmpty())
            faults
                << QStringLiteral("%1 draws no ink for \"%2\"").arg(label->objectName(), missing);
        const QFontInfo drawn(label->font());
        if (drawn.family() != label->font().family())
            faults << QStringLiteral("%1 asks for %2 and is drawn in %3")
                          .arg(label->objectName(), label->font().family(), drawn.family());
    }
    // A button's caption stands on one line, beside an option button's indicator.
    for (const QAbstractButton* button : window->findChildren<const QAbstractButton*>()) {
        QString text = button->text();
        text.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(QLatin1Char('&'));
        text.replace(QLatin1String("\x01"), QLatin1String("&"));
        const QStyle* style = button->style();
        const int room = qobject_cast<const QRadioButton*>(button) != nullptr
                             ? button->width() -
                                   style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
                                   style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing)
                             : button->width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
        const int needed = button->fontMetrics().horizontalAdvance(text);
        if (needed > room)
            faults << QStringLiteral("%1 needs %2 in %3")
                          .arg(button->objectName())
                          .arg(needed)
                          .arg(room);
    }
    return faults;
}
