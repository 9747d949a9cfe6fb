#include "workbench/shared/PairDesign.h"

#include "platform/controls/Label.h"

namespace workbench {

controls::Label* makePairCaption(QWidget* parent, const char* name, ui::Twips at, Qt::Alignment align,
                                 const PairCaptionLook& look, const QString& text)
{
    auto* label = ui::makeCaption(parent, QLatin1String(name), text, at, look.font, align ? align : look.align);
    if (look.colour.isValid())
        label->setForeColor(look.colour);
    return label;
}

} // namespace workbench
