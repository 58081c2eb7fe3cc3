#pragma once
// The program's start: the application object's settings before the main
// window is created.

namespace hl {

class Application;

// Shows the window's button on the task bar and sets the application title.
void prepareApplication(Application& app);

}  // namespace hl
