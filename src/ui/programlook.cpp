// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/programlook.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QIcon>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <QToolTip>

namespace ui {

namespace {

constexpr char kReferenceFont[] = "MS Sans Serif";
// Wine's reference font is drawn for the small sizes only. Headings take its scalable successor
// or, failing that, the closest font at hand, in this order.
constexpr const char* kScalableFonts[] = {"Microsoft Sans Serif", "Tahoma", "Liberation Sans",
                                          "Arimo", "DejaVu Sans"};
// The Windows program carries the font; elsewhere it is Wine's, installed with fonts-wine.
constexpr const char* kReferenceFontFiles[] = {":/fonts/ms_sans_serif.ttf",
                                               "/usr/share/wine/fonts/ms_sans_serif.ttf",
                                               "/usr/local/share/wine/fonts/ms_sans_serif.ttf"};
// A line the reference font sets in kSampleWidth pixels at 8.25 pt.
constexpr char kWidthSample[] = "The quick brown fox jumps over the lazy dog. "
                                "PACK MY BOX WITH FIVE DOZEN LIQUOR JUGS 0123456789 (%)";
constexpr qreal kSampleWidth = 543;
// Text set larger than captions is drawn unhinted.
constexpr qreal kLargestHintedPoints = 8.25;

// The first scalable font this machine has, asked for by its own name. A family given with
// substitutes makes Qt ask fontconfig for the fallbacks of every font it loads, and looking
// up the missing ones costs as much again: together a tenth of the work of starting.
QString ScalableFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* name : kScalableFonts) {
            if (installed.contains(QLatin1String(name), Qt::CaseInsensitive))
                return QString::fromLatin1(name);
        }
        return QStringLiteral("Sans Serif");
    }();
    return family;
}

// Black on the box's own background in every state, as the desktop's palette may pair a dark
// background with light text (and a warning speaks of "white boxes").
void Paint(QWidget* box, const QColor& background)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
}

QString TextOf(const QWidget* box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(box))
        return plain->toPlainText();
    return {};
}

bool ShowsWhole(const QWidget* box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(box)) {
        QStyleOptionFrame option;
        option.initFrom(line);
        option.rect = line->contentsRect();
        option.lineWidth =
            line->hasFrame()
                ? line->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, line)
                : 0;
        const QRect room =
            line->style()->subElementRect(QStyle::SE_LineEditContents, &option, line) -
            line->textMargins();
        // The line box keeps two pixels free at either end, and one for the cursor.
        return line->fontMetrics().horizontalAdvance(line->text()) <= room.width() - 5;
    }
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(box))
        return plain->verticalScrollBar()->maximum() == 0;
    return true;
}

// text broken into lines of about columns characters, between words.
QString Wrapped(const QString& text, qsizetype columns)
{
    QStringList lines;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && lines.last().size() + 1 + word.size() <= columns)
            lines.last() += QLatin1Char(' ') + word;
        else
            lines << word;
    }
    return lines.join(QLatin1Char('\n'));
}

// A box's tooltip: the whole text where the box is too narrow for it, then what the box
// holds, in lines of a readable length (a tooltip of rich text would wrap much narrower).
class BoxTips : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        auto* box = static_cast<QWidget*>(watched);
        // A multi-line box hears of the mouse through its viewport.
        if (auto* area = qobject_cast<QAbstractScrollArea*>(box->parentWidget());
            area != nullptr && area->viewport() == box)
            box = area;
        constexpr qsizetype kColumns = 56;
        QStringList parts;
        if (!ShowsWhole(box))
            parts << TextOf(box);
        if (!box->toolTip().isEmpty())
            parts << Wrapped(box->toolTip(), kColumns);
        if (parts.isEmpty())
            return false;
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                           parts.join(QLatin1Char('\n')), box);
        return true;
    }
};

} // namespace

void ChooseTextRenderer()
{
#ifdef Q_OS_WIN
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#endif
}

