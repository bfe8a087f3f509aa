// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aboutwindow.h"
#include "support/windowtests.h"

#include <QLabel>
#include <QTest>

class AboutWindowTest : public WindowTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void texts();
    void layout();
    void photograph();
};

void AboutWindowTest::texts()
{
    AboutWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("About"));
    auto text = [&](const char* name) { return window.findChild<QLabel*>(name)->text(); };
    QCOMPARE(text("Label1"), QStringLiteral("Poolwright!"));
    QCOMPARE(text("Label2"),
             QStringLiteral("A real simple tool to help you calculate bleach additions"));
    QCOMPARE(text("Label5"),
             QStringLiteral("By using this tool, you accept all responsibilities for the "
                            "results.  There are no warranties expressed or implied to "
                            "its function.  "));
    QCOMPARE(text("Label6"),
             QStringLiteral("Basically, if you screw your pool up, it's your own darn fault!"));
    QCOMPARE(text("Label3"),
             QStringLiteral("Do you just use this, but don't have any suggestions?  "
                            "That's cool, drop me a line anyway to let me know you're "
                            "using it!"));
    QVERIFY(text("Label4").contains(QLatin1Char('@')));
    QVERIFY(!text("Label7").isEmpty());
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->objectName() != QLatin1String("Picture1"))
            QVERIFY2(label->alignment() & Qt::AlignHCenter, qPrintable(label->objectName()));
}

// Where each control stands: tst_windowtables.
void AboutWindowTest::layout()
{
    AboutWindow window;
    const QFont title = window.findChild<QLabel*>("Label1")->font();
    QVERIFY(title.bold() && title.italic());
    QCOMPARE(title.pointSizeF(), 18.0);
}

void AboutWindowTest::photograph()
{
    AboutWindow window;
    const auto* picture = window.findChild<QLabel*>("Picture1");
    const QPixmap photo = picture->pixmap();
    QCOMPARE(photo.size(), QSize(156, 117));
    QVERIFY(picture->frameWidth() > 0);
    QVERIFY(picture->contentsRect().width() >= 156 && picture->contentsRect().height() >= 117);
}

QTEST_MAIN(AboutWindowTest)
#include "tst_aboutwindow.moc"
