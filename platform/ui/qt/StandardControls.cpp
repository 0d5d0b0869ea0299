#include "platform/ui/qt/StandardControls.h"

#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <memory>

#include "platform/ui/Messages.h"
#include "platform/ui/Resources.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Wnd.h"

namespace platform::qt {

namespace {

// "&&" stands for "&"; any other "&" marks the next character as the mnemonic.
QString WithoutPrefix(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        }
        result.append(text[i]);
    }
    return result;
}

}  // namespace

QWidget* CreateButtonControl(const ControlTemplate& control, QWidget* dialog) {
    auto* button = new QPushButton(control.text, dialog);
    // Enter and Esc are the dialog's; only the default button answers Enter itself.
    button->setAutoDefault(false);
    button->setDefault((control.style & 0xF) == BS_DEFPUSHBUTTON);
    const int id = control.id;
    QObject::connect(button, &QPushButton::clicked, button, [dialog, button, id] {
        SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                    reinterpret_cast<LPARAM>(static_cast<QWidget*>(button)));
    });
    return button;
}

QWidget* CreateStaticControl(const ControlTemplate& control, QWidget* dialog) {
    auto* label = new QLabel(dialog);
    const DWORD type = control.style & SS_TYPEMASK;
    if (type == SS_ICON || type == SS_BITMAP) {
        // An image control takes the size of its image.
        const std::optional<UINT> number = ResourceNumber(control.text);
        if (number && type == SS_ICON) {
            if (HICON icon = LoadIcon(*number)) {
                const int size = GetSystemMetrics(SM_CXICON);
                label->setPixmap(icon->pixmap(size, size));
                label->setFixedSize(size, size);
            }
        } else if (number) {
            if (std::unique_ptr<QImage> picture(LoadBitmap(*number)); picture != nullptr) {
                label->setPixmap(QPixmap::fromImage(*picture));
                label->setFixedSize(picture->size());
            }
        }
        return label;
    }
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    const Qt::Alignment horizontal = type == SS_CENTER  ? Qt::AlignHCenter
                                     : type == SS_RIGHT ? Qt::AlignRight
                                                        : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setText((control.style & SS_NOPREFIX) != 0 ? control.text : WithoutPrefix(control.text));
    return label;
}

}  // namespace platform::qt
