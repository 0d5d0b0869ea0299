#include "platform/ui/Dc.h"

#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <utility>

#include "platform/ui/Gdi.h"
#include "platform/ui/Picture.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/qt/FontFit.h"

namespace {

QColor ToColor(COLORREF color) {
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

}  // namespace

CDC::CDC() : m_font(platform::qt::SurfaceFont()) {}

CDC::~CDC() = default;

void CDC::SetPainter(std::unique_ptr<QPainter> painter) {
    if (painter != nullptr && painter->isActive()) {
        m_painter = std::move(painter);
    }
}

BOOL CDC::CreateCompatibleDC(CDC* /*pDC*/) {
    m_bMemory = true;
    return TRUE;
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    if (!m_bMemory) {
        return nullptr;  // only memory surfaces hold a picture
    }
    CBitmap* previous = m_pBitmap;
    m_pBitmap = pBitmap;
    return previous;
}

CFont* CDC::SelectObject(CFont* pFont) {
    CFont* previous = m_pFont;
    m_pFont = pFont;
    m_font = pFont != nullptr && pFont->GetSafeHandle() != nullptr ? *pFont->GetSafeHandle()
                                                                   : platform::qt::SurfaceFont();
    return previous;
}

COLORREF CDC::SetTextColor(COLORREF color) {
    return std::exchange(m_crText, color);
}

COLORREF CDC::SetBkColor(COLORREF color) {
    return std::exchange(m_crBack, color);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop) {
    if (m_painter == nullptr) {
        return FALSE;
    }
    if (dwRop == BLACKNESS) {
        m_painter->fillRect(x, y, nWidth, nHeight, Qt::black);
        return TRUE;
    }
    if (dwRop != SRCCOPY || pSrcDC == nullptr) {
        return FALSE;
    }
    const CBitmap* bitmap = pSrcDC->m_pBitmap;
    if (bitmap == nullptr || bitmap->GetSafeHandle() == nullptr) {
        return FALSE;
    }
    bitmap->GetSafeHandle()->Draw(*m_painter, QPoint(x, y), QRect(xSrc, ySrc, nWidth, nHeight));
    return TRUE;
}

QString CDC::Text(const char* text, int count) const {
    if (text == nullptr || count <= 0) {
        return QString();
    }
    return QString::fromUtf8(text, count);
}

void CDC::DrawRun(int x, int y, const QString& text) {
    const QFontMetrics metrics(m_font);
    m_painter->fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()),
                        ToColor(m_crBack));
    m_painter->setFont(m_font);
    m_painter->setPen(ToColor(m_crText));
    m_painter->drawText(QPoint(x, y + metrics.ascent()), text);
}

BOOL CDC::TextOut(int x, int y, const char* lpszString, int nCount) {
    if (m_painter == nullptr) {
        return FALSE;
    }
    DrawRun(x, y, Text(lpszString, nCount));
    return TRUE;
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, const RECT* lpRect, const char* lpszString,
                     UINT nCount) {
    if (m_painter == nullptr) {
        return FALSE;
    }
    if ((nOptions & ETO_OPAQUE) != 0 && lpRect != nullptr) {
        m_painter->fillRect(
            QRect(QPoint(lpRect->left, lpRect->top), QPoint(lpRect->right - 1, lpRect->bottom - 1)),
            ToColor(m_crBack));
    }
    const QString text = Text(lpszString, static_cast<int>(nCount));
    if (!text.isEmpty()) {
        DrawRun(x, y, text);
    }
    return TRUE;
}

int CDC::TabStopAfter(int position, int nTabPositions, const int* lpnTabStopPositions,
                      int nTabOrigin) const {
    const QFontMetrics metrics(m_font);
    const int relative = position - nTabOrigin;
    int spacing = 0;
    if (nTabPositions <= 0 || lpnTabStopPositions == nullptr) {
        spacing = 8 * metrics.averageCharWidth();
    } else if (nTabPositions == 1) {
        spacing = lpnTabStopPositions[0];
    } else {
        for (int i = 0; i < nTabPositions; ++i) {
            if (lpnTabStopPositions[i] > relative) {
                return nTabOrigin + lpnTabStopPositions[i];
            }
        }
        return position + metrics.horizontalAdvance(QLatin1Char(' '));
    }
    if (spacing <= 0) {
        return position;
    }
    return nTabOrigin + (relative / spacing + 1) * spacing;
}

