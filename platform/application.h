// TApplication: the message loop, the idle event, message boxes and the standard exception report.
#pragma once

#include "component.h"
#include "exception.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QApplication;
class TForm;
class TScreen;

using TIdleEvent = TMethod<void(TObject* Sender, bool& Done)>;
using TExceptionEvent = TMethod<void(TObject* Sender, const Exception& E)>;

class TApplication : public TComponent {
public:
    // Sets up the toolkit; argc and argv must outlive the application object.
    TApplication(int& argc, char** argv);
    ~TApplication() override;
    std::string ClassName() const override { return "TApplication"; }

    void Initialize() {}
    // Constructs a form owned by the application; the first one becomes the main form.
    template <typename T>
    void CreateForm(T*& Reference) {
        T* form = new T(this);
        Reference = form;
        RegisterCreatedForm(form);
    }
    // Creates the main form, then runs the message loop; returns the exit code. A form that
    // cannot be made (its description is broken) is reported and gives exit code 1.
    template <typename T>
    int RunMainForm(T*& Reference) {
        try {
            CreateForm(Reference);
        } catch (const std::exception& e) {
            ReportStartFailure(e);
            return 1;
        }
        return Run();
    }
    TForm* MainForm() const { return FMainForm; }
    void SetMainForm(TForm* form) { FMainForm = form; }

    // Shows the main form and runs the message loop until Terminate; returns the exit code.
    int Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Handles the messages that are waiting, then returns.
    void ProcessMessages();

    // The icon of every window and of the task-bar entry, from PNG bytes; bad bytes leave the default.
    void SetIcon(std::string_view png);

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& v) { FTitle = v; }

    // Run whenever the message loop finds no message waiting.
    TIdleEvent OnIdle;
    // Replaces the message box of the standard exception report when assigned.
    TExceptionEvent OnException;

    // The standard exception report; call it from a catch block. Never throws.
    void HandleException(TObject* Sender) noexcept;
    // Shows the message of an exception in a message box once the current event is done.
    void ShowException(const Exception& E);

    // A modal message box with classic style flags; returns the IDOK-style answer.
    int MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags);
    // Tests answer message boxes through this instead of the screen.
    std::function<int(const std::string& Text, const std::string& Caption, unsigned Flags)> MessageBoxHook;

private:
    void RegisterCreatedForm(TForm* form);
    void ReportStartFailure(const std::exception& e);
    void Idle();

    std::unique_ptr<QApplication> FQtApp;
    std::unique_ptr<TScreen> FScreen;
    TForm* FMainForm = nullptr;
    bool FTerminated = false;
    bool FInIdle = false;
    std::string FTitle = "Setup";
    std::string FPendingMessage;
};

extern TApplication* Application;

// Runs f and hands any exception to the standard exception report: the one rule at every place
// where the toolkit calls into the program.
template <typename F>
void Protected(TObject* Sender, F&& f) noexcept {
    try {
        f();
    } catch (...) {
        if (Application) Application->HandleException(Sender);
    }
}
