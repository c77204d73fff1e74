#pragma once

#include <exception>
#include <string>
#include <vector>

// The run-time: start-up, class registration, the event loop until Quit, the exit status and
// the one handler of unhandled exceptions.
namespace fw {

class Application;

// Creates the QApplication (or adopts one that a test program made), installs the throttled
// event-loop turn and the message-box dialog. The arguments are handed to Qt unchanged.
// When Qt cannot start its platform (no display), ends the process with status 1 after one
// line on stderr saying why.
void RuntimeInit(int& argc, char** argv);

// The program's name as the user reads it, in place of its file's name: message boxes are
// titled with it; windows keep their own titles.
void RuntimeSetDisplayName(const std::string& name);

// Raises the application's Open event, then runs the event loop until Quit.
void RuntimeRun();

// Makes the event loop return; the code becomes the exit status.
void Quit(int code = 0);

// Whether Quit was called since the last RuntimeRun started.
bool QuitRequested();

// Destroys every window (open or closed) and forgets the registered classes: the framework's
// own module lists, released by the shut-down.
void RuntimeReleaseModuleLists();

// Ends the run-time and returns the exit status (the code given to Quit).
int RuntimeExit();

// Class registration. The framework registers its own classes first (in RuntimeInit); a
// class registered twice keeps its first place.
struct ClassRecord {
    std::string Name;
    int Order = 0;
};
const ClassRecord& RuntimeRegisterClass(const std::string& name);
std::vector<std::string> RegisteredClassNames();

// The application object, held by the framework from registration to the end of the process.
void RuntimeRegisterAppObject(Application* app);
Application* GetAppObject();

// The framework's handler of unhandled exceptions: a message box naming the failure. The
// program goes on.
void HandleUnhandledException(std::exception_ptr failure);

// Runs f, handing whatever escapes it to HandleUnhandledException. Every call from Qt into
// the system goes through here. Returns false when f failed.
template <class F>
bool Dispatch(F&& f) {
    try {
        f();
        return true;
    } catch (...) {
        HandleUnhandledException(std::current_exception());
        return false;
    }
}

}  // namespace fw
