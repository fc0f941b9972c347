// Renders what the program shows into PNG files without a display, on a fixed 1280 x 1024 screen,
// from the same embedded board description as the program.
//
//   snapshot <output directory>
#include "app/main_form.h"
#include "platform/application.h"
#include "platform/reader.h"
#include "platform/screen.h"
#include "setupctrls/board/board_highlight.h"
#include "setupctrls/board/popup_form.h"
#include "setupctrls/settings/dip_switch.h"
#include "setupctrls/support/help_forms.h"
#include "setupctrls/support/setup_supporter.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {
// The offscreen platform says what it cannot do (raise windows, size hints); that is no news here.
void QuietPlatformNotices(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (message.startsWith("This plugin does not support")) return;
    if (type != QtDebugMsg) std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// Lets the event loop run for a while so that every pending paint and layout has happened.
// A real event loop, so that it also goes idle as the program's own loop does.
void Settle(int milliseconds = 300) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool Save(QWidget* window, const std::filesystem::path& file) {
    window->grab(); // the first render lets controls that place themselves while painting settle
    Settle(100);
    QImage image = window->grab().toImage();
    if (!image.save(QString::fromStdString(file.string()), "PNG")) {
        std::fprintf(stderr, "snapshot: cannot write %s\n", file.c_str());
        return false;
    }
    std::printf("  %s (%d x %d)\n", file.c_str(), image.width(), image.height());
    return true;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: snapshot <output directory>\n");
        return 2;
    }
    std::filesystem::path out = argv[1];
    std::filesystem::create_directories(out);
    std::filesystem::path config = out / "offscreen-screen.json";
    std::ofstream(config) << R"({ "screens": [ { "name": "snapshot", "x": 0, "y": 0, "width": 1280, "height": 1024,
      "logicalDpi": 96, "primary": true } ] })";
    std::string platform = "offscreen:configfile=" + config.string();
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);

    qInstallMessageHandler(QuietPlatformNotices);
    TApplication app(argc, argv);
    RegisterSetupProgram();
    Application->SetIcon(FindResource("MAINICON"));
    try {
        Application->CreateForm(MainForm); // its create handler hooks the set-up to the first idle moment
    } catch (const std::exception& e) {
        std::fprintf(stderr, "snapshot: %s\n", e.what());
        return 1;
    }
    MainForm->SetVisible(true);
    Settle(); // the first idle moment runs the set-up: the title line, the help and support windows
    bool ok = Save(MainForm->Widget(), out / "main_window.png");

    if (THelpForm* help = MainForm->SetSup->HelpForm()) {
        help->SetVisible(true);
        Settle(150);
        ok = Save(help->Widget(), out / "help_window.png") && ok;
        help->Hide();
    }
    if (TTechForm* tech = MainForm->SetSup->TechForm()) {
        tech->SetVisible(true);
        Settle(150);
        ok = Save(tech->Widget(), out / "support_window.png") && ok;
        tech->Hide();
    }

    // Each circle's popup, opened and pinned as a click opens it.
    TBoardHighlight* circles[] = {MainForm->PCI104Highlight, MainForm->PC104Highlight, MainForm->header1highlight,
                                  MainForm->header2highlight, MainForm->dipSwitchHighlight};
    for (TBoardHighlight* circle : circles) {
        circle->Perform(CM_MOUSEENTER, 0, 0);
        circle->Click();
        Settle(150);
        if (circle->Popup()) ok = Save(circle->Popup()->Widget(), out / ("popup_" + circle->NameStem() + ".png")) && ok;
        if (circle->Popup()) circle->Popup()->Close();
    }

    // The DIP-switch popup at each board position, stepped as presses on the switch picture step it.
    TBoardHighlight* dip = MainForm->dipSwitchHighlight;
    dip->Perform(CM_MOUSEENTER, 0, 0);
    dip->Click();
    for (int position = 0; position < 4; ++position) {
        Settle(100);
        if (dip->Popup())
            ok = Save(dip->Popup()->Widget(), out / ("popup_DipSwitches_value" + std::to_string(MainForm->DipSwitch1->Value()) + ".png")) && ok;
        MainForm->DipSwitch1->MouseDown(mbLeft, {}, 1, 1);
    }
    if (dip->Popup()) dip->Popup()->Close();

    // The main window with the mouse on the PCI/104 circle: lit, its popup open and active.
    MainForm->PCI104Highlight->Perform(CM_MOUSEENTER, 0, 0);
    Settle(150);
    ok = Save(MainForm->Widget(), out / "main_window_circle_lit.png") && ok;
    std::filesystem::remove(config);
    return ok ? 0 : 1;
}
