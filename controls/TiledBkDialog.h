#pragma once
// A dialog whose client area is covered by one bitmap repeated in rows and columns.
#include "framework/Dialog.h"
#include "framework/Gdi.h"

// Holds the tile picture and tiles it over a rectangle of a device context.
class CTiledBitmap {
public:
    CTiledBitmap() = default;
    virtual ~CTiledBitmap() = default;
    CTiledBitmap(const CTiledBitmap&) = delete;
    CTiledBitmap& operator=(const CTiledBitmap&) = delete;

    // Makes the bitmap resource lpszName (a name or MAKEINTRESOURCE number) of this executable the
    // tile. A null name only removes the current tile. FALSE when the resource cannot be loaded.
    BOOL SetBitmap(LPCSTR lpszName);
    // Tiles the picture from device point (0, 0) over rc's width and height; the DC's clipping
    // cuts the last row and column. FALSE when there is no picture.
    BOOL TileBitmap(CDC* pDC, CRect rc);

protected:
    CBitmap m_bitmap;
    int m_nTileWidth = 0;
    int m_nTileHeight = 0;
};

class CTiledBkDialog : public CDialog, public CTiledBitmap {
public:
    CTiledBkDialog(UINT nIDTemplate, CWnd* pParentWnd);
    ~CTiledBkDialog() override = default;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    // TRUE when the background was tiled, else the dialog's default face-colour erase.
    BOOL OnEraseBkgnd(CDC* pDC);
};
