// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup/fontsetup.h"

#include <QTest>

// The font set-up's thread ends with its owner, whether finish() ran or not:
// a program that leaves main() before its first window must end normally,
// not be aborted by a thread still joinable.
class TestFontSetup : public QObject
{
    Q_OBJECT

private slots:
    void endsWithItsOwner_data()
    {
        QTest::addColumn<bool>("finished");
        QTest::newRow("finished") << true;
        QTest::newRow("left unfinished") << false;
    }

    void endsWithItsOwner()
    {
        QFETCH(bool, finished);
        {
            keldary::EarlyFontSetup setup;
            if (finished)
                setup.finish();
        }
        keldary::EarlyFontSetup again;
        again.finish();
        again.finish(); // a second wait returns at once
    }
};

QTEST_APPLESS_MAIN(TestFontSetup)
#include "tst_fontsetup.moc"
