#include "platform/ui/qt/StandardControls.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <memory>
#include <utility>

#include "platform/ui/Messages.h"
#include "platform/ui/Picture.h"
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

PictureControl::PictureControl(std::unique_ptr<platform::Picture> picture, QWidget* parent)
    : QLabel(parent), picture_(std::move(picture)) {
    setFixedSize(picture_->Size());
}

PictureControl::~PictureControl() = default;

void PictureControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    picture_->Draw(painter, QPoint(0, 0), QRect(QPoint(0, 0), picture_->Size()));
}

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
    const DWORD type = control.style & SS_TYPEMASK;
    if (type == SS_BITMAP) {
        // A picture control takes the size of its picture.
        const std::optional<UINT> number = ResourceNumber(control.text);
        if (std::unique_ptr<platform::Picture> picture(number ? LoadBitmap(*number) : nullptr);
            picture != nullptr) {
            return new PictureControl(std::move(picture), dialog);
        }
        return new QLabel(dialog);
    }
    auto* label = new QLabel(dialog);
    if (type == SS_ICON) {
        // An image control takes the size of its image.
        const std::optional<UINT> number = ResourceNumber(control.text);
        if (number) {
            if (HICON icon = LoadIcon(*number)) {
                const int size = GetSystemMetrics(SM_CXICON);
                label->setPixmap(icon->pixmap(size, size));
                label->setFixedSize(size, size);
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
