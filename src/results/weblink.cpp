#include "weblink.h"

#include "data/provider.h"

#include <QDesktopServices>
#include <QString>

namespace keldary {

QUrl providerUrl()
{
    // The label shows the bare host; the browser needs a scheme.
    return QUrl(QStringLiteral("http://")
                + QString::fromUtf8(provider::WebHost.data(),
                                    static_cast<qsizetype>(provider::WebHost.size())));
}

bool openProviderPage()
{
    // The browser is a separate application: openUrl starts it detached and
    // returns, so the calculator never waits for the page.
    return QDesktopServices::openUrl(providerUrl());
}

} // namespace keldary
