// What the phase window tests share: a fixed clock, the window's pictures, and the picture
// the strip should show for given cells, drawn independently of the window's code.
#pragma once

#include <QImage>
#include <QString>
#include <array>

// Sets the clock to the given Universal Time.
void SetUtc(int year, int month, int day, int hour, int minute = 0);

// Bitmap resource id as loaded by the window.
QImage Picture(unsigned id);
// The part of the picture above the first line of text, which covers its last rows.
QImage PictureTop(unsigned id);

// One cell of the strip: phase kind 0-3 and the two text lines.
struct Cell {
    int kind;
    QString date;
    QString time;
};

// The window's client area showing the four cells; the pictures are the southern ones when
// south is set.
QImage ExpectedStrip(const std::array<Cell, 4>& cells, bool south);

// A black client area of the phase window.
QImage BlackStrip();
