// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QUrl>

namespace keldary {

// "http://" and the provider's web host.
QUrl providerUrl();

// Hands the provider's page to the user's browser and returns at once. False
// when no browser could be started; the calculator carries on either way.
bool openProviderPage();

} // namespace keldary
