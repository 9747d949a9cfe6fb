#include "workbench/Frmsplash.h"

#include "platform/controls/Colors.h"
#include "platform/controls/Label.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/Shape.h"
#include "platform/forms/App.h"
#include "platform/forms/Guard.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Screen.h"
#include "resources/Pictures.h"
#include "resources/Resources.h"
#include "workbench/ana.h"

using controls::colorRef;
using forms::place;

Frmsplash::Frmsplash()
{
    setObjectName(QStringLiteral("Frmsplash"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    resources::applyWindowLook(this);
    unsetCursor(); // the splash keeps the default pointer
    setClientSizeTwips(6030, 5070);
    setStyleSheet(QString());

    auto* photo = new controls::PictureBox(this, QColor(0x10, 0x10, 0x14));
    photo->setObjectName(QStringLiteral("picBackground"));
    photo->setPicture(resources::path(resources::Picture::SplashBackground));
    place(photo, 0, 0, 6030, 4320);

    Picture2 = new controls::PictureBox(this, QColor(0x1A, 0x1A, 0x1E));
    Picture2->setObjectName(QStringLiteral("Picture2"));
    place(Picture2, 0, 4320, 6015, 735);

    Label3 = new controls::Label(Picture2, QStringLiteral("Araçlar Yükleniyor Lütfen Bekleyiniz..."), Qt::AlignCenter);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setForeColor(colorRef(0xE0E0E0));
    Label3->setFont(controls::designFont(QStringLiteral("Georgia"), 9));
    place(Label3, 840, 0, 4335, 255);

    for (int i = 0; i < 9; ++i) {
        auto* square = new controls::Shape(Picture2);
        square->setObjectName(QStringLiteral("shpArr(%1)").arg(i));
        square->setFilled(true);
        square->setFillColor(colorRef(kUnlit));
        square->setBorder(QColor(0x40, 0x40, 0x40));
        place(square, 840 + 480 * i, 240, 375, 375);
        shpArr[static_cast<std::size_t>(i)] = square;
    }

    Picture1 = new controls::PictureBox(this, QColor(0x1A, 0x1A, 0x1E));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    place(Picture1, 0, 0, 6015, 495);

    Shape1 = new controls::Shape(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setBorder(QColor(0x60, 0x60, 0x68));
    place(Shape1, 0, 0, 6015, 5055);

    tmrTimer = new forms::Timer(this, true, 0);
    forms::on(tmrTimer, &forms::Timer::Tick, this, &Frmsplash::tmrTimer_Timer);
}

void Frmsplash::Form_Load()
{
    setTop((forms::Screen::Height() - Height()) / 2.0);
    setLeft((forms::Screen::Width() - Width()) / 2.0);
    shpArr[0]->setFillColor(colorRef(kLit));
    lightPosition = 0;
    tickCount = vb::Int16(1);
    movingBack = false;
    tmrTimer->setInterval(65);

    if (forms::App::PrevInstance()) {
        // The message box is modal, but the light's timer would go on ticking under it and hand
        // over to a main window of this second process; it must stop first.
        tmrTimer->setEnabled(false);
        forms::MsgBox(QStringLiteral("Zenvortali V 2.0 Programı Zaten Açık..."), forms::vbInformation,
                      QStringLiteral("Zenvortali V 2.0 Hata"));
        forms::App::End(0);
    }
}

void Frmsplash::Form_Unload(int&)
{
    // Closed by the user before the main window took over: nothing is left to run, so the program
    // ends rather than living on unseen and holding the single-instance lock.
    if (!forms::loadedInstance<ana>())
        forms::App::End(0);
}

void Frmsplash::tmrTimer_Timer()
{
    PaintShape(vb::Int16::from(lightPosition), kUnlit);
    if (!movingBack) {
        ++lightPosition;
        if (lightPosition >= 8)
            movingBack = true;
    } else {
        --lightPosition;
        if (lightPosition <= 0)
            movingBack = false;
    }
    PaintShape(vb::Int16::from(lightPosition), kLit);
    ++tickCount;
    if (tickCount == vb::Int16(40)) {
        // No tick runs while the main window loads, even under a message box it shows.
        tmrTimer->setEnabled(false);
        forms::instance<ana>().Show();
        Unload();
    }
}

void Frmsplash::PaintShape(vb::Int16 index, uint32_t colour)
{
    shpArr.at(static_cast<std::size_t>(index.value()))->setFillColor(colorRef(colour));
}
