// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every window on a screen of twice the usual density (CTest runs this with QT_SCALE_FACTOR=2):
// drawn at double size in scalable fonts, no caption clipped, the icon and the About photograph
// sharp.
#include "labelcheck.h"
#include "support/keptwindowstestcase.h"
#include "support/windowchecks.h"
#include "ui/windowkeeper.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QTest>

namespace {

constexpr qreal kRatio = 2;

// The mean difference in grey between horizontal neighbours.
double Sharpness(const QImage& image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    double sum = 0;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* line = grey.constScanLine(y);
        for (int x = 1; x < grey.width(); ++x)
            sum += std::abs(line[x] - line[x - 1]);
    }
    return sum / (grey.height() * (grey.width() - 1));
}

} // namespace

class HighDpiTest : public KeptWindowsTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void everyWindowDoubles_data();
    void everyWindowDoubles();
    void iconIsSharp();
    void aboutPhotographIsSharp();

private:
    QWidget* openExposed(WindowKind kind, const QString& uom)
    {
        QWidget* window = open(kind, uom);
        return window != nullptr && QTest::qWaitForWindowExposed(window) ? window : nullptr;
    }
};

void HighDpiTest::initTestCase()
{
    QVERIFY2(qFuzzyCompare(qApp->devicePixelRatio(), kRatio),
             "run with QT_SCALE_FACTOR=2 (ctest sets it)");
    StartWindowTests();
}

void HighDpiTest::everyWindowDoubles_data()
{
    AddEveryWindowInEachUnitSystem();
}

void HighDpiTest::everyWindowDoubles()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, uom);

    QWidget* window = openExposed(kind, uom);
    QVERIFY(window != nullptr);
    QCOMPARE(window->devicePixelRatio(), kRatio);
    const QPixmap picture = window->grab();
    QCOMPARE(picture.devicePixelRatio(), kRatio);
    QCOMPARE(picture.size(), window->size() * kRatio);
    const QStringList clipped = LabelFaults(window);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1String("; "))));
    // A bitmap font would be drawn at its ordinary size on twice the pixels: garbled.
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        const QFontInfo font(control->font());
        QVERIFY2(QFontDatabase::isSmoothlyScalable(font.family(), font.styleName()),
                 qPrintable(control->objectName() + " is set in " + font.family()));
    }
}

void HighDpiTest::iconIsSharp()
{
    // Shown at 32 logical pixels, the icon has a picture of its own at 64 device pixels, and
    // larger ones for the task switcher; it is never an enlarged 32-pixel picture.
    QWidget* window = openExposed(WindowKind::Main, QStringLiteral("Metric"));
    QVERIFY(window != nullptr);
    const QIcon icon = window->windowIcon();
    QCOMPARE(icon.pixmap(QSize(32, 32), kRatio).size(), QSize(64, 64));
    QVERIFY(icon.availableSizes().contains(QSize(256, 256)));
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
}

void HighDpiTest::aboutPhotographIsSharp()
{
    QWidget* window = openExposed(WindowKind::About, QStringLiteral("Metric"));
    QVERIFY(window != nullptr);
    const auto* picture = window->findChild<QLabel*>(QStringLiteral("Picture1"));
    const QPixmap photo = picture->pixmap();
    // The same place on screen as at normal density, with a device pixel for each one.
    QCOMPARE(photo.deviceIndependentSize().toSize(), QSize(156, 117));
    QCOMPARE(photo.devicePixelRatio(), kRatio);
    QCOMPARE(photo.size(), QSize(312, 234));

    // Drawn from the large picture, not the small one enlarged: neighbouring pixels differ
    // more, as they do in a sharper picture.
    const QImage enlarged =
        QImage(QStringLiteral(":/pictures/backyard-pool.jpg"))
            .scaled(photo.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double shown = Sharpness(photo.toImage());
    QVERIFY2(shown > 1.3 * Sharpness(enlarged),
             qPrintable(QStringLiteral("%1 against %2").arg(shown).arg(Sharpness(enlarged))));
}

QTEST_MAIN(HighDpiTest)
#include "tst_highdpi.moc"
