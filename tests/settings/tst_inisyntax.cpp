// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A settings file's bytes as the store reads them itself, with no file system: the lines and
// the sections Qt puts them in, the lines kept of a file too large to be read whole, and what a
// rewrite would lose.
#include "settings/inicontent.h"
#include "settings/inisyntax.h"

#include <QTest>

using inicontent::Flaw;

Q_DECLARE_METATYPE(Flaw::Kind)

class IniSyntaxTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sectionsAsQtReadsThem_data();
    void sectionsAsQtReadsThem();
    void linesGivingSection_data();
    void linesGivingSection();
    void firstFlaw_data();
    void firstFlaw();
    void oversized_data();
    void oversized();
};

namespace {

// Every key=value line of data as section/key, in the file's order: what QSettings'
// allKeys() gives for the same file, sorted, each once.
QStringList KeysRead(const QByteArray& data)
{
    QStringList keys;
    inisyntax::ForEachLine(data, [&](const inisyntax::Line& line) {
        if (!line.header && line.equals >= 0)
            keys << line.section + line.key();
    });
    return keys;
}

} // namespace

// The expected keys are those QSettings (IniFormat) reads from the same bytes.
void IniSyntaxTest::sectionsAsQtReadsThem_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("plain") << QByteArray("[Defaults]\nPoolSize=1\n")
                           << QStringList{"Defaults/PoolSize"};
    QTest::newRow("blanks inside and before the brackets")
        << QByteArray(" \t[ Defaults\t]\nA=1\n") << QStringList{"Defaults/A"};
    QTest::newRow("an escape") << QByteArray("[Def%61ults]\nA=1\n") << QStringList{"Defaults/A"};
    QTest::newRow("a wide escape")
        << QByteArray("[%U0044efaults]\nA=1\n") << QStringList{"Defaults/A"};
    QTest::newRow("a backslash is a slash") << QByteArray("[a\\b]\nA=1\n") << QStringList{"a/b/A"};
    QTest::newRow("what follows the ']' is ignored")
        << QByteArray("[Defaults] x=1\nA=1\n") << QStringList{"Defaults/A"};
    QTest::newRow("the first ']' ends the name")
        << QByteArray("[S]T]\nA=1\n") << QStringList{"S/A"};
    QTest::newRow("a comment after the header")
        << QByteArray("[Defaults] ; x=1\nA=1\n") << QStringList{"Defaults/A"};
    QTest::newRow("no ']': the line is the name")
        << QByteArray("[Defaults \nA=1\n") << QStringList{"Defaults/A"};
    QTest::newRow("a ';' ends the name") << QByteArray("[a;b]\nA=1\n") << QStringList{"a/A"};
    QTest::newRow("'=' in the name") << QByteArray("[a=b]\nA=1\n") << QStringList{"a=b/A"};
    QTest::newRow("non-ASCII") << QByteArray("[Größe]\nA=1\n")
                               << QStringList{QString::fromUtf8("Größe/A")};
    QTest::newRow("[General] holds the keys without a section")
        << QByteArray("[S]\nA=1\n[General]\nB=2\n") << QStringList{"S/A", "B"};
    QTest::newRow("[general] in any letter case")
        << QByteArray("[gEnEraL]\nB=2\n") << QStringList{"B"};
    QTest::newRow("[%General] is a section called General")
        << QByteArray("[%General]\nB=2\n") << QStringList{"General/B"};
    QTest::newRow("keys before any header")
        << QByteArray("A=1\n[S]\nB=2\n") << QStringList{"A", "S/B"};
    QTest::newRow("a key with its section, before any header")
        << QByteArray("S\\A=1\n") << QStringList{"S/A"};
    QTest::newRow("letter case tells sections apart")
        << QByteArray("[s]\nA=1\n[S]\nB=2\n") << QStringList{"s/A", "S/B"};
    QTest::newRow("a section given twice")
        << QByteArray("[S]\nA=1\n[T]\nB=2\n[S]\nC=3\n") << QStringList{"S/A", "T/B", "S/C"};
    QTest::newRow("a byte-order mark")
        << QByteArray("\xef\xbb\xbf[S]\nA=1\n") << QStringList{"S/A"};
    QTest::newRow("Windows line ends")
        << QByteArray("[S]\r\nA=1\r\n[T]\r\nB=2\r\n") << QStringList{"S/A", "T/B"};
    QTest::newRow("old Mac line ends")
        << QByteArray("[S]\rA=1\r[T]\rB=2\r") << QStringList{"S/A", "T/B"};
    QTest::newRow("a header in a quoted value is no header")
        << QByteArray("[S]\nA=\"x\n[T]\"\nB=2\n") << QStringList{"S/A", "S/B"};
    QTest::newRow("a header carried on by a backslash is no header")
        << QByteArray("[S]\nA=x\\\n[T]\nB=2\n") << QStringList{"S/A", "S/B"};
    QTest::newRow("a header in a comment is no header")
        << QByteArray("[S]\n;[T]\nB=2\n") << QStringList{"S/B"};
    QTest::newRow("a '[' after the line's start is no header")
        << QByteArray("[S]\nx[T]=1\nB=2\n") << QStringList{"S/x[T]", "S/B"};
}

