#include "ui/DesignControls.h"

#include "platform/controls/Accessibility.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/lvButtons_H.h"
#include "platform/forms/Screen.h"
#include "resources/Pictures.h"
#include "ui/Look.h"

namespace ui {

void nameAndPlace(QWidget* control, const QString& name, Twips at)
{
    control->setObjectName(name);
    forms::place(control, at.left, at.top, at.width, at.height);
}

Banner makeBanner(QWidget* parent, double left, double top, const QString& pictureName)
{
    auto* box = named(new controls::PictureBox(parent, Qt::black), QStringLiteral("Picture3"), {left, top, 7095, 975});
    auto* picture =
        named(new controls::Image(box, resources::path(resources::Picture::Banner)), pictureName, {0, 0, 7020, 900});
    return {box, picture};
}

controls::Label* makeCaption(QWidget* parent, const QString& name, const QString& caption, Twips at, const QFont& font,
                             Qt::Alignment align)
{
    auto* label = named(new controls::Label(parent, caption, align), name, at);
    label->setFont(font);
    return label;
}

controls::TextBox* makeDisplayBox(QWidget* parent, const QString& name, Twips at, bool multiLine)
{
    auto* box = named(new controls::TextBox(parent, {}, multiLine), name, at);
    box->setReadOnly(true);
    box->setCentered(true);
    box->setBackColor(Qt::white);
    box->setForeColor(Qt::black);
    box->setFont(look::displayFont());
    return box;
}

controls::lvButtons_H* makePushButton(QWidget* parent, const QString& name, const QString& caption, Twips at,
                                      const QFont& font, ButtonLook style)
{
    auto* button = named(new controls::lvButtons_H(parent, caption), name, at);
    button->setFont(font);
    switch (style) {
    case ButtonLook::Standard:
        button->setColors(Qt::black, look::buttonFace, look::captionRed, look::buttonHoverFace);
        break;
    case ButtonLook::RedCaption:
        button->setColors(look::captionRed, look::buttonFace, Qt::black, look::buttonHoverFace);
        break;
    case ButtonLook::Race:
        button->setColors(Qt::black, look::raceButtonFace, look::captionRed, look::raceButtonHoverFace);
        break;
    }
    return button;
}

controls::TextBox* makeValueHolder(QWidget* parent, const QString& name, const QString& value, Twips at)
{
    auto* holder = new controls::TextBox(parent, value);
    holder->setObjectName(name);
    holder->setReadOnly(true);
    holder->setFocusPolicy(Qt::NoFocus);
    controls::hideFromScreenReaders(holder);
    forms::place(holder, at.left, at.top, at.width, at.height);
    return holder;
}

} // namespace ui
