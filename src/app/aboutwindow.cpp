// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aboutwindow.h"

#include "ui/programlook.h"
#include "ui_aboutwindow.h"

#include <QPixmap>

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent), m_ui(new Ui::Form2)
{
    m_ui->setupUi(this);
    ui::SetUpWindow(this);
    ui::SetHeadingFont(m_ui->Label1, 18, ui::Slant::Italic);

    // On a high-density screen the photograph comes from a picture four times as large, so it
    // keeps its place and size and stays sharp.
    const qreal ratio = devicePixelRatio();
    if (ratio > 1) {
        const QSize shown = m_ui->Picture1->pixmap().deviceIndependentSize().toSize();
        QPixmap sharp = QPixmap(QStringLiteral(":/pictures/backyard-pool@4x.jpg"))
                            .scaled(shown * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        sharp.setDevicePixelRatio(ratio);
        m_ui->Picture1->setPixmap(sharp);
    }
}

AboutWindow::~AboutWindow() = default;
