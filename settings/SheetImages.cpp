#include "settings/SheetImages.h"

#include "res/Resources.h"

namespace sheetimages {

QPixmap PageIcon(int index)
{
    const QList<QPixmap> icons = res::ImageList(res::IDB_SMALL_IMAGES, kImageSize);
    if (index < 0 || index >= icons.size())
        return {};
    return icons[index];
}

QList<QPixmap> DefaultImages()
{
    return res::ImageList(res::IDB_TREE_DEFAULTS, kImageSize);
}

} // namespace sheetimages
