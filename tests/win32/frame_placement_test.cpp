// The frame's remembered place is used only where the user can reach the frame's title bar.
#include "editor_harness.h"

#include "frame_placement.h"
#include "settings_store.h"

namespace {

// A 600 by 400 frame at (left, top), not maximized, as the program stores it.
void RememberPlace(LONG left, LONG top)
{
    WriteSettingNumber(L"WindowLeft", static_cast<DWORD>(left));
    WriteSettingNumber(L"WindowTop", static_cast<DWORD>(top));
    WriteSettingNumber(L"WindowWidth", 600);
    WriteSettingNumber(L"WindowHeight", 400);
    WriteSettingNumber(L"WindowMaximized", 0);
}

// The title bar must lie on a screen from its top to its bottom; one cut by the screen's top edge, by
// one pixel or by all but one, starts the frame at its default place.
TEST(FramePlacement, ATitleBarPartlyAboveTheScreensTopIsNotRestored)
{
    RECT work = {};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    FramePlacement placement = {};

    RememberPlace(work.left + 40, work.top);
    ASSERT_TRUE(RememberedFramePlacement(placement));
    EXPECT_EQ(placement.normal.top, work.top);
    EXPECT_EQ(placement.normal.left, work.left + 40);

    for (LONG above : {1, GetSystemMetrics(SM_CYCAPTION) / 2, GetSystemMetrics(SM_CYCAPTION) - 1}) {
        RememberPlace(work.left + 40, work.top - above);
        EXPECT_FALSE(RememberedFramePlacement(placement)) << above << " pixels above the top";
    }
    ForgetRememberedSettings();
}

} // namespace