SIZE CDC::TabbedTextOut(int x, int y, const char* lpszString, int nCount, int nTabPositions,
                        const int* lpnTabStopPositions, int nTabOrigin) {
    const QFontMetrics metrics(m_font);
    const QStringList runs = Text(lpszString, nCount).split(QLatin1Char('\t'));
    int pen = x;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        if (i > 0) {
            const int stop = TabStopAfter(pen, nTabPositions, lpnTabStopPositions, nTabOrigin);
            if (m_painter != nullptr) {
                m_painter->fillRect(QRect(pen, y, stop - pen, metrics.height()), ToColor(m_crBack));
            }
            pen = stop;
        }
        if (m_painter != nullptr) {
            DrawRun(pen, y, runs[i]);
        }
        pen += metrics.horizontalAdvance(runs[i]);
    }
    return SIZE{pen - x, metrics.height()};
}

BOOL CDC::GetTextExtentPoint32A(const char* lpszString, int nCount, SIZE* lpSize) const {
    if (lpSize == nullptr) {
        return FALSE;
    }
    QString text = Text(lpszString, nCount);
    // Measured as a blank: layout would otherwise expand it to a tab stop.
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    const QFontMetrics metrics(m_font);
    *lpSize = SIZE{metrics.horizontalAdvance(text), metrics.height()};
    return TRUE;
}

BOOL CDC::GetCharWidthA(UINT nFirstChar, UINT nLastChar, int* lpBuffer) const {
    if (lpBuffer == nullptr || nLastChar < nFirstChar || nLastChar > 0xFF) {
        return FALSE;
    }
    const QFontMetrics metrics(m_font);
    for (UINT c = nFirstChar; c <= nLastChar; ++c) {
        lpBuffer[c - nFirstChar] = metrics.horizontalAdvance(QChar(static_cast<char16_t>(c)));
    }
    return TRUE;
}

BOOL CDC::GetTextMetricsA(TEXTMETRICA* lpMetrics) const {
    if (lpMetrics == nullptr) {
        return FALSE;
    }
    const QFontMetrics metrics(m_font);
    lpMetrics->tmHeight = metrics.height();
    lpMetrics->tmAscent = metrics.ascent();
    lpMetrics->tmDescent = metrics.descent();
    lpMetrics->tmInternalLeading = 0;
    lpMetrics->tmExternalLeading = metrics.leading();
    lpMetrics->tmAveCharWidth = metrics.averageCharWidth();
    lpMetrics->tmMaxCharWidth = metrics.maxWidth();
    return TRUE;
}

void CDC::DrawFocusRect(const RECT* lpRect) {
    if (m_painter == nullptr || lpRect == nullptr || lpRect->right <= lpRect->left ||
        lpRect->bottom <= lpRect->top) {
        return;
    }
    // Every other pixel of the frame, each exactly once, so that a second drawing restores
    // what was there.
    m_painter->save();
    m_painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QColor white(255, 255, 255);
    const int left = lpRect->left;
    const int top = lpRect->top;
    const int right = lpRect->right - 1;
    const int bottom = lpRect->bottom - 1;
    auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0) {
            m_painter->fillRect(x, y, 1, 1, white);
        }
    };
    for (int x = left; x <= right; ++x) {
        dot(x, top);
        if (bottom != top) {
            dot(x, bottom);
        }
    }
    for (int y = top + 1; y < bottom; ++y) {
        dot(left, y);
        if (right != left) {
            dot(right, y);
        }
    }
    m_painter->restore();
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon) {
    if (m_painter == nullptr || hIcon == nullptr) {
        return FALSE;
    }
    const int size = GetSystemMetrics(SM_CXICON);
    hIcon->paint(m_painter.get(), QRect(x, y, size, size));
    return TRUE;
}
