// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/windowdriver.h"

#include "settings/defaults.h"
#include "ui/windowkeeper.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

WindowDriver::WindowDriver(const Make& make, const QString& uom, const QString& poolSize)
{
    defaults::Write(m_kept.settings, defaults::kUnitOfMeasure, uom);
    if (!poolSize.isNull())
        defaults::Write(m_kept.settings, defaults::kPoolSize, poolSize);
    m_window = make(m_kept.services);
    if (auto* loadStep = dynamic_cast<LoadStep*>(m_window.get()))
        loadStep->load();
}

QString WindowDriver::text(const char* name) const
{
    const QString objectName = QString::fromLatin1(name);
    if (auto* line = m_window->findChild<QLineEdit*>(objectName))
        return line->text();
    if (auto* plain = m_window->findChild<QPlainTextEdit*>(objectName))
        return plain->toPlainText();
    if (auto* label = m_window->findChild<QLabel*>(objectName))
        return label->text();
    qFatal("no box or label named %s", name);
}

void WindowDriver::type(const char* name, const QString& text)
{
    auto* line = m_window->findChild<QLineEdit*>(QString::fromLatin1(name));
    Q_ASSERT(line != nullptr);
    line->clear();
    QTest::keyClicks(line, text);
}

void WindowDriver::setText(const char* name, const QString& text)
{
    const QString objectName = QString::fromLatin1(name);
    if (auto* line = m_window->findChild<QLineEdit*>(objectName))
        line->setText(text);
    else if (auto* plain = m_window->findChild<QPlainTextEdit*>(objectName))
        plain->setPlainText(text);
    else
        qFatal("no box named %s", name);
}

void WindowDriver::press(const char* button)
{
    auto* pushButton = m_window->findChild<QPushButton*>(QString::fromLatin1(button));
    Q_ASSERT(pushButton != nullptr);
    QTest::mouseClick(pushButton, Qt::LeftButton);
}

QString WindowDriver::pressRefused(const char* button)
{
    const RecordingFeedback& feedback = m_kept.feedback;
    const QStringList heardBefore = feedback.heard();
    const qsizetype warningsBefore = feedback.warnings.size();
    const QStringList boxesBefore = boxTexts();
    press(button);
    // A refusal adds a beep and a warning to what was heard, and nothing else.
    if (feedback.heard().size() != heardBefore.size() + 2 || feedback.beeps == 0 ||
        feedback.warnings.size() != warningsBefore + 1)
        return QStringLiteral("not refused with a beep and a warning; heard: ") +
               feedback.heard().join(QLatin1String(" | "));
    if (boxTexts() != boxesBefore)
        return QStringLiteral("boxes changed to: ") + boxTexts().join(QLatin1String(" | "));
    return feedback.warnings.last();
}

void WindowDriver::typeEach(const QString& boxes)
{
    for (const auto& [box, text] : BoxPairs(boxes))
        type(box.constData(), text);
}

void WindowDriver::typeInto(const QList<const char*>& boxes, const QStringList& texts)
{
    Q_ASSERT(boxes.size() == texts.size());
    for (qsizetype i = 0; i < boxes.size(); ++i)
        type(boxes[i], texts[i]);
}

QList<std::pair<QByteArray, QString>> BoxPairs(const QString& boxes)
{
    QList<std::pair<QByteArray, QString>> pairs;
    for (const QString& pair : boxes.split('|', Qt::SkipEmptyParts)) {
        const qsizetype equals = pair.indexOf('=');
        pairs.append({pair.left(equals).toLatin1(), pair.mid(equals + 1)});
    }
    return pairs;
}

QStringList WindowDriver::boxTexts() const
{
    QStringList texts;
    for (const QLineEdit* line : m_window->findChildren<QLineEdit*>())
        texts << line->objectName() + '=' + line->text();
    for (const QPlainTextEdit* plain : m_window->findChildren<QPlainTextEdit*>())
        texts << plain->objectName() + '=' + plain->toPlainText();
    return texts;
}
