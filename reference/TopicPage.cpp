#include "reference/TopicPage.h"

#include "platform/controls/Colors.h"
#include "platform/controls/Label.h"
#include "platform/controls/Line.h"
#include "platform/controls/TextBox.h"
#include "platform/forms/Screen.h"
#include "ui/Look.h"

using controls::designFont;
using forms::place;

TopicPage::TopicPage(int number) : ReferenceWindow(reference::topicPageDesign(number).window)
{
    const reference::TopicPageDesign& design = reference::topicPageDesign(number);

    Line1 = new controls::Line(this, 120, 1200, 8880, 1200, Qt::white, 1, Qt::DotLine);
    Line1->setObjectName(QStringLiteral("Line1"));

    Label1 = new controls::Label(this, QString::fromUtf8(design.heading), Qt::AlignLeft | Qt::AlignTop);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(false);
    Label1->setFont(designFont(QStringLiteral("Georgia"), 12, true));
    Label1->setForeColor(Qt::white);
    place(Label1, design.headingLeft, 1320, design.headingWidth, 375);

    Text = reference::makeTextPage(this, QLatin1String(design.textName), QLatin1String(design.text),
                                   ui::look::captionFont(), reference::Editing::Editable);
    place(Text, 120, 1680, design.textWidth, design.textHeight);
    Label1->setBuddy(Text); // the heading names the page
}
