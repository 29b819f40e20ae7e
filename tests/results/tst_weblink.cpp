// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "browser.h"
#include "results/weblink.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWebLink : public QObject
{
    Q_OBJECT

private slots:
    void providerUrl();
    void openProviderPage_data();
    void openProviderPage();
};

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
    BrowserStandIn browser;

    for (int i = 0; i < clicks; ++i)
        QVERIFY(keldary::openProviderPage());

    QCOMPARE(browser.opened.size(), clicks);
    for (const QUrl &url : std::as_const(browser.opened))
        QCOMPARE(url.toString(), u"http://www.keldary.example"_s);
}

QTEST_MAIN(TestWebLink)
#include "tst_weblink.moc"
