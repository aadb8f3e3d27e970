#include "ControlFixture.h"
#include "Dib.h"
#include <memory>

namespace {

enum Colour { BG, HL, LT, DK, SH };

COLORREF Expected(Colour c, POINT parentPt)
{
    switch (c) {
    case HL: return GetSysColor(COLOR_BTNHIGHLIGHT);
    case LT: return GetSysColor(COLOR_3DLIGHT);
    case DK: return GetSysColor(COLOR_3DDKSHADOW);
    case SH: return GetSysColor(COLOR_BTNSHADOW);
    default: return TilePixel(parentPt.x, parentPt.y);
    }
}

class PaintTest : public DialogTest {
protected:
    // Paints b with the draw-request state into a fresh surface of its client size.
    std::unique_ptr<Dib> Paint(ProbeButton& b, UINT state)
    {
        RECT rc;
        GetClientRect(b.m_hWnd, &rc);
        auto dib = std::make_unique<Dib>(rc.right, rc.bottom);
        dib->Fill(RGB(1, 2, 3));
        DRAWITEMSTRUCT dis{ODT_BUTTON, static_cast<UINT>(GetDlgCtrlID(b.m_hWnd)), 0, ODA_DRAWENTIRE, state,
                           b.m_hWnd, dib->dc, rc, 0};
        b.DrawItem(&dis);
        return dib;
    }
    // The control's top-left in the dialog's client area, where the tile grid starts.
    static POINT Origin(HWND b)
    {
        RECT r;
        GetWindowRect(b, &r);
        POINT p{r.left, r.top};
        ScreenToClient(GetParent(b), &p);
        return p;
    }
    static void Bare(ProbeButton& b)
    {
        b.SetWindowText("");
        b.SetIcon(static_cast<HICON>(nullptr));
    }
};

struct Probe {
    int x, y;  // negative: from the right or bottom edge
    Colour c;
};

struct FrameCase {
    const char* name;
    bool flat, hover, isDefault;
    UINT state;
    std::vector<Probe> probes;
};

TEST_F(PaintTest, FramesByLookAndState)
{
    const FrameCase cases[] = {
        {"raised", false, false, false, 0,
         {{0, 5, HL}, {5, 0, HL}, {1, 5, LT}, {5, 1, LT}, {5, -1, DK}, {-1, 5, DK}, {-1, 0, DK}, {0, -1, DK},
          {5, -2, SH}, {-2, 5, SH}, {-2, 1, SH}, {2, 5, BG}, {5, 2, BG}}},
        {"raised pressed", false, false, false, ODS_SELECTED,
         {{0, 5, SH}, {5, 0, SH}, {-1, 5, SH}, {5, -1, SH}, {1, 5, BG}, {5, 1, BG}}},
        {"raised default", false, false, true, 0,
         {{0, 5, BG}, {5, 0, BG}, {-1, 5, BG}, {5, -1, BG}, {1, 5, HL}, {5, 1, HL}, {2, 5, LT}, {-2, 5, DK},
          {5, -2, DK}, {-3, 5, SH}}},
        {"raised focused", false, false, false, ODS_FOCUS, {{0, 5, BG}, {1, 5, HL}, {-2, 5, DK}}},
        {"raised pressed default", false, false, true, ODS_SELECTED, {{0, 5, BG}, {1, 5, SH}, {-2, 5, SH}, {2, 5, BG}}},
        {"flat", true, false, true, ODS_FOCUS, {{0, 5, BG}, {5, 0, BG}, {-1, 5, BG}, {5, -1, BG}, {4, 4, BG}}},
        {"flat hover", true, true, false, 0,
         {{5, 0, HL}, {0, 5, HL}, {-1, 5, SH}, {5, -1, SH}, {-1, 0, SH}, {0, -1, SH}, {1, 5, BG}}},
        {"flat pressed", true, true, false, ODS_SELECTED,
         {{5, 0, SH}, {0, 5, SH}, {-1, 5, HL}, {5, -1, HL}, {-1, 0, HL}, {0, -1, HL}, {1, 5, BG}}},
    };
    ProbeButton& b = dlg.formatBtn;
    Bare(b);
    POINT o = Origin(b.m_hWnd);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        b.SetFlat(c.flat, FALSE);
        b.m_bHover = c.hover;
        b.m_bDefault = c.isDefault;
        auto dib = Paint(b, c.state);
        for (const Probe& p : c.probes) {
            int x = p.x < 0 ? dib->w + p.x : p.x, y = p.y < 0 ? dib->h + p.y : p.y;
            EXPECT_EQ(dib->Pixel(x, y), Expected(p.c, {o.x + x, o.y + y})) << "at " << x << "," << y;
        }
    }
}

