#include "Dib.h"
#include "controls/TiledBkDialog.h"
#include "res/resource.h"
#include <gtest/gtest.h>

namespace {

class Tile : public CTiledBitmap {
public:
    using CTiledBitmap::m_nTileHeight;
    using CTiledBitmap::m_nTileWidth;
};

const COLORREF kSentinel = RGB(1, 2, 3);

TEST(TiledBitmap, TilesFromTheOriginAndTheClippingCutsTheLastRowAndColumn)
{
    Tile tile;
    ASSERT_TRUE(tile.SetBitmap(MAKEINTRESOURCEA(IDB_BACKGROUND)));
    EXPECT_EQ(tile.m_nTileWidth, 240);
    EXPECT_EQ(tile.m_nTileHeight, 160);
    struct Area {
        int w, h;
    };
    for (Area a : {Area{480, 320}, Area{500, 170}}) {
        SCOPED_TRACE(a.w);
        Dib out(a.w, a.h);
        out.Fill(kSentinel);
        CDC dc(out.dc);
        // The rectangle's origin does not move the grid.
        EXPECT_TRUE(tile.TileBitmap(&dc, CRect(7, 9, 7 + a.w, 9 + a.h)));
        int wrong = 0;
        for (int y = 0; y < a.h; ++y)
            for (int x = 0; x < a.w; ++x)
                wrong += out.Pixel(x, y) != TilePixel(x, y);
        EXPECT_EQ(wrong, 0);
    }
}

TEST(TiledBitmap, EmptyRectanglesMissingNamesAndNullNames)
{
    Tile tile;
    Dib out(50, 50);
    out.Fill(kSentinel);
    CDC dc(out.dc);
    EXPECT_FALSE(tile.TileBitmap(&dc, CRect(0, 0, 50, 50))) << "nothing set yet";
    ASSERT_TRUE(tile.SetBitmap(MAKEINTRESOURCEA(IDB_BACKGROUND)));
    EXPECT_TRUE(tile.TileBitmap(&dc, CRect(0, 0, 0, 50)));
    EXPECT_TRUE(tile.TileBitmap(&dc, CRect(0, 0, 50, 0)));
    EXPECT_EQ(out.Pixel(0, 0), kSentinel);
    EXPECT_EQ(out.Pixel(49, 49), kSentinel);

    EXPECT_TRUE(tile.SetBitmap(nullptr));
    EXPECT_FALSE(tile.TileBitmap(&dc, CRect(0, 0, 50, 50)));
    ASSERT_TRUE(tile.SetBitmap(MAKEINTRESOURCEA(IDB_BACKGROUND)));
    EXPECT_FALSE(tile.SetBitmap(MAKEINTRESOURCEA(IDI_EXIT))) << "an icon is no bitmap";
    EXPECT_FALSE(tile.TileBitmap(&dc, CRect(0, 0, 50, 50))) << "a failed load leaves no tile";
    EXPECT_EQ(out.Pixel(0, 0), kSentinel);
}

// A dialog without a tile erases with the face colour; with one, with the tile.
class EraseDlg : public CTiledBkDialog {
public:
    EraseDlg() : CTiledBkDialog(IDD_ABOUT_BOX, nullptr) {}
    using CTiledBitmap::SetBitmap;
};

TEST(TiledBkDialog, EraseTilesOrFallsBackToTheFaceColour)
{
    EraseDlg dlg;
    ASSERT_TRUE(dlg.Create());
    Dib out(60, 40);
    out.Fill(kSentinel);
    EXPECT_TRUE(SendMessageA(dlg.m_hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(out.dc), 0));
    EXPECT_EQ(out.Pixel(10, 10), GetSysColor(COLOR_BTNFACE));
    dlg.SetBitmap(MAKEINTRESOURCEA(IDB_BACKGROUND));
    EXPECT_TRUE(SendMessageA(dlg.m_hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(out.dc), 0));
    EXPECT_EQ(out.Pixel(10, 10), TilePixel(10, 10));
    EXPECT_EQ(out.Pixel(10, 10), RGB(201, 211, 211));
    DestroyWindow(dlg.m_hWnd);
}

}  // namespace
