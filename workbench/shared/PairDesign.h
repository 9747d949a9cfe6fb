#pragma once

#include "platform/controls/Label.h"
#include "platform/controls/lvButtons_H.h"
#include "platform/forms/Guard.h"
#include "ui/AddRemovePair.h"
#include "ui/DesignControls.h"
#include "workbench/shared/ModificationCatalogue.h"

#include <QColor>
#include <QFont>

#include <cstddef>

namespace controls {
class TextBox;
} // namespace controls

namespace workbench {

// Where a window keeps a control it builds from a table row: a member (`member<&ana::Label5>`) or an
// element of a member array (`element<&ana::Label4, 3>`), as the design names it.
template <class Window, class Control>
using Slot = Control*& (*)(Window&);

namespace detail {
template <class>
struct MemberOf;
template <class Window, class Type>
struct MemberOf<Type Window::*> {
    using Class = Window;
    using Value = Type;
};
} // namespace detail

template <auto Member>
typename detail::MemberOf<decltype(Member)>::Value& member(typename detail::MemberOf<decltype(Member)>::Class& w)
{
    return w.*Member;
}

template <auto Array, std::size_t Index>
typename detail::MemberOf<decltype(Array)>::Value::value_type&
element(typename detail::MemberOf<decltype(Array)>::Class& w)
{
    return (w.*Array)[Index];
}

// One add / remove pair of a car window as designed, in twips within the parents the window gives:
// the modification's caption over the pair, its "+EKLE" and "-KALDIR" buttons, and the label that
// shows while the modification is counted (the drag race has none).
template <class Window>
struct PairDesign {
    struct Caption {
        Slot<Window, controls::Label> control = nullptr;
        const char* name = nullptr;
        ui::Twips at = {};
        Qt::Alignment align = {}; // none: the window's alignment for these captions
    };
    struct Button {
        controls::lvButtons_H* Window::*control;
        const char* name;
        void (Window::*onClick)();
        ui::Twips at;
    };

    Caption caption;
    Button add;
    Button remove;
    Caption applied = {};
};

// How a window draws the captions of all its pairs.
struct PairCaptionLook {
    QFont font;
    Qt::Alignment align;
    QColor colour = {}; // invalid: the label's own
};

// How a window draws all its pairs.
struct PairLook {
    QFont buttonFont;
    ui::ButtonLook buttons = ui::ButtonLook::Standard;
    PairCaptionLook caption;
    PairCaptionLook applied = {};
};

// A caption of a pair, in the window's look for such captions unless its design aligns it otherwise.
controls::Label* makePairCaption(QWidget* parent, const char* name, ui::Twips at, Qt::Alignment align,
                                 const PairCaptionLook& look, const QString& text);

// Builds catalogue row `row`'s pair from its design: the caption and buttons in `parent`, the
// applied label in `appliedParent`, counting what `holder` holds. The remove button starts
// disabled, the applied label hidden.
template <class Window>
ui::AddRemovePair buildPair(Window& w, const PairDesign<Window>& design, const PairLook& look, std::size_t row,
                            controls::TextBox* holder, QWidget* parent, QWidget* appliedParent = nullptr)
{
    const Modification& modification = ModificationCatalogue::at(row);
    design.caption.control(w) = makePairCaption(parent, design.caption.name, design.caption.at, design.caption.align,
                                                look.caption, modification.gridCaption);

    auto makeButton = [&](const typename PairDesign<Window>::Button& button, const QString& caption) {
        auto* control = w.*button.control =
            ui::makePushButton(parent, QLatin1String(button.name), caption, button.at, look.buttonFont, look.buttons);
        forms::on(control, &controls::lvButtons_H::Click, &w, button.onClick);
        return control;
    };
    ui::AddRemovePair pair{.add = makeButton(design.add, QStringLiteral("+EKLE")),
                           .remove = makeButton(design.remove, QStringLiteral("-KALDIR")),
                           .holder = holder};
    pair.remove->setEnabled(false);

    if (design.applied.control) {
        pair.applied = design.applied.control(w) =
            makePairCaption(appliedParent ? appliedParent : parent, design.applied.name, design.applied.at,
                            design.applied.align, look.applied, modification.appliedCaption);
        pair.applied->setVisible(false);
    }
    return pair;
}

} // namespace workbench
