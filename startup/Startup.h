#pragma once

#include <functional>
#include <string_view>

// The fixed order in which the program starts and stops.
namespace Startup {

// The whole run: the run-time's start, the class registrations, Main, shut-down and the
// run-time's end. Returns the exit status: the code given to Quit, or 1 when start-up or the
// event loop failed.
int Run(int argc, char** argv);

// Registers the program's eight classes, after the framework's own, in their fixed order.
void RegisterClasses();

// Builds the program and runs the event loop until it quits. A failure in any step goes to the
// framework's handler of unhandled exceptions and ends Main (the loop is not entered again);
// returns false then.
bool Main();

// The steps of Main before the event loop, in order, each reported to the step hook. Tests and
// benchmarks build the program through it without entering the loop.
void Build();

// The steps of Build, in order.
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void MakeDefaultView();

// Releases the pictures, the framework's lists, the file types, the menu bar and the line
// separator, in that order.
void ShutDown();

// Called after each step of Main before the event loop and after each release of ShutDown,
// with the step's name ("InitFileTypes" ... "MakeDefaultView", "Pictures" ... "CL"); tests
// watch the order through it.
using StepHook = std::function<void(std::string_view step)>;
void SetStepHook(StepHook hook);

}  // namespace Startup
