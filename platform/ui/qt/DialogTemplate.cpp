#include "platform/ui/qt/DialogTemplate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdint>
#include <map>

#include "platform/ui/Messages.h"
#include "platform/ui/Resources.h"

namespace platform::qt {

namespace {

const std::map<QString, DWORD>& StyleNames() {
    static const std::map<QString, DWORD> names = {
        {QStringLiteral("WS_POPUP"), WS_POPUP},
        {QStringLiteral("WS_CHILD"), WS_CHILD},
        {QStringLiteral("WS_VISIBLE"), WS_VISIBLE},
        {QStringLiteral("WS_DISABLED"), WS_DISABLED},
        {QStringLiteral("WS_CAPTION"), WS_CAPTION},
        {QStringLiteral("WS_HSCROLL"), WS_HSCROLL},
        {QStringLiteral("WS_SYSMENU"), WS_SYSMENU},
        {QStringLiteral("WS_THICKFRAME"), WS_THICKFRAME},
        {QStringLiteral("WS_TABSTOP"), WS_TABSTOP},
        {QStringLiteral("WS_MINIMIZEBOX"), WS_MINIMIZEBOX},
        {QStringLiteral("WS_MAXIMIZEBOX"), WS_MAXIMIZEBOX},
        {QStringLiteral("WS_EX_APPWINDOW"), WS_EX_APPWINDOW},
        {QStringLiteral("DS_SETFONT"), DS_SETFONT},
        {QStringLiteral("DS_MODALFRAME"), DS_MODALFRAME},
        {QStringLiteral("BS_DEFPUSHBUTTON"), BS_DEFPUSHBUTTON},
        {QStringLiteral("SS_LEFT"), SS_LEFT},
        {QStringLiteral("SS_CENTER"), SS_CENTER},
        {QStringLiteral("SS_RIGHT"), SS_RIGHT},
        {QStringLiteral("SS_ICON"), SS_ICON},
        {QStringLiteral("SS_BITMAP"), SS_BITMAP},
        {QStringLiteral("SS_NOPREFIX"), SS_NOPREFIX},
        {QStringLiteral("LBS_NOTIFY"), LBS_NOTIFY},
        {QStringLiteral("LBS_OWNERDRAWFIXED"), LBS_OWNERDRAWFIXED},
        {QStringLiteral("LBS_HASSTRINGS"), LBS_HASSTRINGS},
        {QStringLiteral("LBS_NOINTEGRALHEIGHT"), LBS_NOINTEGRALHEIGHT},
    };
    return names;
}

// Parses "WS_CHILD | WS_VISIBLE | 0x1"; none when a part is neither a known name nor a number.
std::optional<DWORD> ParseStyle(const QString& text) {
    DWORD style = 0;
    const QStringList parts = text.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    for (const QString& raw : parts) {
        const QString part = raw.trimmed();
        if (const auto named = StyleNames().find(part); named != StyleNames().end()) {
            style |= named->second;
            continue;
        }
        bool ok = false;
        const uint number = part.toUInt(&ok, 0);
        if (!ok) {
            return std::nullopt;
        }
        style |= number;
    }
    return style;
}

// MulDiv of the other platform: value * numerator / denominator rounded half away from zero.
int ScaleRounded(int value, int numerator, int denominator) {
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    const std::int64_t half = denominator / 2;
    return static_cast<int>((product >= 0 ? product + half : product - half) / denominator);
}

std::optional<DWORD> StyleOf(const QJsonObject& object, const char* key) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) {
        return DWORD{0};
    }
    return value.isString() ? ParseStyle(value.toString()) : std::nullopt;
}

std::optional<ControlTemplate> ParseControl(const QJsonObject& object) {
    const QJsonArray rect = object.value(QLatin1String("rect")).toArray();
    const std::optional<DWORD> style = StyleOf(object, "style");
    if (rect.size() != 4 || !style || !object.value(QLatin1String("class")).isString()) {
        return std::nullopt;
    }
    ControlTemplate control;
    control.id = object.value(QLatin1String("id")).toInt(-1);
    control.className = object.value(QLatin1String("class")).toString().toLower();
    control.text = object.value(QLatin1String("text")).toString();
    control.rect = QRect(rect[0].toInt(), rect[1].toInt(), rect[2].toInt(), rect[3].toInt());
    control.style = *style;
    control.accessibleName = object.value(QLatin1String("accessibleName")).toString();
    return control;
}

}  // namespace

std::optional<DialogTemplate> DialogTemplate::Load(UINT id) {
    QFile file(ResourcePath(platform::ResourceKind::Dialog, id));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return Parse(file.readAll());
}

std::optional<DialogTemplate> DialogTemplate::Parse(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    const int width = root.value(QLatin1String("width")).toInt(-1);
    const int height = root.value(QLatin1String("height")).toInt(-1);
    const std::optional<DWORD> style = StyleOf(root, "style");
    const std::optional<DWORD> exStyle = StyleOf(root, "exStyle");
    if (width < 0 || height < 0 || !style || !exStyle) {
        return std::nullopt;
    }
    DialogTemplate result;
    result.size = QSize(width, height);
    result.caption = root.value(QLatin1String("caption")).toString();
    result.style = *style;
    result.exStyle = *exStyle;
    const QJsonObject font = root.value(QLatin1String("font")).toObject();
    result.fontFace = font.value(QLatin1String("face")).toString();
    result.pointSize = font.value(QLatin1String("pointSize")).toInt(result.pointSize);
    const QJsonArray controls = root.value(QLatin1String("controls")).toArray();
    for (const QJsonValue& value : controls) {
        std::optional<ControlTemplate> control = ParseControl(value.toObject());
        if (!control) {
            return std::nullopt;
        }
        result.controls.push_back(std::move(*control));
    }
    return result;
}

int DialogUnitsToPixelsX(int x) {
    return ScaleRounded(x, 6, 4);
}

int DialogUnitsToPixelsY(int y) {
    return ScaleRounded(y, 13, 8);
}

QRect DialogUnitsToPixels(const QRect& rect) {
    return QRect(DialogUnitsToPixelsX(rect.x()), DialogUnitsToPixelsY(rect.y()),
                 DialogUnitsToPixelsX(rect.width()), DialogUnitsToPixelsY(rect.height()));
}

std::optional<UINT> ResourceNumber(const QString& text) {
    if (!text.startsWith(QLatin1Char('#'))) {
        return std::nullopt;
    }
    bool ok = false;
    const uint number = text.mid(1).toUInt(&ok, 10);
    return ok ? std::optional<UINT>(number) : std::nullopt;
}

}  // namespace platform::qt
