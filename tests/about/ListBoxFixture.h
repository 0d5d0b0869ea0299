// Test support: a colour list box on a window of its own, and a drawing surface over a
// picture, so that lines can be added, drawn and read back pixel by pixel.
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <memory>

#include "about/CColorListBox.h"
#include "platform/ui/Dc.h"
#include "platform/ui/ListBoxControl.h"

// Draws into image; the picture is complete once the surface is gone.
class ImageDC : public CDC {
public:
    explicit ImageDC(QImage& image) { SetPainter(std::make_unique<QPainter>(&image)); }
};

class ColorListBoxFixture {
public:
    static constexpr int kWidth = 300;
    static constexpr int kHeight = 100;

    explicit ColorListBoxFixture(DWORD style = LBS_OWNERDRAWFIXED | LBS_HASSTRINGS) {
        window->resize(kWidth, kHeight);
        RegisterWindow(window.get());
        control = new ListBoxControl(style, window.get());
        RegisterWindow(control);
        control->setGeometry(0, 0, kWidth, kHeight);
        list.SubclassWindow(control);
    }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return list.SendMessage(message, wParam, lParam);
    }
    std::string Raw(int index) {
        std::string text;
        list.GetText(index, text);
        return text;
    }

    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    ListBoxControl* control = nullptr;
    CColorListBox list;  // declared last: unbound before the window goes
};
