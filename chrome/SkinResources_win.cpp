#include "chrome/SkinResources_win.h"

#include "app/ResourceLoader_win.h"

namespace {

HFONT CreateVerdana(int weight, bool italic)
{
    HDC screen = GetDC(nullptr);
    int height = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontA(height, 0, 0, 0, weight, italic ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                       "Verdana");
}

// flags LR_LOADMAP3DCOLORS for pictures on buttons: their light grey becomes the button face.
HBITMAP LoadPicture(UINT id, UINT flags = LR_DEFAULTCOLOR)
{
    return static_cast<HBITMAP>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, flags));
}

} // namespace

SkinResources::SkinResources()
    : bold_(CreateVerdana(FW_BOLD, false)),
      italic_(CreateVerdana(FW_NORMAL, true)),
      tab_(LoadPicture(kTabPictureId)),
      pinOff_(LoadPicture(kPinOffPictureId, LR_LOADMAP3DCOLORS)),
      pinOn_(LoadPicture(kPinOnPictureId, LR_LOADMAP3DCOLORS))
{
}