// Pixels of row y from x0 to x1 that differ from the background.
int Changed(const Dib& d, POINT o, int y, int x0, int x1)
{
    int n = 0;
    for (int x = x0; x <= x1; ++x)
        n += d.Pixel(x, y) != TilePixel(o.x + x, o.y + y);
    return n;
}

TEST_F(PaintTest, FocusRectangleLiesFourPixelsInOnAFocusedRaisedButtonOnly)
{
    ProbeButton& b = dlg.formatBtn;
    Bare(b);
    b.SetFlat(FALSE, FALSE);
    POINT o = Origin(b.m_hWnd);
    auto focused = Paint(b, ODS_FOCUS);
    int w = focused->w, h = focused->h;
    EXPECT_GT(Changed(*focused, o, 4, 4, w - 5), (w - 8) / 3);
    EXPECT_GT(Changed(*focused, o, h - 5, 4, w - 5), (w - 8) / 3);
    EXPECT_EQ(Changed(*focused, o, 3, 3, w - 4), 0);
    EXPECT_EQ(Changed(*focused, o, 5, 5, w - 6), 0);
    b.m_bDefault = TRUE;
    auto byDefault = Paint(b, 0);
    EXPECT_EQ(Changed(*byDefault, o, 4, 4, w - 5), 0) << "a default button that is not focused has none";
    b.SetFlat(TRUE, FALSE);
    auto flat = Paint(b, ODS_FOCUS);
    EXPECT_EQ(Changed(*flat, o, 4, 4, w - 5), 0) << "flat buttons never draw one";
}

// A solid blue 32 x 32 icon, so its place can be found by colour.
HICON BlueIcon()
{
    std::vector<uint32_t> blue(32 * 32, 0xFF0000FFu);
    std::vector<uint8_t> mask(32 * 32 / 8, 0);
    ICONINFO ii{TRUE, 16, 16, CreateBitmap(32, 32, 1, 1, mask.data()), CreateBitmap(32, 32, 1, 32, blue.data())};
    HICON icon = CreateIconIndirect(&ii);
    DeleteObject(ii.hbmMask);
    DeleteObject(ii.hbmColor);
    return icon;
}

struct Box {
    int left = 100000, top = 100000, right = -1, bottom = -1;  // inclusive
    bool empty() const { return right < 0; }
};

