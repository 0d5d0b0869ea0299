// Drawing surfaces: CDC draws text, pictures and focus marks through a QPainter and measures
// text in its current font. A memory surface (CreateCompatibleDC) holds one selected picture as
// the source of BitBlt. A surface without a painter, such as CWnd::GetDC hands out outside
// painting, measures text and draws nothing. The surface of a window during its paint message
// is CPaintDC (PaintDc.h). Surfaces know no windows.
#pragma once

#include <QFont>
#include <QString>
#include <memory>

#include "platform/ui/UiTypes.h"

class QPainter;
class CBitmap;
class CFont;

// Raster operations of BitBlt.
inline constexpr DWORD SRCCOPY = 0x00CC0020;
inline constexpr DWORD BLACKNESS = 0x00000042;

// ExtTextOut options.
inline constexpr UINT ETO_OPAQUE = 0x0002;

struct TEXTMETRICA {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
};

class CDC {
public:
    CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    // Makes this a memory surface whose selected picture BitBlt copies from.
    BOOL CreateCompatibleDC(CDC* pDC);

    // Select a picture (memory surfaces) or a font; each returns the previous one, null for
    // none or the default font. Selecting null puts the default back.
    CBitmap* SelectObject(CBitmap* pBitmap);
    CFont* SelectObject(CFont* pFont);

    // Text is drawn opaque: each run of text fills its cell with the background colour.
    COLORREF SetTextColor(COLORREF color);
    COLORREF SetBkColor(COLORREF color);

    // SRCCOPY copies from the picture selected into pSrcDC (what lies outside it is left
    // alone), at the pixel density of this surface's device (Picture.h); coordinates are
    // logical pixels. BLACKNESS fills the rectangle with black. FALSE for other operations.
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                DWORD dwRop);

    // 8-bit texts are UTF-8; the top of the text cell is at y.
    BOOL TextOut(int x, int y, const char* lpszString, int nCount);
    // ETO_OPAQUE fills lpRect with the background colour first; the text may be empty.
    BOOL ExtTextOut(int x, int y, UINT nOptions, const RECT* lpRect, const char* lpszString,
                    UINT nCount);
    // Tabs move to the next stop after the pen, stops counted from nTabOrigin: every
    // lpnTabStopPositions[0] pixels for one stop, the listed positions for more (then one
    // blank's width past the last), every eight average character widths for none. Returns
    // the width and height of the drawn text.
    SIZE TabbedTextOut(int x, int y, const char* lpszString, int nCount, int nTabPositions,
                       const int* lpnTabStopPositions, int nTabOrigin);
    // A tab counts as one character here: it is not expanded.
    BOOL GetTextExtentPoint32A(const char* lpszString, int nCount, SIZE* lpSize) const;
    // Advance widths of the 8-bit characters nFirstChar to nLastChar into lpBuffer.
    BOOL GetCharWidthA(UINT nFirstChar, UINT nLastChar, int* lpBuffer) const;
    BOOL GetTextMetricsA(TEXTMETRICA* lpMetrics) const;

    // Inverts a dotted frame along the inside of the rectangle; drawn twice it disappears.
    void DrawFocusRect(const RECT* lpRect);
    // Draws the icon at its large size (SM_CXICON by SM_CYICON).
    BOOL DrawIcon(int x, int y, HICON hIcon);

protected:
    // Makes the surface draw with painter, which it then owns.
    void SetPainter(std::unique_ptr<QPainter> painter);

private:
    QString Text(const char* text, int count) const;
    void DrawRun(int x, int y, const QString& text);
    int TabStopAfter(int position, int nTabPositions, const int* lpnTabStopPositions,
                     int nTabOrigin) const;

    std::unique_ptr<QPainter> m_painter;
    bool m_bMemory = false;
    CBitmap* m_pBitmap = nullptr;
    CFont* m_pFont = nullptr;
    QFont m_font;
    COLORREF m_crText = 0;           // black
    COLORREF m_crBack = 0x00FFFFFF;  // white
};
