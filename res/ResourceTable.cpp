#include "res/Resources.h"

#include "res/HandCursor.h"
#include "res/NavigationStrip.h"
#include "res/ProgramIcon.h"

#include <map>

namespace res {
namespace {

QPixmap drawBitmap(int id)
{
    switch (id) {
    case IDI_PROGRAM:
        return QPixmap::fromImage(DrawProgramIcon());
    case IDB_NAVIGATION:
        return QPixmap::fromImage(DrawNavigationStrip());
    default:
        return {};
    }
}

} // namespace

QPixmap Bitmap(int id)
{
    static std::map<int, QPixmap> cache;
    auto it = cache.find(id);
    if (it == cache.end())
        it = cache.emplace(id, drawBitmap(id)).first;
    return it->second;
}

QCursor Cursor(int id)
{
    switch (id) {
    case IDC_HAND: {
        static const QCursor hand = DrawHandCursor();
        return hand;
    }
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

} // namespace res
