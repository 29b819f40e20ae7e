// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace keldary {

// The provider block under the buttons, the report's title and footer, and the web link.
// The web host uses the reserved .example domain: the link must never reach a real site.
namespace provider {
inline constexpr std::string_view Name = "Keldary";
inline constexpr std::string_view Address = "PO Box 418, Harlow, OR 97999";
inline constexpr std::string_view Phone = "Phone: (555) 010-4471";
inline constexpr std::string_view Fax = "Fax: (555) 010-4472";
inline constexpr std::string_view Copyright = "Copyright \u00a9 2026 Keldary";
inline constexpr std::string_view WebHost = "www.keldary.example";
} // namespace provider

} // namespace keldary
