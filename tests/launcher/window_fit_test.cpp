// The size the launcher proposes against the main window it makes: measured on
// the forms of the real builds, the main window of the proposed size fits the
// screen's work area, and no larger size of the table would.
#include "launcher/form_units.h"
#include "launcher/font_size.h"
#include "launcher/window_fit.h"

#include "launcher_programs.h"

#include "framework/win/wide_text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <map>
#include <string>

namespace {

// The journal form's template id in the main program's builds.
constexpr int kJournalFormTemplate = 141;
constexpr int kTableGroup = 1095;

int ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The build of a size in the program folder, beside the launcher.
std::wstring BuildPath(const char* size)
{
    std::wstring path = ToWide(LAUNCHER_PROGRAM);
    path.erase(path.find_last_of(L"\\/") + 1);
    return path + ToWide(BuildFileName(size));
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

// The journal form of a build made as the program makes it, inside a hidden
// window: the table group's rectangle in the form's pixels.
RECT RealTableGroup(const char* size)
{
    RECT group{};
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    HMODULE build = LoadLibraryExW(BuildPath(size).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!build) {
        ADD_FAILURE() << "no build of size " << size;
        return group;
    }
    HWND holder = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    HWND form = CreateDialogParamW(build, MAKEINTRESOURCEW(kJournalFormTemplate), holder, QuietDialogProc, 0);
    if (form) {
        GetWindowRect(GetDlgItem(form, kTableGroup), &group);
        MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&group), 2);
        DestroyWindow(form);
    } else {
        ADD_FAILURE() << "the journal form of size " << size << " was not made";
    }
    DestroyWindow(holder);
    FreeLibrary(build);
    return group;
}

TEST(LauncherWindowFit, MeasuredUnitsGiveTheRealJournalFormOfEveryBuild)
{
    const int dpi = ScreenDpi();
    for (const char* size : kFontSizes) {
        const FormUnits units = MeasureFormUnits(std::atoi(size), dpi);
        const RECT group = RealTableGroup(size);
        const CSize edges = JournalTableEdges(units);
        EXPECT_EQ(edges.cx, group.right) << size << " point";
        EXPECT_EQ(edges.cy, group.bottom) << size << " point";
    }
}

TEST(LauncherWindowFit, LargerSizesMakeLargerWindows)
{
    // Each size is its own point size: the text grows with it, and so does the
    // window at least in one direction.
    for (const int dpi : {96, 120}) {
        CSize previous(0, 0);
        int previousHeight = 0;
        for (const char* size : kFontSizes) {
            const int points = std::atoi(size);
            const FormUnits units = MeasureFormUnits(points, dpi);
            EXPECT_GT(units.baseY, previousHeight) << size << " point at " << dpi << " dpi";
            const CSize window = MainWindowSize(dpi, units);
            EXPECT_GE(window.cx, previous.cx) << size;
            EXPECT_GT(window.cy, previous.cy) << size;
            previous = window;
            previousHeight = units.baseY;
        }
    }
}

TEST(LauncherWindowFit, ProposedSizeIsTheLargestWhoseMainWindowFitsTheWorkArea)
{
    struct Case {
        int dpi;
        int width;
        int height;
        const char* expected;
    };
    // Work areas of screens with a task bar of 40 pixels at their bottom.
    const Case cases[] = {
        {96, 1280, 1024, "10"},
        {96, 1920, 1080, "12"},
        // At 120 dpi not even the smallest size fits 1280 pixels across: the
        // smallest is proposed, and the window is cut off on the right.
        {120, 1280, 1024, "9"},
        {120, 1920, 1080, "10"},
    };
    for (const Case& c : cases) {
        const CSize workArea(c.width, c.height - 40);
        std::map<int, CSize> windows;
        auto unitsOf = [&](int size) {
            const FormUnits units = MeasureFormUnits(size, c.dpi);
            windows[size] = MainWindowSize(c.dpi, units);
            return units;
        };
        const CString table = ProposedFontSize(c.dpi, c.height);
        const CString proposed = FittingFontSize(table, c.dpi, workArea, unitsOf);
        const std::string screen = std::to_string(c.width) + "x" + std::to_string(c.height) + " at " +
                                   std::to_string(c.dpi) + " dpi";
        EXPECT_EQ(CString(c.expected), proposed) << screen;
        EXPECT_LE(std::atoi(proposed), std::atoi(table)) << screen;
        for (const auto& [size, window] : windows) {
            const bool fits = window.cx <= workArea.cx && window.cy <= workArea.cy;
            if (size == std::atoi(proposed) && size != 9) {
                EXPECT_TRUE(fits) << screen << ": " << size << " point is " << window.cx << "x" << window.cy;
            }
            if (size > std::atoi(proposed)) {
                EXPECT_FALSE(fits) << screen << ": " << size << " point would fit too";
            }
        }
    }
}

}  // namespace
