#pragma once

#include <QString>

// The date picker style a screen shows, from the settings: wheel, then compact, then inline,
// each replacing the one before when its key is true; "automatic" when none is.
namespace DatePickerStyle {
QString fromSettings();
}
