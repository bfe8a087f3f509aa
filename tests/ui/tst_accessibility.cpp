// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears: every box named by its caption, in the caption's current words,
// described in the words of its tooltip, and read-only when it is grey; buttons and menu
// entries without the ampersands of their captions.
#include "support/columns.h"
#include "support/keptwindowstestcase.h"
#include "support/keyboardandnames.h"
#include "ui/windowkeeper.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

QString AccessibleName(QObject* object, QAccessible::Text text = QAccessible::Name)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(text) : QStringLiteral("(no accessible interface)");
}

QString AccessibleName(QWidget* window, const QString& name)
{
    auto* widget = window->findChild<QWidget*>(name);
    return widget ? AccessibleName(widget) : QStringLiteral("(no %1)").arg(name);
}

} // namespace

class AccessibilityTest : public KeptWindowsTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void everyBoxIsNamedAndDescribed_data();
    void everyBoxIsNamedAndDescribed();
    void names_data();
    void names();
    void nameFollowsTheUnitSystem_data();
    void nameFollowsTheUnitSystem();
    void descriptions_data();
    void descriptions();
    void buttons_data();
    void buttons();
    void menu();
};

void AccessibilityTest::everyBoxIsNamedAndDescribed_data()
{
    QTest::addColumn<WindowKind>("kind");
    for (const WindowRow& window : Windows())
        if (window.kind != WindowKind::About) // it has no box
            QTest::newRow(window.shortName) << window.kind;
}

void AccessibilityTest::everyBoxIsNamedAndDescribed()
{
    QFETCH(WindowKind, kind);
    QWidget* window = open(kind, QStringLiteral("Metric"));
    QList<QWidget*> boxes;
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        boxes << box;
    for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>())
        boxes << box;
    QVERIFY(!boxes.isEmpty());
    QStringList white;
    for (const keys::EnterBoxes& row : keys::Enter())
        if (row.kind == kind)
            white << row.boxes;
    for (QWidget* box : boxes) {
        const QString name = AccessibleName(box);
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(box->objectName() + " has no name"));
        QVERIFY2(!name.contains(QLatin1Char('&')), qPrintable(box->objectName() + ": " + name));
        // What the box holds, in the words the mouse finds in its tooltip.
        const QString description = AccessibleName(box, QAccessible::Description);
        QVERIFY2(!description.isEmpty(), qPrintable(box->objectName() + " is not described"));
        QCOMPARE(description, box->toolTip());
        // A white box can be typed into; a grey one says it is read-only.
        const bool readOnly = QAccessible::queryAccessibleInterface(box)->state().readOnly;
        QVERIFY2(readOnly != white.contains(box->objectName()),
                 qPrintable(box->objectName() + (readOnly ? " is" : " is not") + " read-only"));
    }
}

void AccessibilityTest::names_data()
{
    QTest::addColumn<WindowKind>("kind");
    AddColumns<QString>({"box", "name"});
    // The names that are the same in both unit systems.
    for (const keys::Words& row : keys::Names())
        if (row.metric.isNull())
            QTest::newRow(row.tag.constData()) << row.kind << row.box << row.imperial;
}

void AccessibilityTest::names()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, box);
    QFETCH(QString, name);
    QCOMPARE(AccessibleName(open(kind, QStringLiteral("Imperial")), box), name);
}

void AccessibilityTest::nameFollowsTheUnitSystem_data()
{
    QTest::addColumn<WindowKind>("kind");
    AddColumns<QString>({"box", "imperial", "metric"});
    for (const keys::Words& row : keys::Names())
        if (!row.metric.isNull())
            QTest::newRow(row.tag.constData()) << row.kind << row.box << row.imperial << row.metric;
}

void AccessibilityTest::nameFollowsTheUnitSystem()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, box);
    QFETCH(QString, imperial);
    QFETCH(QString, metric);

    QWidget* window = open(kind, QStringLiteral("Imperial"));
    QCOMPARE(AccessibleName(window, box), imperial);
    // The same window loaded again after another writer changed the unit system.
    kept().settings.store(QStringLiteral("20000"), QStringLiteral("6"), QStringLiteral("Metric"));
    dynamic_cast<LoadStep*>(window)->load();
    QCOMPARE(AccessibleName(window, box), metric);
}

void AccessibilityTest::descriptions_data()
{
    QTest::addColumn<WindowKind>("kind");
    AddColumns<QString>({"uom", "box", "description"});
    for (const keys::Words& row : keys::Descriptions()) {
        QTest::addRow("%s, Imperial", row.tag.constData())
            << row.kind << "Imperial" << row.box << row.imperial;
        QTest::addRow("%s, Metric", row.tag.constData())
            << row.kind << "Metric" << row.box << (row.metric.isNull() ? row.imperial : row.metric);
    }
}

// Stated in words, so that the Wine test holds the description Windows hands out to the same.
void AccessibilityTest::descriptions()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, uom);
    QFETCH(QString, box);
    QFETCH(QString, description);
    auto* widget = open(kind, uom)->findChild<QWidget*>(box);
    QVERIFY(widget != nullptr);
    QCOMPARE(AccessibleName(widget, QAccessible::Description), description);
}

void AccessibilityTest::buttons_data()
{
    QTest::addColumn<WindowKind>("kind");
    AddColumns<QString>({"button", "name"});
    for (const keys::ButtonName& row : keys::Buttons())
        QTest::newRow(row.tag.constData()) << row.kind << row.button << row.name;
}

void AccessibilityTest::buttons()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, button);
    QFETCH(QString, name);
    QCOMPARE(AccessibleName(open(kind, QStringLiteral("Metric")), button), name);
}

void AccessibilityTest::menu()
{
    auto* window = qobject_cast<QMainWindow*>(open(WindowKind::Main, QStringLiteral("Metric")));
    QVERIFY(window != nullptr);
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(window->menuBar());
    QVERIFY(bar != nullptr);
    QCOMPARE(bar->childCount(), 1);
    QCOMPARE(bar->child(0)->text(QAccessible::Name), QStringLiteral("More Calcs"));

    auto* more = window->findChild<QMenu*>(QStringLiteral("man"));
    QAccessibleInterface* entries = QAccessible::queryAccessibleInterface(more);
    QVERIFY(entries != nullptr);
    QStringList names;
    for (int i = 0; i < entries->childCount(); ++i)
        names << entries->child(i)->text(QAccessible::Name);
    QCOMPARE(names, keys::MenuEntries());
    // A switched-off entry says so, and only such an entry.
    for (int i = 0; i < entries->childCount(); ++i)
        QCOMPARE(bool(entries->child(i)->state().disabled), keys::SwitchedOff().contains(names[i]));
    QVERIFY(!keys::SwitchedOff().isEmpty());
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
