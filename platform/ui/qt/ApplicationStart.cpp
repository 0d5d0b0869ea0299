#include "platform/ui/qt/ApplicationStart.h"

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QMessageLogContext>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "tidewell/Version.h"

namespace platform::qt {

namespace {

std::string ProgramName(int argc, char** argv) {
    if (argc < 1 || argv[0] == nullptr) {
        return "program";
    }
    const char* slash = std::strrchr(argv[0], '/');
    return slash != nullptr ? slash + 1 : argv[0];
}

bool Print(const QByteArray& text) {
    const bool written = std::fwrite(text.constData(), 1, text.size(), stdout) ==
                         static_cast<std::size_t>(text.size());
    return std::fflush(stdout) == 0 && written && std::ferror(stdout) == 0;
}

QByteArray Usage(const std::string& program) {
    QFile file(QStringLiteral(":/res/text/usage.txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        return QByteArray("Usage: ") + program.c_str() + " [ARGUMENT...]\n";
    }
    QByteArray text = file.readAll();
    if (!text.endsWith('\n')) {
        text += '\n';
    }
    return text;
}

// Qt's option names take one hyphen or two.
bool IsQtOption(std::string_view arg, std::string_view name) {
    if (arg.substr(0, 2) == "--") {
        arg.remove_prefix(1);
    }
    return arg.size() == name.size() + 1 && arg[0] == '-' && arg.substr(1) == name;
}

// Whether the option is given with a value, as Qt takes it.
bool HasQtOption(int argc, char** argv, std::string_view name) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (IsQtOption(argv[i], name)) {
            return true;
        }
    }
    return false;
}

// What Qt says while the application is being made is held back: should it give up, only
// the line that tells why goes out; otherwise everything goes on as said, once it is made.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

struct StartLog {
    std::mutex mutex;
    std::vector<HeldMessage> held;
    QtMessageHandler previous = nullptr;
    std::string program;
};

StartLog& Log() {
    static StartLog log;
    return log;
}

QString OneLine(const QString& text) {
    return text.simplified();
}

[[noreturn]] void GiveUp(const QString& fatal) {
    StartLog& log = Log();
    // The platform layer's first message names the cause (no such plugin, no such display);
    // the fatal message itself only says that no platform could be started.
    QString cause;
    for (const HeldMessage& message : log.held) {
        if (message.category.startsWith("qt.qpa")) {
            cause = OneLine(message.text);
            break;
        }
    }
    const bool noPlatform = fatal.contains(QLatin1String("platform plugin"));
    QString line = noPlatform ? QStringLiteral("cannot reach any display") : OneLine(fatal);
    if (noPlatform && !cause.isEmpty()) {
        line += QStringLiteral(": ") + cause;
    }
    std::fprintf(stderr, "%s: %s\n", log.program.c_str(), line.toLocal8Bit().constData());
    std::fflush(stderr);
    // Nothing of the program has run yet: nothing to save, and no core to leave.
    std::_Exit(1);
}

void HoldWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        GiveUp(text);
    }
    StartLog& log = Log();
    const std::lock_guard<std::mutex> lock(log.mutex);
    log.held.push_back({type, QByteArray(context.category), text});
}

}  // namespace

std::optional<int> AnswerQuery(int argc, char** argv) {
    if (argc != 2) {
        return std::nullopt;
    }
    const std::string_view arg = argv[1];
    QByteArray text;
    if (arg == "--help") {
        text = Usage(ProgramName(argc, argv));
    } else if (arg == "--version") {
        text = QByteArray(tidewell::kVersion) + '\n';
    } else {
        return std::nullopt;
    }
    if (!Print(text)) {
        std::fprintf(stderr, "%s: cannot write to standard output\n",
                     ProgramName(argc, argv).c_str());
        return 1;
    }
    return 0;
}

void ChooseWindowSystem(int argc, char** argv) {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || HasQtOption(argc, argv, "platform")) {
        return;
    }
    // An X display named on the command line is a choice of X11.
    if (HasQtOption(argc, argv, "display")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        return;
    }
    if (!qEnvironmentVariableIsEmpty("DISPLAY") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
}

std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv) {
    StartLog& log = Log();
    log.program = ProgramName(argc, argv);
    log.previous = qInstallMessageHandler(HoldWhileStarting);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(log.previous);

    std::vector<HeldMessage> held;
    {
        const std::lock_guard<std::mutex> lock(log.mutex);
        held.swap(log.held);
    }
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        log.previous(message.type, context, message.text);
    }
    return application;
}

bool CanPlaceWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace platform::qt
