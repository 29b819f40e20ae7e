// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/weblink.h"

#include <QDesktopServices>
#include <QList>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

// Stands in for the browser: records what would have been opened, so no test
// ever reaches the network.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

class TestWebLink : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void providerUrl();
    void openProviderPage_data();
    void openProviderPage();

private:
    UrlRecorder m_browser;
};

void TestWebLink::init()
{
    m_browser.opened.clear();
    QDesktopServices::setUrlHandler(u"http"_s, &m_browser, "open");
    QDesktopServices::setUrlHandler(u"https"_s, &m_browser, "open");
}

void TestWebLink::cleanup()
{
    QDesktopServices::unsetUrlHandler(u"http"_s);
    QDesktopServices::unsetUrlHandler(u"https"_s);
}

void TestWebLink::providerUrl()
{
    QCOMPARE(keldary::providerUrl().toString(), u"http://www.keldary.example"_s);
    QVERIFY(keldary::providerUrl().isValid());
}

void TestWebLink::openProviderPage_data()
{
    QTest::addColumn<int>("clicks");

    QTest::newRow("one click opens the page once") << 1;
    QTest::newRow("two clicks open it once each") << 2;
}

void TestWebLink::openProviderPage()
{
    QFETCH(int, clicks);

    for (int i = 0; i < clicks; ++i)
        QVERIFY(keldary::openProviderPage());

    QCOMPARE(m_browser.opened.size(), clicks);
    for (const QUrl &url : std::as_const(m_browser.opened))
        QCOMPARE(url.toString(), u"http://www.keldary.example"_s);
}

QTEST_MAIN(TestWebLink)
#include "tst_weblink.moc"