void ApplyProgramLook()
{
    // The layout is measured in the reference font. Wine's font of that name shares its
    // metrics, so every caption wraps as laid out. It is made of bitmaps for ordinary screens,
    // which a high-density screen draws garbled; there a close font stands in.
    bool referenceLoaded = false;
    if (qGuiApp->devicePixelRatio() <= 1) {
        for (const char* path : kReferenceFontFiles) {
            if (QFile::exists(QString::fromLatin1(path))) {
                referenceLoaded = QFontDatabase::addApplicationFont(QString::fromLatin1(path)) >= 0;
                break;
            }
        }
    }
    QFont font(referenceLoaded ? QString::fromLatin1(kReferenceFont) : ScalableFamily());
    font.setPointSizeF(8.25);
    // The close fonts run wider, which would push captions out of their boxes: a stand-in is
    // made smaller until it sets a line no wider than the reference font does.
    const QString sample = QString::fromLatin1(kWidthSample);
    while (!referenceLoaded && font.pointSizeF() > 6 &&
           QFontMetricsF(font).horizontalAdvance(sample) > kSampleWidth)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    // The style first: setting one gives every widget class the desktop's font again.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setFont(font);
    // Windows gives the menu and the message box fonts of their own (its menu and message
    // fonts), which would set them apart from the windows; here they look as everywhere else.
    for (const char* widgetClass : {"QMenuBar", "QMenu", "QMessageBoxLabel"})
        QApplication::setFont(font, widgetClass);
}

void SetUpWindow(QWidget* window, bool withIcon)
{
    window->setFixedSize(window->size());
    if (withIcon)
        window->setWindowIcon(PoolIcon());
    SetUpBoxes(window);
}

void SetUpBoxes(QWidget* window)
{
    auto* tips = new BoxTips(window);
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        Paint(box, Qt::white);
        box->installEventFilter(tips);
    }
    for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>()) {
        Paint(box, Qt::white);
        box->installEventFilter(tips);
        box->viewport()->installEventFilter(tips);
    }
}

QIcon PoolIcon()
{
    // Where pixels are dense, every size drawn, so that the 32-pixel picture is never enlarged.
    // Qt decodes each file as it is added, which made the other sizes most of the cost of
    // starting; an ordinary screen shows the 32-pixel one. The icon is made once and shared
    // until the application ends.
    static QIcon icon;
    if (icon.isNull()) {
        icon.addFile(QStringLiteral(":/icons/poolwright.png"), QSize(32, 32));
        if (qGuiApp->devicePixelRatio() > 1) {
            for (const int size : {16, 48, 64, 128, 256})
                icon.addFile(QStringLiteral(":/icons/poolwright-%1.png").arg(size),
                             QSize(size, size));
        }
        qAddPostRoutine([] { icon = QIcon(); });
    }
    return icon;
}

void SetHeadingFont(QWidget* widget, qreal points, Slant slant)
{
    QFont font(ScalableFamily());
    font.setPointSizeF(points);
    font.setBold(true);
    font.setItalic(slant == Slant::Italic);
    // Hinting fits a glyph to the pixel grid, which small captions need and headings do not;
    // the hinter's first look at a face cost about a millisecond of starting.
    if (points > kLargestHintedPoints)
        font.setHintingPreference(QFont::PreferNoHinting);
    widget->setFont(font);
}

void MakeOutputBox(QWidget* box)
{
    Paint(box, QColor(0xC0, 0xC0, 0xC0));
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setReadOnly(true);
    else if (auto* text = qobject_cast<QPlainTextEdit*>(box))
        text->setReadOnly(true);
}

void ShowResult(QLineEdit* box, const QString& text)
{
    box->setText(text);
    box->setCursorPosition(0);
}

void ShowResult(QPlainTextEdit* box, const QString& text)
{
    box->setPlainText(text);
    box->moveCursor(QTextCursor::Start);
}

} // namespace ui
