// Windows' menus: a window's menu bar is the menus it owns directly, each menu's items its actions.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Objects.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QPixmap>

#include <unordered_map>

namespace gdi {

using namespace detail;

namespace {

constexpr uint32_t kNoItem = 0xFFFFFFFF;
constexpr char kCommandId[] = "gdiCommandId";

// One handle per menu bar and per menu, gone with its window or menu.
std::unordered_map<const QObject*, HMENU>& known()
{
    static std::unordered_map<const QObject*, HMENU> map;
    return map;
}

HMENU handleOf(QObject* owner, QWidget* bar, QMenu* menu)
{
    if (auto it = known().find(owner); it != known().end())
        return it->second;
    auto object = std::make_unique<Menu>();
    object->bar = bar;
    object->menu = menu;
    const HMENU handle = handles().add(std::move(object));
    if (!handle)
        return 0;
    known()[owner] = handle;
    QObject::connect(owner, &QObject::destroyed, [owner, handle] {
        known().erase(owner);
        handles().remove(handle);
    });
    return handle;
}

QList<QMenu*> barMenus(const QWidget& window) { return window.findChildren<QMenu*>(Qt::FindDirectChildrenOnly); }

// The items of a menu, or of a menu bar (the actions that open its menus). A hidden item is not in
// the menu the user sees, so it takes no position.
QList<QAction*> itemsOf(const Menu& m)
{
    QList<QAction*> all;
    if (m.menu)
        all = m.menu->actions();
    else if (m.bar)
        for (QMenu* menu : barMenus(*m.bar))
            all.append(menu->menuAction());
    QList<QAction*> items;
    for (QAction* item : all)
        if (item->isVisible())
            items.append(item);
    return items;
}

QAction* itemAt(HMENU menu, int position)
{
    const Menu* m = handles().find<Menu>(menu);
    if (!m)
        return nullptr;
    const QList<QAction*> items = itemsOf(*m);
    return position >= 0 && position < items.size() ? items.at(position) : nullptr;
}

QAction* itemWithId(const QList<QAction*>& items, uint32_t id)
{
    for (QAction* item : items) {
        if (item->property(kCommandId).toUInt() == id)
            return item;
        if (item->menu())
            if (QAction* found = itemWithId(item->menu()->actions(), id))
                return found;
    }
    return nullptr;
}

std::optional<QPixmap> pixmapOf(HBITMAP bitmap)
{
    if (bitmap == 0)
        return QPixmap();
    Bitmap* b = handles().find<Bitmap>(bitmap);
    if (!b)
        return std::nullopt;
    return QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(b->pixels.data()), b->width, b->height,
                                     b->width * 4, QImage::Format_RGB32)
                                  .copy());
}

} // namespace

HMENU GetMenu(HWND hwnd)
{
    const Window* w = handles().find<Window>(hwnd);
    if (!w || !w->widget || !w->widget->isWindow() || barMenus(*w->widget).isEmpty())
        return 0;
    return handleOf(w->widget, w->widget, nullptr);
}

HMENU GetSubMenu(HMENU menu, int position)
{
    QAction* item = itemAt(menu, position);
    return item && item->menu() ? handleOf(item->menu(), nullptr, item->menu()) : 0;
}

uint32_t GetMenuItemID(HMENU menu, int position)
{
    QAction* item = itemAt(menu, position);
    if (!item || item->menu())
        return kNoItem;
    if (item->isSeparator())
        return 0;
    static uint32_t next = 1;
    if (!item->property(kCommandId).isValid())
        item->setProperty(kCommandId, next++);
    return item->property(kCommandId).toUInt();
}

bool SetMenuItemBitmaps(HMENU menu, uint32_t item, uint32_t flags, HBITMAP unchecked, HBITMAP checked)
{
    const Menu* m = handles().find<Menu>(menu);
    if (!m)
        return false;
    QAction* action = nullptr;
    if (flags & MF_BYPOSITION)
        action = itemAt(menu, static_cast<int>(item));
    else if (item != 0 && item != kNoItem)
        action = itemWithId(itemsOf(*m), item);
    const std::optional<QPixmap> off = pixmapOf(unchecked);
    const std::optional<QPixmap> on = pixmapOf(checked);
    if (!action || !off || !on)
        return false;
    QIcon icon;
    if (!off->isNull())
        icon.addPixmap(*off, QIcon::Normal, QIcon::Off);
    if (!on->isNull())
        icon.addPixmap(*on, QIcon::Normal, QIcon::On);
    action->setIcon(icon);
    action->setIconVisibleInMenu(!icon.isNull());
    return true;
}

} // namespace gdi
