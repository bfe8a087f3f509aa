// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The check of captions that the window tests and the Wine test share: it must see a caption
// that does not fit its box and a letter that leaves no ink, and nothing in a sound caption.
#include "labelcheck.h"
#include "support/columns.h"
#include "support/windowtests.h"

#include <QLabel>
#include <QTest>

class LabelCheckTest : public WindowTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void faults_data();
    void faults();
};

void LabelCheckTest::faults_data()
{
    // clang-format off
    AddColumns<QString>({"text", "expected"});
    QTest::addColumn<QSize>("box");
    QTest::newRow("a caption that fits") << "Pool Size (Gal.)" << "" << QSize(120, 20);
    QTest::newRow("words wrap onto a line the box cuts off")
        << "Chlorine Strength (enter 6% as 6, or 12.5% as 12.5)" << "needs" << QSize(81, 33);
    // A zero-width space is no blank but draws nothing, as a glyph the font engine drops.
    QTest::newRow("a letter without ink") << QStringLiteral("Pool\u200BSize") << "draws no ink"
                                          << QSize(120, 20);
    // clang-format on
}

void LabelCheckTest::faults()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(QSize, box);
    QWidget window;
    auto* label = new QLabel(text, &window);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    label->setGeometry(QRect(QPoint(0, 0), box));
    const QString faults = LabelFaults(&window).join(QLatin1String("; "));
    if (expected.isEmpty())
        QCOMPARE(faults, QString());
    else
        QVERIFY2(faults.startsWith(QLatin1String("Label1 ")) && faults.contains(expected),
                 qPrintable(faults));
}

QTEST_MAIN(LabelCheckTest)
#include "tst_labelcheck.moc"
