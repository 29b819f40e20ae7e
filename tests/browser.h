// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the desktop's browser while it lives: records the addresses
// the program would open, so no test ever reaches the network.
class BrowserStandIn : public QObject
{
    Q_OBJECT

public:
    BrowserStandIn()
    {
        for (const QString scheme : {QStringLiteral("http"), QStringLiteral("https")})
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~BrowserStandIn() override
    {
        for (const QString scheme : {QStringLiteral("http"), QStringLiteral("https")})
            QDesktopServices::unsetUrlHandler(scheme);
    }

    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};
