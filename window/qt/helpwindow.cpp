// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#include "helpwindow.h"

#include "form.h"
#include "mainwindow.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

QDialog *CreateHelpWindow(QWidget *parent, const content::Texts &texts)
{
    auto *help = new QDialog(parent);
    help->setObjectName(QStringLiteral("Help"));
    help->setWindowTitle(QString::fromUtf8(texts.helpTitle));
    help->setPalette(MainWindow::FixedPalette()); // windows do not take their parent's palette
    help->resize(form::kHelpWidth, form::kHelpHeight);

    auto *text = new QTextBrowser(help);
    text->setAccessibleName(QString::fromUtf8(texts.helpTitle));
    // A caret to read with, as a screen reader's users expect; Ctrl+End works.
    text->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    text->setMarkdown(QString::fromUtf8(texts.help).arg(QStringLiteral(KELVANI_VERSION)));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, help);
    QObject::connect(buttons, &QDialogButtonBox::rejected, help, &QDialog::reject);

    auto *layout = new QVBoxLayout(help);
    layout->addWidget(text);
    layout->addWidget(buttons);
    text->setFocus();
    return help;
}
