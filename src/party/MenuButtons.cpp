#include "party/MenuButtons.h"

#include "platform/Layout.h"
#include "platform/PictureButton.h"

namespace {
const char* const kMenuIcons[4] = {"btn_item.bmp", "btn_magic.bmp", "btn_status.bmp",
                                   "btn_save.bmp"};
const char* const kMenuCaptions[4] = {"道具", "魔法", "状態", "記録"};
}  // namespace

void placeMenuButtons(const std::array<PictureButton*, 4>& buttons, const QString& dataPath) {
    for (int i = 0; i < 4; ++i) {
        PictureButton* b = buttons[static_cast<std::size_t>(i)];
        Ctl_Set(b, 36, 36, 2 + 38 * i, 0);
        b->setPictureFile(dataPath + QString::fromLatin1(kMenuIcons[i]));
        b->setText(b->hasPicture() ? QString() : QString::fromUtf8(kMenuCaptions[i]));
    }
}