void IniSyntaxTest::sectionsAsQtReadsThem()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, keys);
    QCOMPARE(KeysRead(data), keys);
}

void IniSyntaxTest::linesGivingSection_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("lines"); // what LinesGivingSection keeps for [Defaults]
    QTest::newRow("its section, under its header")
        << QByteArray("[Other]\nA=1\n[Defaults]\nB=2\n[More]\nC=3\n")
        << QByteArray("[Defaults]\nB=2\n");
    QTest::newRow("its keys in [General] first")
        << QByteArray("[Defaults]\nB=2\n[General]\nDefaults\\A=1\nOther\\C=3\n")
        << QByteArray("Defaults\\A=1\n[Defaults]\nB=2\n");
    QTest::newRow("a header as Qt reads it")
        << QByteArray("  [ Def%61ults ] ; mine\nB=2\n") << QByteArray("[ Def%61ults ] \nB=2\n");
    QTest::newRow("another letter case is another section")
        << QByteArray("[defaults]\nB=2\n") << QByteArray();
    QTest::newRow("a quoted value over two lines") << QByteArray("[Defaults]\nB=\"2\n[Other]\"\n")
                                                   << QByteArray("[Defaults]\nB=\"2\n[Other]\"\n");
}

void IniSyntaxTest::linesGivingSection()
{
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, lines);
    QCOMPARE(inicontent::LinesGivingSection(data, QStringLiteral("Defaults")), lines);
}

