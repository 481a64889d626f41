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

HBITMAP LoadPicture(UINT id)
{
    return static_cast<HBITMAP>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0,
                                           LR_DEFAULTCOLOR));
}

} // namespace

SkinResources::SkinResources()
    : bold_(CreateVerdana(FW_BOLD, false)),
      italic_(CreateVerdana(FW_NORMAL, true)),
      tab_(LoadPicture(kTabPictureId)),
      pinOff_(LoadPicture(kPinOffPictureId)),
      pinOn_(LoadPicture(kPinOnPictureId))
{
}
