#pragma once
// The interface settings kept between runs under QSettings("Орвелт", "Кварзен 2015"):
// the two toolbar switches and the main window's place on the screen.
#include <QSize>

#include <optional>

namespace kvz {

inline constexpr const char* kSettingsOrganization = "Орвелт";
inline constexpr const char* kSettingsApplication = "Кварзен 2015";

struct ToolbarSettings {
    bool showStdToolbar = true;  // "ShowStdToolbar"
    bool textLabels = true;      // "TextLabels"
    bool operator==(const ToolbarSettings&) const = default;
};

// A missing value, or no stored settings at all, counts as true.
ToolbarSettings ReadToolbarSettings();
void WriteShowStdToolbar(bool show);
void WriteTextLabels(bool labels);

// Size of each command button, and the least height of the band that holds them.
QSize CommandButtonSize(bool textLabels);
int CommandBandMinHeight(bool textLabels);

struct WindowGeometry {
    bool fullScreen = false;  // "FullScreen": the window was maximised
    int left = 0;             // "wLeft"
    int top = 0;              // "wTop"
    int width = 0;            // "wWidth"
    int height = 0;           // "wHeight"
    bool operator==(const WindowGeometry&) const = default;
};

// Nothing until the window has once been closed.
std::optional<WindowGeometry> ReadWindowGeometry();
void WriteWindowGeometry(const WindowGeometry& geometry);

}  // namespace kvz
