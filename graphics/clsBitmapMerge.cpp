// The masked merge: two textures composed through a mask in seven whole-rectangle raster steps.
#include "graphics/clsBitmap.h"

#include "graphics/TwipsToPixels.h"
#include "platform/gdi/Gdi.h"

using vb::Int16;

void clsBitmap::MergeBitmaps(gdi::HDC hDcTextureBack, gdi::HDC hDcTextureFore, gdi::HDC hDcMask, Int16 intDestX,
                             Int16 intDestY, Int16 intTextureBackX, Int16 intTextureBackY, Int16 intTextureForeX,
                             Int16 intTextureForeY, Int16 intMaskX, Int16 intMaskY, Int16 intMaskWidth,
                             Int16 intMaskHeight, int32_t udtMeasurement)
{
    const auto orOwn = [](Int16& value, long long own) {
        if (value.value() == Omitted)
            value = Int16::from(own);
    };
    for (Int16* x : {&intDestX, &intTextureBackX, &intTextureForeX, &intMaskX})
        orOwn(*x, m_rcImage.left);
    for (Int16* y : {&intDestY, &intTextureBackY, &intTextureForeY, &intMaskY})
        orOwn(*y, m_rcImage.top);
    orOwn(intMaskWidth, static_cast<long long>(m_rcImage.right) - m_rcImage.left);
    orOwn(intMaskHeight, static_cast<long long>(m_rcImage.bottom) - m_rcImage.top);

    if (udtMeasurement == Twips)
        graphics::twipsToPixels({&intDestX, &intTextureBackX, &intTextureForeX, &intMaskX, &intMaskWidth},
                                {&intDestY, &intTextureBackY, &intTextureForeY, &intMaskY, &intMaskHeight});

    const int w = intMaskWidth.value();
    const int h = intMaskHeight.value();
    gdi::HDC a = 0, b = 0;
    gdi::HBITMAP bitmapA = 0, bitmapB = 0, oldA = 0, oldB = 0;
    const gdi::RECT work{0, 0, w, h};
    CreateMemoryBitmap(a, bitmapA, oldA, work, hDcMask, Pixels, 0);
    CreateMemoryBitmap(b, bitmapB, oldB, work, hDcMask, Pixels, 0);

    // A := fore; B := NOT mask; A := mask OR fore; B := back; B := NOT mask OR back; A := A AND B.
    // Bit by bit the result is (mask AND back) OR (NOT mask AND fore): white mask shows the back.
    const int16_t maskX = intMaskX.value(), maskY = intMaskY.value();
    gdi::BitBlt(a, 0, 0, w, h, hDcTextureFore, intTextureForeX.value(), intTextureForeY.value(), gdi::SRCCOPY);
    gdi::StretchBlt(b, 0, 0, w, h, hDcMask, maskX, maskY, w, h, gdi::MERGEPAINT);
    gdi::BitBlt(a, 0, 0, w, h, b, 0, 0, gdi::MERGEPAINT);
    gdi::BitBlt(b, 0, 0, w, h, hDcTextureBack, intTextureBackX.value(), intTextureBackY.value(), gdi::SRCCOPY);
    gdi::StretchBlt(b, 0, 0, w, h, hDcMask, maskX, maskY, w, h, gdi::MERGEPAINT);
    gdi::BitBlt(a, 0, 0, w, h, b, 0, 0, gdi::SRCAND);
    gdi::BitBlt(m_hDC, intDestX.value(), intDestY.value(), w, h, a, 0, 0, gdi::SRCCOPY);

    DestroyMemoryBitmap(a, bitmapA, oldA);
    DestroyMemoryBitmap(b, bitmapB, oldB);
}
