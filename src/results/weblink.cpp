// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "weblink.h"

#include "data/provider.h"
#include "data/text.h"

#include <QDesktopServices>
#include <QString>

namespace keldary {

QUrl providerUrl()
{
    // The label shows the bare host; the browser needs a scheme.
    return QUrl(QStringLiteral("http://") + toQString(provider::WebHost));
}

bool openProviderPage()
{
    // The browser is a separate application: openUrl starts it detached and
    // returns, so the calculator never waits for the page.
    return QDesktopServices::openUrl(providerUrl());
}

} // namespace keldary