void IniSyntaxTest::firstFlaw_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<Flaw::Kind>("flaw");
    QTest::addColumn<QString>("key"); // the key given twice
    QTest::newRow("as Qt writes it")
        << QByteArray("[Defaults]\nA=1\nB=\"2, 3\"\n\n[Other]\nA=x\n") << Flaw::kNone << "";
    QTest::newRow("Windows line ends and blanks")
        << QByteArray("\r\n [S] \r\n\tA = 1\r\n\r\n") << Flaw::kNone << "";
    QTest::newRow("a byte-order mark") << QByteArray("\xef\xbb\xbf[S]\nA=1\n") << Flaw::kNone << "";
    QTest::newRow("a comment after a value") << QByteArray("[S]\nA=1 ; one\n") << Flaw::kNone << "";
    QTest::newRow("empty") << QByteArray() << Flaw::kNone << "";
    QTest::newRow("a zero byte") << QByteArray("[S]\nA=1\0", 9) << Flaw::kNotText << "";
    QTest::newRow("not UTF-8") << QByteArray("[S]\nA=\xc3\x28\n") << Flaw::kNotText << "";
    QTest::newRow("a line of text")
        << QByteArray("[S]\njust text\nA=1\n") << Flaw::kNotSettings << "";
    QTest::newRow("a comment line") << QByteArray("; mine\n[S]\nA=1\n") << Flaw::kNotSettings << "";
    QTest::newRow("a setting commented out")
        << QByteArray("[S]\n;A=1\nA=2\n") << Flaw::kNotSettings << "";
    QTest::newRow("a comment line at the end")
        << QByteArray("[S]\nA=1\n  ; mine") << Flaw::kNotSettings << "";
    QTest::newRow("a comment after a header")
        << QByteArray("[S] ; mine\nA=1\n") << Flaw::kNotSettings << "";
    QTest::newRow("text after a header's ']'")
        << QByteArray("[S] x=1\nA=1\n") << Flaw::kNotSettings << "";
    QTest::newRow("text after a header's first ']'")
        << QByteArray("[S]T]\nA=1\n") << Flaw::kNotSettings << "";
    QTest::newRow("a header without ']'") << QByteArray("[S\nA=1\n") << Flaw::kNotSettings << "";
    QTest::newRow("a value over two lines")
        << QByteArray("[S]\nA=\"1\n2\"\n") << Flaw::kNotSettings << "";
    QTest::newRow("a key given twice") << QByteArray("[S]\nA=1\nA=2\n") << Flaw::kKeyTwice << "A";
    QTest::newRow("a key given twice, in two sections of one name")
        << QByteArray("[S]\nA=1\n[T]\nA=1\n[S]\nA=2\n") << Flaw::kKeyTwice << "A";
    QTest::newRow("a key given twice, the first with its section in [General]")
        << QByteArray("S\\A=1\n[S]\nA=2\n") << Flaw::kKeyTwice << "A";
    QTest::newRow("a key given twice, the second escaped")
        << QByteArray("[S]\nPoolSize=1\nPool%53ize=2\n") << Flaw::kKeyTwice << "Pool%53ize";
    QTest::newRow("a key given twice, under two spellings of the section")
        << QByteArray("[ S ]\nA=1\n[%53]\nA=2\n") << Flaw::kKeyTwice << "A";
    QTest::newRow("a key in two sections of other letter case")
        << QByteArray("[s]\nA=1\n[S]\nA=2\n") << Flaw::kNone << "";
    QTest::newRow("the first flaw is told")
        << QByteArray("[S]\nA=1\nA=2\ntext\n") << Flaw::kKeyTwice << "A";
}

void IniSyntaxTest::firstFlaw()
{
    QFETCH(QByteArray, data);
    QFETCH(Flaw::Kind, flaw);
    QFETCH(QString, key);
    const Flaw found = inicontent::FirstFlaw(inicontent::BeginningOf(data, data.size()));
    QCOMPARE(found.kind, flaw);
    QCOMPARE(found.key, key);
}

void IniSyntaxTest::oversized_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<qint64>("size"); // of the whole file
    QTest::addColumn<bool>("oversized");
    QTest::addColumn<qsizetype>("read"); // bytes
    QTest::addColumn<Flaw::Kind>("flaw");
    const QByteArray line = "key=" + QByteArray(95, 'n') + '\n'; // 100 bytes
    const QByteArray lines = line.repeated(inicontent::kMostLines);
    QTest::newRow("as many lines as allowed")
        << lines << qint64(lines.size()) << false << lines.size() << Flaw::kKeyTwice;
    QTest::newRow("one line more")
        << lines + "x=y\n"
        << qint64(lines.size() + 4) << true << lines.size() + 4 << Flaw::kTooManyLines;
    const QByteArray full = QByteArray(inicontent::kLargestFile - 1, 'n') + '\n';
    QTest::newRow("the largest file, in one line")
        << full << inicontent::kLargestFile << false << full.size() << Flaw::kNotSettings;
    const QByteArray tooLarge = line + QByteArray(inicontent::kLargestFile, 'n');
    QTest::newRow("too large: the line cut short is left out")
        << tooLarge.first(inicontent::kLargestFile + 1) << 50 * inicontent::kLargestFile << true
        << line.size() << Flaw::kTooLarge;
}

void IniSyntaxTest::oversized()
{
    QFETCH(QByteArray, data);
    QFETCH(qint64, size);
    QFETCH(bool, oversized);
    QFETCH(qsizetype, read);
    QFETCH(Flaw::Kind, flaw);
    const inicontent::Beginning beginning = inicontent::BeginningOf(data, size);
    QCOMPARE(beginning.oversized, oversized);
    QCOMPARE(beginning.bytes, data.first(read));
    QCOMPARE(inicontent::FirstFlaw(beginning).kind, flaw);
}

QTEST_APPLESS_MAIN(IniSyntaxTest)
#include "tst_inisyntax.moc"
