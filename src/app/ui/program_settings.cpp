#include "app/ui/program_settings.h"

#include <QSettings>

namespace kvz {

namespace {

constexpr const char* kShowStdToolbar = "ShowStdToolbar";
constexpr const char* kTextLabels = "TextLabels";
constexpr const char* kFullScreen = "FullScreen";
constexpr const char* kLeft = "wLeft";
constexpr const char* kTop = "wTop";
constexpr const char* kWidth = "wWidth";
constexpr const char* kHeight = "wHeight";

QSettings ProgramSettings() {
    return QSettings(QString::fromUtf8(kSettingsOrganization), QString::fromUtf8(kSettingsApplication));
}

bool ReadFlag(const QSettings& settings, const char* name) {
    return settings.value(QString::fromUtf8(name), true).toBool();
}

std::optional<int> ReadInt(const QSettings& settings, const char* name) {
    bool ok = false;
    const int value = settings.value(QString::fromUtf8(name)).toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

void WriteValue(const char* name, const QVariant& value) {
    QSettings settings = ProgramSettings();
    settings.setValue(QString::fromUtf8(name), value);
}

}  // namespace

ToolbarSettings ReadToolbarSettings() {
    const QSettings settings = ProgramSettings();
    return {ReadFlag(settings, kShowStdToolbar), ReadFlag(settings, kTextLabels)};
}

void WriteShowStdToolbar(bool show) { WriteValue(kShowStdToolbar, show); }

void WriteTextLabels(bool labels) { WriteValue(kTextLabels, labels); }

QSize CommandButtonSize(bool textLabels) { return textLabels ? QSize(80, 47) : QSize(35, 35); }

int CommandBandMinHeight(bool textLabels) { return textLabels ? 50 : 38; }

std::optional<WindowGeometry> ReadWindowGeometry() {
    const QSettings settings = ProgramSettings();
    const auto left = ReadInt(settings, kLeft);
    const auto top = ReadInt(settings, kTop);
    const auto width = ReadInt(settings, kWidth);
    const auto height = ReadInt(settings, kHeight);
    if (!left || !top || !width || !height) return std::nullopt;
    WindowGeometry geometry;
    geometry.fullScreen = settings.value(QString::fromUtf8(kFullScreen), false).toBool();
    geometry.left = *left;
    geometry.top = *top;
    geometry.width = *width;
    geometry.height = *height;
    return geometry;
}

void WriteWindowGeometry(const WindowGeometry& geometry) {
    QSettings settings = ProgramSettings();
    settings.setValue(QString::fromUtf8(kFullScreen), geometry.fullScreen);
    settings.setValue(QString::fromUtf8(kLeft), geometry.left);
    settings.setValue(QString::fromUtf8(kTop), geometry.top);
    settings.setValue(QString::fromUtf8(kWidth), geometry.width);
    settings.setValue(QString::fromUtf8(kHeight), geometry.height);
}

}  // namespace kvz
