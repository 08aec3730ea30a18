#pragma once

#include <QString>
#include <array>

class PictureButton;

// The four buttons of the overhead map and the field that open the item, magic and status
// screens and the save screen: 36 × 36 at (2 + 38·i, 0) on their strip, showing their icons
// "btn_item.bmp" … "btn_save.bmp" from the data folder, or a short caption where an icon is
// missing.
void placeMenuButtons(const std::array<PictureButton*, 4>& buttons, const QString& dataPath);
