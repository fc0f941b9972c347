#include "application.h"

#include "form.h"
#include "qt_util.h"
#include "screen.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

TApplication* Application = nullptr;

TApplication::TApplication(int& argc, char** argv) : TComponent(nullptr) {
    // The plain Unix event dispatcher reports "about to block" only once the queue has drained,
    // which is what the idle event means.
    setenv("QT_NO_GLIB", "1", 0);
    FQtApp = std::make_unique<QApplication>(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    Application = this;
    FScreen = std::make_unique<TScreen>(nullptr);
    Screen = FScreen.get();
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     [this] { Idle(); });
}

TApplication::~TApplication() {
    DestroyComponents(); // the forms, while the toolkit still runs
    Screen = nullptr;
    FScreen.reset();
    Application = nullptr;
    FQtApp.reset();
}

void TApplication::RegisterCreatedForm(TForm* form) {
    if (!FMainForm) FMainForm = form;
    form->AfterConstruction();
}

void TApplication::ReportStartFailure(const std::exception& e) {
    // Without its main window the program has nothing to show but the reason.
    std::fprintf(stderr, "%s: %s\n", FTitle.c_str(), e.what());
    MessageBox(std::string("The set-up program cannot start: ") + e.what(), FTitle, MB_OK | MB_ICONSTOP);
}

int TApplication::Run() {
    if (FMainForm && !FTerminated) FMainForm->SetVisible(true);
    if (!FTerminated) QApplication::exec();
    return 0;
}

void TApplication::SetIcon(std::string_view png) {
    QPixmap pixmap;
    if (!png.empty() && pixmap.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<uint>(png.size()), "PNG"))
        QApplication::setWindowIcon(QIcon(pixmap));
}

void TApplication::Terminate() {
    FTerminated = true;
    // Leaves the message loop at once; quit() would first ask every window to close, and the
    // forms keep that decision to themselves.
    QCoreApplication::exit(0);
}

void TApplication::ProcessMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void TApplication::Idle() {
    if (FInIdle || !OnIdle) return;
    FInIdle = true;
    bool done = true;
    Protected(this, [&] { OnIdle(this, done); });
    FInIdle = false;
    if (!done) QTimer::singleShot(0, [] {}); // wake the loop so that idle processing runs again
}

void TApplication::HandleException(TObject* Sender) noexcept {
    try {
        try {
            throw;
        } catch (const Exception& e) {
            if (OnException)
                OnException(Sender, e);
            else
                ShowException(e);
        } catch (const std::exception& e) {
            Exception wrapped(e.what());
            if (OnException)
                OnException(Sender, wrapped);
            else
                ShowException(wrapped);
        } catch (...) {
            Exception wrapped("Unknown exception");
            if (OnException)
                OnException(Sender, wrapped);
            else
                ShowException(wrapped);
        }
    } catch (...) {
        // The report itself failed; nothing more can be said safely.
    }
}

void TApplication::ShowException(const Exception& E) {
    std::string text = E.Message();
    if (!text.empty() && text.back() != '.') text += '.';
    // The box opens once the event that raised the exception is finished, never inside a paint;
    // the same message is not stacked while its box is still pending or open.
    if (text == FPendingMessage) return;
    FPendingMessage = text;
    QTimer::singleShot(0, FQtApp.get(), [this, text] {
        MessageBox(text, FTitle, MB_OK | MB_ICONSTOP);
        FPendingMessage.clear();
    });
}

int TApplication::MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags) {
    if (MessageBoxHook) return MessageBoxHook(Text, Caption, Flags);
    QMessageBox box;
    box.setWindowTitle(ToQString(Caption));
    box.setText(ToQString(Text));
    switch (Flags & 0xF0) {
    case MB_ICONSTOP: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONWARNING: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    std::vector<std::pair<QMessageBox::StandardButton, int>> buttons;
    switch (Flags & 0xF) {
    case MB_OKCANCEL: buttons = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}; break;
    case MB_ABORTRETRYIGNORE:
        buttons = {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
        break;
    case MB_YESNOCANCEL:
        buttons = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    case MB_YESNO: buttons = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}; break;
    case MB_RETRYCANCEL: buttons = {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}}; break;
    default: buttons = {{QMessageBox::Ok, IDOK}}; break;
    }
    QMessageBox::StandardButtons set;
    for (const auto& [b, id] : buttons) set |= b;
    box.setStandardButtons(set);
    size_t defaultIndex = (Flags >> 8) & 0xF;
    if (defaultIndex < buttons.size()) box.setDefaultButton(buttons[defaultIndex].first);
    if (Flags & MB_TOPMOST) box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (Flags & MB_SETFOREGROUND) {
        box.show();
        box.raise();
        box.activateWindow();
    }
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (const auto& [b, id] : buttons)
        if (clicked == box.button(b)) return id;
    return (Flags & 0xF) == MB_OK ? IDOK : IDCANCEL;
}
