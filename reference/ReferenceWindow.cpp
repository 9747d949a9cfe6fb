#include "reference/ReferenceWindow.h"

#include "platform/controls/Image.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/TextBox.h"
#include "platform/forms/Screen.h"
#include "resources/Pictures.h"
#include "resources/Resources.h"
#include "ui/DesignControls.h"
#include "ui/Look.h"

#include <QFile>

static void initTexts() { Q_INIT_RESOURCE(zv_reference_texts); }

namespace reference {

using forms::place;

ReferenceWindow::ReferenceWindow(const WindowLook& look)
{
    static const bool textsRegistered = (initTexts(), true);
    (void)textsRegistered;

    designWindow(QLatin1String(look.name), QString::fromUtf8(look.caption), look.clientWidth, look.clientHeight);
    resources::applyWindowLook(this);
    if (!look.ownCursor)
        unsetCursor();

    // Created first, so everything else lies over it.
    auto* background = new controls::PictureBox(this, ui::look::referenceBlue);
    background->setObjectName(QStringLiteral("picBackground"));
    background->setPicture(resources::path(look.background));
    background->setGeometry(rect());

    const ui::Banner banner = ui::makeBanner(this, look.bannerLeft, 120);
    Picture3 = banner.box;
    Image1 = banner.picture;
    Image2 = new controls::Image(this, resources::path(resources::Picture::Logo));
    Image2->setObjectName(QStringLiteral("Image2"));
    place(Image2, look.logoLeft, 120, 1530, 975);
}

QString readText(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("compiled-in text %s is missing", qPrintable(resource));
    return QString::fromUtf8(file.readAll());
}

controls::TextBox* makeTextPage(QWidget* parent, const QString& name, const QString& textResource, const QFont& font,
                                Editing editing)
{
    auto* page = new controls::TextBox(parent, readText(textResource), true);
    page->setObjectName(name);
    page->setFont(font);
    page->setBackColor(Qt::white);
    page->setForeColor(Qt::black);
    if (editing == Editing::Locked) {
        page->setReadOnly(true);
        // Locked, not dead: the caret still moves and selects, so a reader can copy a passage.
        page->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    return page;
}

void showOnly(controls::TextBox* shown, std::span<controls::TextBox* const> pages)
{
    shown->setVisible(true);
    for (controls::TextBox* page : pages)
        if (page != shown)
            page->setVisible(false);
}

} // namespace reference