template <class Pred>
Box Find(const Dib& d, Pred pred)
{
    Box b;
    for (int y = 0; y < d.h; ++y)
        for (int x = 0; x < d.w; ++x)
            if (pred(d.Pixel(x, y))) {
                b.left = std::min(b.left, x);
                b.top = std::min(b.top, y);
                b.right = std::max(b.right, x);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}

bool IsBlue(COLORREF c) { return c == RGB(0, 0, 255); }

TEST_F(PaintTest, IconPlacementByTextOffsetAndPress)
{
    ProbeButton& b = dlg.updateBtn;
    b.SetIcon(BlueIcon());
    struct Case {
        const char* text;
        int offset;
        UINT state;
        int left;  // -1: centred
        int down;
    };
    const Case cases[] = {
        {"Go", 0, 0, 3, 0},
        {"Go", 10, 0, 13, 0},
        {"Go", 10, ODS_SELECTED, 14, 1},
        {"", 0, 0, -1, 0},
        {"", 0, ODS_SELECTED, -1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " offset " + std::to_string(c.offset) + " state " + std::to_string(c.state));
        b.SetWindowText(c.text);
        b.m_nIconOffsetX = c.offset;
        auto d = Paint(b, c.state);
        Box icon = Find(*d, IsBlue);
        ASSERT_FALSE(icon.empty());
        int left = c.left >= 0 ? c.left : (d->w - 32) / 2 + c.down;
        EXPECT_EQ(icon.left, left);
        EXPECT_EQ(icon.top, (d->h - 32) / 2 + c.down);
        EXPECT_EQ(icon.right - icon.left + 1, 32) << "drawn at its own size";
        EXPECT_EQ(icon.bottom - icon.top + 1, 32);
    }
}

TEST_F(PaintTest, TheIconOffsetMovesTheIconOnlyNotTheCaption)
{
    ProbeButton& b = dlg.updateBtn;
    b.SetIcon(BlueIcon());
    b.SetWindowText("Update CF Card");
    POINT o = Origin(b.m_hWnd);
    std::vector<std::unique_ptr<Dib>> shots;
    for (int offset : {0, 10}) {
        b.m_nIconOffsetX = offset;
        shots.push_back(Paint(b, 0));
    }
    const Dib &a = *shots[0], &c = *shots[1];
    int text = 0, moved = 0;
    for (int y = 0; y < a.h; ++y)
        for (int x = 3 + 10 + 32; x < a.w; ++x) {
            bool inA = a.Pixel(x, y) != TilePixel(o.x + x, o.y + y);
            text += inA;
            moved += a.Pixel(x, y) != c.Pixel(x, y);
        }
    EXPECT_GT(text, 20) << "the caption is drawn right of the icon";
    EXPECT_EQ(moved, 0);
}

TEST_F(PaintTest, DisabledIconAndEmbossedCaption)
{
    ProbeButton& b = dlg.updateBtn;
    b.SetIcon(BlueIcon());
    b.SetWindowText("Exit");
    auto d = Paint(b, ODS_DISABLED);
    EXPECT_TRUE(Find(*d, IsBlue).empty()) << "the icon is drawn in the disabled rendering";
    COLORREF hl = GetSysColor(COLOR_BTNHIGHLIGHT), sh = GetSysColor(COLOR_BTNSHADOW);
    // Only the caption's area: the disabled icon uses the same colours.
    Dib caption(d->w - 40, d->h);
    BitBlt(caption.dc, 0, 0, caption.w, caption.h, d->dc, 40, 0, SRCCOPY);
    Box light = Find(caption, [hl](COLORREF c) { return c == hl; });
    Box dark = Find(caption, [sh](COLORREF c) { return c == sh; });
    ASSERT_FALSE(light.empty());
    ASSERT_FALSE(dark.empty());
    EXPECT_EQ(light.right, dark.right + 1) << "the highlight copy lies one pixel right and down";
    EXPECT_EQ(light.bottom, dark.bottom + 1);
}

TEST_F(PaintTest, LabelTextStartsTopLeftInSlotSix)
{
    ProbeButton& l = dlg.helpLbl;
    l.SetLabelMode(TRUE, FALSE);
    l.SetColor(6, RGB(255, 0, 0), FALSE);
    l.SetWindowText("Hi");
    auto d = Paint(l, ODS_DISABLED);
    Box red = Find(*d, [](COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60; });
    ASSERT_FALSE(red.empty());
    EXPECT_LE(red.left, 2);
    EXPECT_LE(red.top, 4);
    EXPECT_LT(red.right, d->w / 4) << "a label is not centred";
    // Every paint starts from the cached background: a shorter text leaves nothing behind.
    l.SetWindowText("");
    auto cleared = Paint(l, ODS_DISABLED);
    EXPECT_TRUE(Find(*cleared, [](COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 60; }).empty());
}

}  // namespace
