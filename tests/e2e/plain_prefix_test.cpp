// Run by tools/plain-prefix-test.sh in a Wine prefix made with `wineboot -i`
// and nothing else, as a new user's would be: every control must show there.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/support/session.h"

using namespace e2e;

namespace {

// Wine's per-program Direct3D renderer setting, or "" when there is none.
std::string RendererSetting(const char* programFile) {
    const std::string key = std::string("Software\\Wine\\AppDefaults\\") + programFile + "\\Direct3D";
    char value[64] = {};
    DWORD size = sizeof value - 1;
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) return "";
    const LONG status = RegQueryValueExA(handle, "renderer", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(handle);
    return status == ERROR_SUCCESS ? value : "";
}

void SetRendererSetting(const char* programFile, const char* renderer) {
    const std::string key = std::string("Software\\Wine\\AppDefaults\\") + programFile + "\\Direct3D";
    HKEY handle;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(handle, "renderer", 0, REG_SZ, reinterpret_cast<const BYTE*>(renderer), DWORD(strlen(renderer) + 1));
    RegCloseKey(handle);
}

// The intro card's OK button, then every button and swatch of the colouring screen.
void ExpectEveryControlShows(Session& s) {
    ASSERT_NE(s.WaitForIntroButton(), nullptr);
    EXPECT_TRUE(WaitForArt(s.art(), "OKButtonUp", 0, 0, 344, 420, 96, 46, 5000)) << "the intro card's OK button";
    ASSERT_TRUE(s.DismissIntro());
    for (const ControlLook& c : ColouringScreenControls())
        EXPECT_TRUE(WaitForArt(s.art(), c.bitmap.c_str(), 0, c.srcY, c.x, c.y, c.width, c.height, 3000))
            << c.bitmap << " at (" << c.x << ", " << c.y << ")";
}

}  // namespace

TEST(PlainPrefix, EveryButtonAndSwatchShows) {
    ASSERT_EQ(RendererSetting("tintwell.exe"), "") << "not a plain prefix";
    Session s;
    ExpectEveryControlShows(s);
    EXPECT_EQ(s.Quit(), 0u);
    EXPECT_EQ(RendererSetting("tintwell.exe"), "gdi") << "Wine's per-program setting the program leaves";
}

TEST(PlainPrefix, ASettingTheUserMadeIsKept) {
    // "no3d" is Wine's other name for the GDI renderer.
    SetRendererSetting("tintwell2.exe", "no3d");
    Session s(2);
    ExpectEveryControlShows(s);
    EXPECT_EQ(s.Quit(), 0u);
    EXPECT_EQ(RendererSetting("tintwell2.exe"), "no3d");
}
