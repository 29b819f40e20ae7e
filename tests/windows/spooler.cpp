// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The Wine checks' hand on the Windows spooler and on the window:
//   spooler orientation PRINTER portrait|landscape   the printer's default orientation
//   spooler status PRINTER                           the printer's status bits, as the spooler
//                                                    reports them to programs
//   spooler stall WINDOW-TITLE SECONDS               the longest time, in ms, the window
//                                                    took to answer a message while watched
// Built by tests/windows/wine-check.sh with MinGW-w64.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

int setOrientation(wchar_t *name, bool landscape)
{
    PRINTER_DEFAULTSW access{nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer = nullptr;
    if (!OpenPrinterW(name, &printer, &access))
        return std::fprintf(stderr, "OpenPrinter failed: %lu\n", GetLastError()), 1;
    DWORD needed = 0;
    GetPrinterW(printer, 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    auto *info = reinterpret_cast<PRINTER_INFO_2W *>(buffer.data());
    if (!GetPrinterW(printer, 2, buffer.data(), needed, &needed) || !info->pDevMode)
        return std::fprintf(stderr, "GetPrinter gave no DEVMODE: %lu\n", GetLastError()), 1;
    info->pDevMode->dmFields |= DM_ORIENTATION;
    info->pDevMode->dmOrientation = landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    info->pSecurityDescriptor = nullptr; // unchanged
    const bool done = SetPrinterW(printer, 2, buffer.data(), 0);
    if (!done)
        std::fprintf(stderr, "SetPrinter failed: %lu\n", GetLastError());
    ClosePrinter(printer);
    return done ? 0 : 1;
}

int printStatus(wchar_t *name)
{
    HANDLE printer = nullptr;
    if (!OpenPrinterW(name, &printer, nullptr))
        return std::fprintf(stderr, "OpenPrinter failed: %lu\n", GetLastError()), 1;
    DWORD needed = 0;
    GetPrinterW(printer, 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    const bool read = GetPrinterW(printer, 2, buffer.data(), needed, &needed);
    if (read)
        std::printf("0x%lx\n", reinterpret_cast<PRINTER_INFO_2W *>(buffer.data())->Status);
    ClosePrinter(printer);
    return read ? 0 : 1;
}

// Sends the window an empty message every 10 ms and keeps the longest wait
// for its answer: a window that does not take its messages does not repaint.
int stall(const wchar_t *title, double seconds)
{
    using Clock = std::chrono::steady_clock;
    HWND window = FindWindowW(nullptr, title);
    if (!window)
        return std::fprintf(stderr, "no window\n"), 1;
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    double longest = 0;
    while (Clock::now() < end) {
        const auto sent = Clock::now();
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result))
            return std::fprintf(stderr, "no answer within 60 s\n"), 1;
        longest = std::max(longest, std::chrono::duration<double, std::milli>(Clock::now() - sent).count());
        Sleep(10);
    }
    std::printf("%.0f\n", longest);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"orientation" && argc == 4)
        return setOrientation(argv[2], std::wcscmp(argv[3], L"landscape") == 0);
    if (command == L"status" && argc == 3)
        return printStatus(argv[2]);
    if (command == L"stall" && argc == 4)
        return stall(argv[2], std::wcstod(argv[3], nullptr));
    std::fprintf(stderr, "usage: spooler orientation PRINTER portrait|landscape | status PRINTER"
                         " | stall TITLE SECONDS\n");
    return 2;
}
